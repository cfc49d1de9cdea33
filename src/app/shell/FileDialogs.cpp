#include "app/shell/LayoutDialogs.h"

#include <QFileDialog>

#include "core/shell/LayoutFile.h"

namespace quorvane {

namespace {

const QString kFilter = QStringLiteral("Quorvane layout (*.quorvane)");

} // namespace

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
