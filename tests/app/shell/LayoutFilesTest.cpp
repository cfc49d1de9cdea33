#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "app/editor/CanvasWidget.h"
#include "app/shell/FormMain.h"
#include "app/shell/MenuBar.h"
#include "core/generation/GenerateDrivers.h"
#include "core/output/ResultWriter.h"
#include "core/services/RecentFiles.h"
#include "core/services/SettingsStore.h"
#include "support/ModalWatcher.h"
#include "support/RunProgram.h"

using namespace quorvane;

namespace {

struct ShownForm {
    ShownForm()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    FormMain form;
};

// The page the main window's Generate makes of its document, as a PNG file's bytes.
QByteArray DesktopPage(const ShownForm& shown, const QString& path)
{
    GenControl control;
    const std::optional<GenerateResult> page = GenerateForPageStyle(shown.form.Doc(), shown.form.Fitted(), control, {});
    EXPECT_TRUE(page && page->status == GenerateStatus::Done);
    EXPECT_EQ(WriteResultImage(page->page, path).status, WriteStatus::Written);
    return ReadFileBytes(path);
}

// Answers the modal dialogs as they come: a message box with `answer` (recording its text),
// each file dialog with the next of `files` ("" cancels it).
class DialogAnswers {
public:
    DialogAnswers(QMessageBox::StandardButton answer, QStringList files)
        : answer_(answer)
        , files_(std::move(files))
    {
        Watch();
    }
    const QString& Question() const { return question_; }

private:
    void Watch()
    {
        watchers_.push_back(std::make_unique<ModalWatcher<QDialog>>([this](QDialog& dialog) {
            Watch(); // for the dialog that may follow
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                question_ = box->text();
                QAbstractButton* button = box->button(answer_);
                button ? button->click() : box->reject();
            } else if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
                const QString file = files_.value(filesUsed_++);
                file.isEmpty() ? files->reject() : ChooseFile(*files, file);
            }
        }));
    }

    QMessageBox::StandardButton answer_;
    QStringList files_;
    qsizetype filesUsed_ = 0;
    QString question_;
    std::vector<std::unique_ptr<ModalWatcher<QDialog>>> watchers_;
};

} // namespace

TEST(LayoutFiles, SavedLayoutReopensAsTheSamePageInTheWindowAndTheCommandLineTool)
{
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("sample.quorvane"));
    ShownForm first;
    first.form.Picture1()->setFocus();
    QTest::keyClick(first.form.Picture1(), Qt::Key_Right, Qt::ShiftModifier);
    first.form.Session().SetMapping(SheetMapping::Exact); // the layout records it
    ASSERT_TRUE(first.form.SaveLayout(layout));
    EXPECT_FALSE(first.form.isWindowModified());

    ShownForm second;
    ASSERT_TRUE(second.form.OpenLayout(layout));
    EXPECT_EQ(second.form.Doc(), first.form.Doc());
    EXPECT_EQ(second.form.Fitted().CanvasOutline, first.form.Fitted().CanvasOutline);
    EXPECT_FALSE(second.form.isWindowModified());
    second.form.History().Stack().undo(); // opening was a step: the sample comes back
    EXPECT_EQ(second.form.Doc().Place, first.form.Doc().Place.Shifted(-10, 0));
    EXPECT_TRUE(second.form.isWindowModified());
    second.form.History().Stack().redo();

    // The tool makes the layout's own page, or the other mapping's when told so.
    for (const char* option : {"", "--mapping=bilinear"}) {
        second.form.Session().SetMapping(*option ? SheetMapping::Bilinear : SheetMapping::Exact);
        const QByteArray desktop = DesktopPage(second, dir.filePath(QStringLiteral("desktop.png")));
        const QString cliPage = dir.filePath(QStringLiteral("cli.png"));
        QStringList arguments{"generate", "--layout", layout, "-o", cliPage};
        if (*option)
            arguments.append(QString::fromLatin1(option));
        const ProgramRun cli = RunCli(arguments);
        EXPECT_EQ(cli.exitCode, 0) << cli.err.toStdString();
        EXPECT_TRUE(!desktop.isEmpty() && ReadFileBytes(cliPage) == desktop) << option;
    }
}

TEST(LayoutFiles, DamagedLayoutIsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    ShownForm shown;
    const QString good = dir.filePath(QStringLiteral("good.quorvane"));
    ASSERT_TRUE(shown.form.SaveLayout(good));
    const QByteArray bytes = ReadFileBytes(good);
    const QString cut = dir.filePath(QStringLiteral("cut.quorvane"));
    ASSERT_TRUE(WriteFileBytes(cut, bytes.left(bytes.size() - 40)));
    QTest::keyClick(shown.form.Picture1(), Qt::Key_Up);
    const Document before = shown.form.Doc();

    MessageBoxWatcher watcher;
    EXPECT_FALSE(shown.form.OpenLayout(cut));
    EXPECT_TRUE(watcher.Seen().text.contains(QStringLiteral("\"cut.quorvane\" could not be opened")));
    EXPECT_EQ(shown.form.Doc(), before);
    EXPECT_EQ(shown.form.windowTitle(), QStringLiteral("good.quorvane[*] \u2013 Quorvane"));
    EXPECT_TRUE(shown.form.isWindowModified());
}

