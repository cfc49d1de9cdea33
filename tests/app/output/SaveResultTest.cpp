#include "app/output/SaveResult.h"

#include <memory>

#include <gtest/gtest.h>

#include <QFile>
#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/common/BusyCursor.h"
#include "support/ModalWatcher.h"
#include "support/OrdinaryFileAccess.h"

namespace quorvane {
namespace {

// Goes to the file's folder, types its name and presses Save, as a user does.
void Choose(QFileDialog& dialog, const QString& path)
{
    dialog.setDirectory(QFileInfo(path).absolutePath());
    dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
    static_cast<QDialog&>(dialog).accept();
}

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
        Choose(dialog, chosen);
    });
    SaveResult(nullptr, SaveFolder_, page_);
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
            Choose(dialog, second_.filePath(QString::fromUtf8(row.typed)));
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
            Choose(dialog, chosen);
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

} // namespace
} // namespace quorvane
