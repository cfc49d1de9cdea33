#include "app/output/SaveResult.h"

#include <memory>
#include <sys/stat.h>

#include <gtest/gtest.h>

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
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "support/FaultInjection.h"
#include "support/ModalWatcher.h"
#include "support/OrdinaryFileAccess.h"

namespace quorvane {
namespace {

class SaveResultTest : public testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        page_.fill(QColor(40, 90, 160));
        SaveFolder_ = first_.path() + QLatin1Char('/');
    }

    QImage page_{1190, 1684, QImage::Format_RGB32};
    QString SaveFolder_;
    QTemporaryDir first_;
    QTemporaryDir second_;
};

TEST_F(SaveResultTest, DialogOffersTheFourFormatsInSaveFolderAndSaveFolderFollowsTheSave)
{
    const QString chosen = second_.filePath(QStringLiteral("Sheet.JPG"));
    ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), first_.path());
        EXPECT_EQ(dialog.nameFilters(),
                  QStringList({QStringLiteral("JPG format (*.jpg)"), QStringLiteral("PNG format (*.png)"),
                               QStringLiteral("GIF format (*.gif)"), QStringLiteral("BMP format (*.bmp)")}));
        EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("JPG format (*.jpg)"));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
        ChooseFile(dialog, chosen);
    });
    SaveResult(nullptr, SaveFolder_, page_);
    EXPECT_EQ(SettingsStore().ReadSetting(kLastSaveFolder), second_.path() + QLatin1Char('/'));
    ASSERT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(QImageReader(chosen).format(), QByteArray("jpeg"));
    EXPECT_EQ(QImageReader(chosen).size(), QSize(1190, 1684));
    EXPECT_EQ(SaveFolder_, second_.path() + QLatin1Char('/'));
}

// A name typed without an ending is saved in the type chosen in the dialog; ".jpeg" is a
// JPEG as ".jpg" is.
TEST_F(SaveResultTest, NameWithoutEndingTakesTheChosenTypesEnding)
{
    const struct {
        const char* typed;
        int filterSteps; // Down presses in the type box: 0 JPG, 1 PNG, 3 BMP
        const char* saved;
        QByteArray format;
    } rows[] = {{"Sheet", 0, "Sheet.jpg", "jpeg"},
                {"page", 1, "page.png", "png"},
                {"page", 3, "page.bmp", "bmp"},
                {"photo.jpeg", 0, "photo.jpeg", "jpeg"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            for (int i = 0; i < row.filterSteps; ++i)
                QTest::keyClick(types, Qt::Key_Down); // as the user picks a type
            ChooseFile(dialog, second_.filePath(QString::fromUtf8(row.typed)));
        });
        const int busy = BusyCursor::ShownCount();
        SaveResult(nullptr, SaveFolder_, page_);
        ASSERT_EQ(watcher.Seen(), 1);
        EXPECT_EQ(BusyCursor::ShownCount(), busy + 1); // while the file is written
        QImageReader reader(second_.filePath(QString::fromUtf8(row.saved)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), row.format);
        if (qstrcmp(row.typed, row.saved) != 0) {
            EXPECT_FALSE(QFile::exists(second_.filePath(QString::fromUtf8(row.typed))));
        }
    }
}

TEST_F(SaveResultTest, RefusedOrFailedSaveShowsAnErrorAndSaveFolderStillMoves)
{
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    const struct {
        const char* name;
        bool readOnlyFolder;
        QString reason;
    } rows[] = {{"sheet.tif", false, QStringLiteral(".jpg, .png, .gif or .bmp")},
                {"page.bmp", true, QStringLiteral("Permission denied")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SaveFolder_ = first_.path() + QLatin1Char('/');
        const QString chosen = second_.filePath(QString::fromUtf8(row.name));
        QFile::setPermissions(second_.path(), row.readOnlyFolder ? readOnly : readOnly | QFile::WriteOwner);
        // The error box opens once the file dialog has closed.
        std::unique_ptr<MessageBoxWatcher> error;
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            ChooseFile(dialog, chosen);
            error = std::make_unique<MessageBoxWatcher>();
        });
        {
            OrdinaryFileAccess ordinary;
            SaveResult(nullptr, SaveFolder_, page_);
        }
        QFile::setPermissions(second_.path(), readOnly | QFile::WriteOwner);
        ASSERT_TRUE(error && error->Seen().shown);
        EXPECT_EQ(error->Seen().title, QStringLiteral("Error"));
        EXPECT_EQ(error->Seen().icon, QMessageBox::Critical);
        EXPECT_FALSE(error->Seen().busyPointer);
        EXPECT_TRUE(error->Seen().text.contains(chosen) && error->Seen().text.contains(row.reason))
            << error->Seen().text.toStdString();
        EXPECT_FALSE(QFile::exists(chosen));
        EXPECT_EQ(SaveFolder_, second_.path() + QLatin1Char('/'));
    }
}

// A disk that fills during the write (half of what each file needs allowed), a pipe and a
// device: the error box says why and the file at the chosen name stays as it was.
TEST_F(SaveResultTest, FullDiskAndSpecialTargetsShowWhyAndKeepTheFile)
{
    ASSERT_EQ(chmod(QFile::encodeName(second_.path()).constData(), 0777), 0); // open to OrdinaryFileAccess
    ASSERT_EQ(mkfifo(QFile::encodeName(second_.filePath(QStringLiteral("pipe.png"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), second_.filePath(QStringLiteral("null.bmp"))));
    const struct {
        const char* name;
        bool fillsUp;
        QString reason;
    } rows[] = {{"page.jpg", true, QStringLiteral("File too large")},  {"page.png", true, QStringLiteral("File too large")},
                {"page.gif", true, QStringLiteral("File too large")},  {"page.bmp", true, QStringLiteral("File too large")},
                {"pipe.png", false, QStringLiteral("it is a pipe, not a file")},
                {"null.bmp", false, QStringLiteral("it is a device, not a file")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString chosen = second_.filePath(QString::fromUtf8(row.name));
        const QString scratch = first_.filePath(QString::fromUtf8(row.name));
        ASSERT_EQ(WriteResultImage(page_, scratch).status, WriteStatus::Written);
        if (row.fillsUp) {
            QFile earlier(chosen);
            ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier save") > 0);
        }
        // Every target exists: the dialog asks before replacing it, then the error shows.
        std::unique_ptr<MessageBoxWatcher> confirm;
        std::unique_ptr<MessageBoxWatcher> error;
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            confirm = std::make_unique<MessageBoxWatcher>(QMessageBox::Yes);
            ChooseFile(dialog, chosen);
            error = std::make_unique<MessageBoxWatcher>();
        });
        {
            FileSizeLimit limit(rlim_t(row.fillsUp ? QFileInfo(scratch).size() / 2 : RLIM_INFINITY));
            OrdinaryFileAccess ordinary;
            SaveResult(nullptr, SaveFolder_, page_);
        }
        ASSERT_TRUE(confirm && confirm->Seen().shown && error && error->Seen().shown);
        EXPECT_TRUE(error->Seen().text.contains(chosen) && error->Seen().text.contains(row.reason))
            << error->Seen().text.toStdString();
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(chosen).constData(), &st), 0);
        EXPECT_EQ(row.fillsUp ? S_ISREG(st.st_mode) : !S_ISREG(st.st_mode), true);
        QFile kept(chosen);
        EXPECT_TRUE(!row.fillsUp || (kept.open(QIODevice::ReadOnly) && kept.readAll() == "earlier save"));
    }
    EXPECT_EQ(QDir(second_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 6);
}

} // namespace
} // namespace quorvane