// Every way out of the work in hand asks about unsaved changes first. Save writes the layout
// file (or one named then; a cancelled name keeps everything) and goes on, Discard goes on,
// Cancel keeps everything as it was. With nothing unsaved nothing is asked.
TEST(LayoutFiles, UnsavedChangesAreAskedAboutOnEveryWayOutAndEachAnswerHolds)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    enum Way { CloseBox, CtrlQ, CtrlO, OpenLayout, CtrlN, OpenRecent };
    enum File { HasFile, NoFileNameTyped, NoFileNameCancelled }; // the second two: Save asks for a name
    struct Row {
        Way way;
        QMessageBox::StandardButton answer; // NoButton: nothing unsaved
        File file = HasFile;
    };
    const auto Save = QMessageBox::Save, Discard = QMessageBox::Discard, Cancel = QMessageBox::Cancel;
    std::vector<Row> rows;
    for (const Way way : {CloseBox, CtrlQ, CtrlO, OpenLayout, CtrlN, OpenRecent})
        for (const QMessageBox::StandardButton answer : {Save, Discard, Cancel, QMessageBox::NoButton})
            rows.push_back({way, answer});
    rows.push_back({CloseBox, Save, NoFileNameTyped});
    rows.push_back({CtrlQ, Save, NoFileNameCancelled});

    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("other.png"));
    ASSERT_TRUE(QImage(40, 20, QImage::Format_RGB32).save(picture));
    const QString layout = dir.filePath(QStringLiteral("work.quorvane"));
    const QString other = dir.filePath(QStringLiteral("other.quorvane"));
    const QString named = dir.filePath(QStringLiteral("named.quorvane"));
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "way " << row.way << ", answer " << row.answer << ", file " << row.file);
        SettingsStore store;
        AddRecentFile(store, picture);
        QFile::remove(layout);
        QFile::remove(named);
        ShownForm shown;
        FormMain& form = shown.form;
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        if (row.file == HasFile) {
            ASSERT_TRUE(form.SaveLayout(layout) && (QFile::exists(other) || QFile::copy(layout, other)));
        }
        const QByteArray saved = ReadFileBytes(layout);
        if (row.answer != QMessageBox::NoButton)
            QTest::keyClick(form.Picture1(), Qt::Key_Right);
        const Document before = form.Doc();
        QStringList files;
        if (row.file != HasFile)
            files.append(row.file == NoFileNameTyped ? named : QString());
        files.append(row.way == CtrlO ? picture : other);
        DialogAnswers answers(row.answer, files);

        switch (row.way) {
        case CloseBox: form.windowHandle()->close(); break;
        case CtrlQ: QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier); break;
        case CtrlO: QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier); break;
        case OpenLayout: QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier); break;
        case CtrlN: QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier); break;
        case OpenRecent: form.findChild<MenuBar*>()->RecentAction()->menu()->actions().front()->trigger(); break;
        }

        const bool asked = row.answer != QMessageBox::NoButton;
        const bool savedNow = row.answer == Save && row.file != NoFileNameCancelled;
        const bool goesOn = !asked || row.answer == Discard || savedNow;
        EXPECT_EQ(answers.Question(), asked ? QStringLiteral("Save changes to the layout?") : QString());
        if (row.file == HasFile)
            EXPECT_EQ(ReadFileBytes(layout) != saved, savedNow);
        else
            EXPECT_EQ(QFile::exists(named), savedNow);
        if (!goesOn) {
            EXPECT_TRUE(form.isVisible() && form.isWindowModified());
            EXPECT_EQ(form.Doc(), before);
            continue;
        }
        switch (row.way) {
        case CloseBox:
        case CtrlQ: EXPECT_FALSE(form.isVisible()); break;
        case CtrlO:
        case OpenRecent: EXPECT_EQ(form.Doc().PictureFile, picture); break;
        case OpenLayout: EXPECT_EQ(form.Session().LayoutPath(), other); break;
        case CtrlN:
            EXPECT_EQ(form.Doc().PictureFile, form.AppFolders().ObjectFolder + QStringLiteral("tyrannosaurus.png"));
            EXPECT_TRUE(form.Session().LayoutPath().isEmpty());
            EXPECT_EQ(form.History().Stack().count(), 0);
            EXPECT_FALSE(form.isWindowModified());
            break;
        }
    }
}
