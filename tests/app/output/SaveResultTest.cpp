#include "app/output/SaveResult.h"

#include <memory>

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>

#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
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
        EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
        ChooseFile(dialog, chosen);
    });
    SaveResult(nullptr, SaveFolder_, page_);
    EXPECT_EQ(SettingsStore().ReadSetting(kLastSaveFolder), second_.path() + QLatin1Char('/'));
    ASSERT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(QImageReader(chosen).format(), QByteArray("jpeg"));
    EXPECT_EQ(QImageReader(chosen).size(), QSize(1190, 1684));
    EXPECT_EQ(SaveFolder_, second_.path() + QLatin1Char('/'));
}

TEST_F(SaveResultTest, RefusedOrFailedSaveShowsAnErrorAndSaveFolderStillMoves)
{
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    const struct {
        const char* name;
        bool readOnlyFolder;
        QString reason;
    } rows[] = {{"sheet.jpeg", false, QStringLiteral(".jpg, .png, .gif or .bmp")},
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
        EXPECT_TRUE(error->Seen().text.contains(chosen) && error->Seen().text.contains(row.reason))
            << error->Seen().text.toStdString();
        EXPECT_FALSE(QFile::exists(chosen));
        EXPECT_EQ(SaveFolder_, second_.path() + QLatin1Char('/'));
    }
}

} // namespace
} // namespace quorvane
