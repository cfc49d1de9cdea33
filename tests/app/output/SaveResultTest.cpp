#include "app/output/SaveResult.h"

#include <memory>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/common/BusyCursor.h"
#include "core/output/ResultWriter.h"
#include "core/services/FileKind.h"
#include "core/services/PageSettings.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "support/FaultInjection.h"
#include "support/ModalWatcher.h"
#include "support/OrdinaryFileAccess.h"
#include "support/PdfFacts.h"
#include "support/RunProgram.h"

namespace quorvane {
namespace {

class SaveResultTest : public testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        page_.fill(QColor(40, 90, 160));
    }

    QImage page_{1190, 1684, QImage::Format_RGB32};
    QString SaveFolder_;
    QTemporaryDir first_;
    QTemporaryDir second_;
};

// The dialog offers the four types in SaveFolder, JPG first. A name typed without an ending
// is saved in the type chosen; ".jpeg" is a JPEG as ".jpg" is. SaveFolder follows the save,
// for the next run too.
TEST_F(SaveResultTest, NameWithoutEndingTakesTheChosenTypesEndingAndSaveFolderFollows)
{
    const struct {
        const char* typed;
        int filterSteps; // Down presses in the type box: 0 JPG, 1 PNG
        const char* saved;
        QByteArray format;
    } rows[] = {{"Sheet", 0, "Sheet.jpg", "jpeg"},
                {"page", 1, "page.png", "png"},
                {"photo.jpeg", 0, "photo.jpeg", "jpeg"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        SaveFolder_ = first_.path() + QLatin1Char('/');
        const QString typed = second_.filePath(QString::fromUtf8(row.typed));
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.directory().absolutePath(), first_.path());
            EXPECT_EQ(dialog.nameFilters(),
                      QStringList({QStringLiteral("JPG format (*.jpg)"), QStringLiteral("PNG format (*.png)"),
                                   QStringLiteral("GIF format (*.gif)"), QStringLiteral("BMP format (*.bmp)"),
                                   QStringLiteral("PDF document (*.pdf)")}));
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            for (int i = 0; i < row.filterSteps; ++i)
                QTest::keyClick(types, Qt::Key_Down); // as the user picks a type
            ChooseFile(dialog, typed);
        });
        const int busy = BusyCursor::ShownCount();
        SaveResult(nullptr, SaveFolder_, page_);
        ASSERT_EQ(watcher.Seen(), 1);
        EXPECT_EQ(BusyCursor::ShownCount(), busy + 1); // while the file is written
        QImageReader reader(second_.filePath(QString::fromUtf8(row.saved)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), row.format);
        EXPECT_TRUE(qstrcmp(row.typed, row.saved) == 0 || !QFile::exists(typed));
        EXPECT_EQ(SaveFolder_, second_.path() + QLatin1Char('/'));
        EXPECT_EQ(SettingsStore().ReadSetting(kLastSaveFolder), SaveFolder_);
    }
}

// A PDF asks whether to add the setup sheet, preset as last answered; Cancel there saves
// nothing. The PDF's page is the paper's.
TEST_F(SaveResultTest, PdfAsksForTheSetupSheetAndRemembersTheAnswer)
{
    const Paper letter{PaperFormat::Letter, PaperLayout::LFold};
    const QString pdf = second_.filePath(QStringLiteral("sheet.pdf"));
    SettingsStore store;
    WriteSwitchSetting(store, kSetupSheet, false);
    // Checked, then left checked but cancelled: one PDF of two pages, and its preset seen.
    for (const auto answer : {QMessageBox::Save, QMessageBox::Cancel}) {
        QFile::remove(pdf);
        bool preset = answer == QMessageBox::Save;
        std::unique_ptr<ModalWatcher<QMessageBox>> question;
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            question = std::make_unique<ModalWatcher<QMessageBox>>([&](QMessageBox& box) {
                preset = box.checkBox()->isChecked();
                box.checkBox()->setChecked(true);
                box.button(answer)->click();
            });
            ChooseFile(dialog, pdf);
        });
        SaveFolder_ = first_.path() + QLatin1Char('/');
        const QImage page = page_.scaled(*letter.PageSize(kDefaultPageDpi));
        const QString saved =
            SaveResult(nullptr, SaveFolder_, page, kDefaultPageDpi, SetupOf(letter, letter.DefaultCamera())).path;
        EXPECT_EQ(preset, answer == QMessageBox::Cancel);
        EXPECT_EQ(saved.isEmpty(), answer == QMessageBox::Cancel);
        const std::vector<QSizeF> letterPages(answer == QMessageBox::Save ? 2 : 0, QSizeF(612, 792));
        EXPECT_EQ(PdfPageSizes(pdf), letterPages);
    }
}

