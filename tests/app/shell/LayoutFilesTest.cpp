#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/editor/CanvasWidget.h"
#include "app/shell/FormMain.h"
#include "core/generation/GenerateDrivers.h"
#include "core/output/ResultWriter.h"
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
