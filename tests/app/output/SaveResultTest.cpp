#include "app/output/SaveResult.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "ModalScript.h"
#include "core/shell/DocumentState.h"
#include "support/OrdinaryFileAccess.h"

namespace quorvane {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

ModalScript::Step Answer(SeenBox& seen, QMessageBox::StandardButton button)
{
    return On<QMessageBox>([&seen, button](QMessageBox& box) {
        seen = {box.windowTitle(), box.text(), box.icon()};
        if (QAbstractButton* answer = box.button(button)) {
            answer->click();
            return;
        }
        ADD_FAILURE() << "no such button on \"" << box.text().toStdString() << "\"";
        box.reject();
    });
}

// Goes to the file's folder and types its name, as a user does in the dialog.
void Type(QFileDialog& dialog, const QString& path)
{
    const QFileInfo file(path);
    dialog.setDirectory(file.absolutePath());
    auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameEdit, nullptr);
    nameEdit->setText(file.fileName());
}

ModalScript::Step Choose(const QString& path)
{
    return On<QFileDialog>([path](QFileDialog& dialog) {
        Type(dialog, path);
        static_cast<QDialog&>(dialog).accept(); // QFileDialog::accept, as the Save button
    });
}

ModalScript::Step Cancel()
{
    return On<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveResultTest : public testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        page_.fill(QColor(40, 90, 160));
        doc_.SaveFolder = first_.path() + QLatin1Char('/');
    }

    QImage page_{1190, 1684, QImage::Format_RGB32};
    DocumentState doc_;
    QTemporaryDir first_;
    QTemporaryDir second_;
};

TEST_F(SaveResultTest, DialogOpensInSaveFolderWithTheFourFormatsAndSaveFolderFollowsTheSave)
{
    QString openedIn;
    QStringList filters;
    QString selectedFilter;
    bool asksBeforeReplacing = false;
    const QString chosen = second_.filePath(QStringLiteral("Sheet.JPG"));
    ModalScript script({On<QFileDialog>([&](QFileDialog& dialog) {
        openedIn = dialog.directory().absolutePath();
        filters = dialog.nameFilters();
        selectedFilter = dialog.selectedNameFilter();
        asksBeforeReplacing = dialog.acceptMode() == QFileDialog::AcceptSave
            && !dialog.testOption(QFileDialog::DontConfirmOverwrite) && dialog.defaultSuffix().isEmpty();
        Type(dialog, chosen);
        static_cast<QDialog&>(dialog).accept(); // QFileDialog::accept, as the Save button
    })});
    SaveResult(nullptr, doc_, page_);

    ASSERT_TRUE(script.Done());
    EXPECT_EQ(openedIn, first_.path());
    EXPECT_EQ(filters, QStringList({QStringLiteral("JPG format (*.jpg)"), QStringLiteral("PNG format (*.png)"),
                                    QStringLiteral("GIF format (*.gif)"), QStringLiteral("BMP format (*.bmp)")}));
    EXPECT_EQ(selectedFilter, QStringLiteral("JPG format (*.jpg)"));
    EXPECT_TRUE(asksBeforeReplacing);
    EXPECT_EQ(QImageReader(chosen).format(), QByteArray("jpeg"));
    EXPECT_EQ(QImageReader(chosen).size(), QSize(1190, 1684));
    EXPECT_EQ(doc_.SaveFolder, second_.path() + QLatin1Char('/'));

    ModalScript next({On<QFileDialog>([&](QFileDialog& dialog) {
        openedIn = dialog.directory().absolutePath();
        dialog.reject();
    })});
    SaveResult(nullptr, doc_, page_);
    ASSERT_TRUE(next.Done());
    EXPECT_EQ(openedIn, second_.path());
    EXPECT_EQ(doc_.SaveFolder, second_.path() + QLatin1Char('/')); // cancelling keeps it
}

TEST_F(SaveResultTest, OtherEndingsAreRefusedWithTheFourEndingsButSaveFolderStillMoves)
{
    for (const char* name : {"sheet.jpeg", "sheet"}) {
        SCOPED_TRACE(name);
        doc_.SaveFolder = first_.path() + QLatin1Char('/');
        const QString chosen = second_.filePath(QString::fromUtf8(name));
        SeenBox box;
        ModalScript script({Choose(chosen), Answer(box, QMessageBox::Ok)});
        SaveResult(nullptr, doc_, page_);

        ASSERT_TRUE(script.Done());
        EXPECT_EQ(box.title, QStringLiteral("Error"));
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_TRUE(box.text.contains(chosen)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QStringLiteral(".jpg, .png, .gif or .bmp")));
        EXPECT_FALSE(QFile::exists(chosen));
        EXPECT_EQ(doc_.SaveFolder, second_.path() + QLatin1Char('/'));
    }
}

TEST_F(SaveResultTest, ReplacingAFileNeedsAYes)
{
    const QString chosen = second_.filePath(QStringLiteral("page.png"));
    {
        QFile earlier(chosen);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier save");
    }
    SeenBox question;
    ModalScript refused({Choose(chosen), Answer(question, QMessageBox::No), Cancel()});
    SaveResult(nullptr, doc_, page_);
    ASSERT_TRUE(refused.Done());
    EXPECT_TRUE(question.text.contains(QStringLiteral("page.png")));
    EXPECT_EQ(ReadAll(chosen), QByteArray("earlier save"));

    ModalScript confirmed({Choose(chosen), Answer(question, QMessageBox::Yes)});
    SaveResult(nullptr, doc_, page_);
    ASSERT_TRUE(confirmed.Done());
    EXPECT_EQ(QImageReader(chosen).format(), QByteArray("png"));
}

TEST_F(SaveResultTest, FailedWriteShowsTheFileAndTheReason)
{
    const QString chosen = second_.filePath(QStringLiteral("page.bmp"));
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(second_.path(), readOnly);
    SeenBox error;
    {
        OrdinaryFileAccess ordinary;
        ModalScript script({Choose(chosen), Answer(error, QMessageBox::Ok)});
        SaveResult(nullptr, doc_, page_);
        EXPECT_TRUE(script.Done());
    }
    QFile::setPermissions(second_.path(), readOnly | QFile::WriteOwner);

    EXPECT_EQ(error.title, QStringLiteral("Error"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_TRUE(error.text.contains(chosen)) << error.text.toStdString();
    EXPECT_TRUE(error.text.contains(QStringLiteral("ermission denied"))) << error.text.toStdString();
    EXPECT_FALSE(QFile::exists(chosen));
}

} // namespace
} // namespace quorvane