// A name with another ending is refused inside the dialog, which stays open for another name.
TEST_F(SaveResultTest, UnsupportedEndingIsRefusedWhileTheDialogIsOpen)
{
    SaveFolder_ = first_.path() + QLatin1Char('/');
    std::unique_ptr<MessageBoxWatcher> error;
    bool stillOpen = false;
    ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
        error = std::make_unique<MessageBoxWatcher>();
        ChooseFile(dialog, second_.filePath(QStringLiteral("sheet.tif")));
        stillOpen = dialog.isVisible();
        ChooseFile(dialog, second_.filePath(QStringLiteral("sheet.png")));
    });
    EXPECT_EQ(SaveResult(nullptr, SaveFolder_, page_).path, second_.filePath(QStringLiteral("sheet.png")));
    EXPECT_TRUE(stillOpen && error && error->Seen().text.contains(QStringLiteral(".jpg, .png, .gif, .bmp or .pdf")));
    EXPECT_FALSE(QFile::exists(second_.filePath(QStringLiteral("sheet.tif"))));
}

// A read-only folder, a disk that fills during the write (half of what the
// file needs allowed) and a pipe: the error box says why, the file at the chosen name stays
// as it was (an existing one after the dialog's question) and SaveFolder still moves.
TEST_F(SaveResultTest, RefusedOrFailedSaveShowsWhyAndKeepsTheFile)
{
    const QByteArray folder = QFile::encodeName(second_.path());
    ASSERT_EQ(mkfifo(QFile::encodeName(second_.filePath(QStringLiteral("pipe.png"))).constData(), 0600), 0);
    const struct {
        const char* name;
        bool readOnlyFolder, fillsUp;
        FileKind kept; // what stays at the chosen name
        QString reason;
    } rows[] = {{"page.bmp", true, false, FileKind::Missing, QStringLiteral("Permission denied")},
                {"page.gif", false, true, FileKind::Regular, QStringLiteral("File too large")},
                {"pipe.png", false, false, FileKind::Pipe, QStringLiteral("it is a pipe, not a file")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SaveFolder_ = first_.path() + QLatin1Char('/');
        const QString chosen = second_.filePath(QString::fromUtf8(row.name));
        const QString scratch = first_.filePath(QStringLiteral("scratch.gif"));
        ASSERT_EQ(WriteResultImage(page_, scratch).status, WriteStatus::Written);
        ASSERT_TRUE(!row.fillsUp || WriteFileBytes(chosen, "earlier save"));
        chmod(QFile::encodeName(chosen).constData(), 0666); // the ordinary user's to replace
        ASSERT_EQ(chmod(folder.constData(), row.readOnlyFolder ? 0555 : 0777), 0); // open to OrdinaryFileAccess
        // An existing target is confirmed in the file dialog; the error box opens once it closed.
        std::unique_ptr<MessageBoxWatcher> confirm;
        std::unique_ptr<MessageBoxWatcher> error;
        const bool exists = FactsOf(chosen).kind != FileKind::Missing;
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            if (exists)
                confirm = std::make_unique<MessageBoxWatcher>(QMessageBox::Yes);
            ChooseFile(dialog, chosen);
            error = std::make_unique<MessageBoxWatcher>();
        });
        {
            FileSizeLimit limit(rlim_t(row.fillsUp ? QFileInfo(scratch).size() / 2 : RLIM_INFINITY));
            OrdinaryFileAccess ordinary;
            SaveResult(nullptr, SaveFolder_, page_);
        }
        ASSERT_EQ(chmod(folder.constData(), 0777), 0);
        ASSERT_TRUE(error && error->Seen().shown);
        EXPECT_EQ(exists, confirm && confirm->Seen().shown);
        EXPECT_FALSE(error->Seen().busyPointer);
        EXPECT_TRUE(error->Seen().text.contains(chosen) && error->Seen().text.contains(row.reason))
            << error->Seen().text.toStdString();
        EXPECT_EQ(FactsOf(chosen).kind, row.kept);
        EXPECT_TRUE(!row.fillsUp || ReadFileBytes(chosen) == "earlier save");
        EXPECT_EQ(SaveFolder_, second_.path() + QLatin1Char('/'));
    }
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(second_.path()).entryList(all).size(), 2);
}

} // namespace
} // namespace quorvane
