#include "app/shell/FileDialogs.h"

#include <QFileDialog>

#include "app/common/FileFilters.h"
#include "core/shell/LayoutFile.h"

namespace quorvane {

namespace {

const QString kFilter = QStringLiteral("Quorvane layout (*.quorvane)");
const char* const kOpenFilter = "All pictures (*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.tif;*.tiff)|"
                                "*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.tif;*.tiff|PNG format (*.png)|*.png|JPG format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                                "GIF format (*.gif)|*.gif|BMP format (*.bmp)|*.bmp|"
                                "TIF format (*.tif;tiff)|*.tif;*.tiff";
const char* const kPhotoFilter = "Photos (*.jpg;*.jpeg;*.png;*.tif;*.tiff)|*.jpg;*.jpeg;*.png;*.tif;*.tiff";

} // namespace

QString AskPictureToOpen(QWidget* parent, const QString& start)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), start,
                                        ToQtNameFilters(QString::fromUtf8(kOpenFilter)).join(QStringLiteral(";;")));
}

QString AskPhotoToOpen(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("From Photo"), folder,
                                        ToQtNameFilters(QString::fromUtf8(kPhotoFilter)).join(QStringLiteral(";;")));
}

QString AskLayoutToOpen(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open Layout"), folder, kFilter);
}

QString AskLayoutToSave(QWidget* parent, const QString& suggested)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save Layout"), suggested, kFilter);
    const QString ending = QString::fromLatin1(kLayoutEnding);
    if (!path.isEmpty() && !path.endsWith(ending, Qt::CaseInsensitive))
        path += ending;
    return path;
}

} // namespace quorvane
