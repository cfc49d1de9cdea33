#include "app/output/SaveResult.h"

#include <QFileDialog>
#include <QImage>

#include "app/shell/Messages.h"
#include "core/output/ResultWriter.h"
#include "core/output/SaveNames.h"
#include "core/shell/DocumentState.h"

namespace quorvane {

namespace {

constexpr char kSaveFilterList[] =
    "JPG format (*.jpg)|*.jpg|PNG format (*.png)|*.png|GIF format (*.gif)|*.gif|BMP format (*.bmp)|*.bmp";

// "label|pattern|label|pattern..." as the dialog's filters "label (pattern)". A label that
// already shows its pattern in parentheses is kept as it is; ";" between patterns becomes
// a space.
QStringList NameFiltersOf(const QString& pipeList)
{
    const QStringList parts = pipeList.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString shown = QStringLiteral("(%1)").arg(QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
        filters << (parts[i].endsWith(shown) ? parts[i] : parts[i] + QLatin1Char(' ') + shown);
    }
    return filters;
}

// The dialog asks before replacing an existing file (its default) and adds no ending:
// the name is used as typed or picked.
void PrepareSaveDialog(QFileDialog& dialog, const QString& SaveFolder)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(SaveFolder);
    const QStringList filters = NameFiltersOf(QString::fromLatin1(kSaveFilterList));
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constFirst());
}

} // namespace

void SaveResult(QWidget* viewer, DocumentState& doc, const QImage& page)
{
    QFileDialog dialog(viewer);
    PrepareSaveDialog(dialog, doc.SaveFolder);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return;
    const QString& fileName = chosen.constFirst();
    doc.SaveFolder = FolderOfFileName(fileName);
    const WriteResult result = WriteResultImage(page, fileName);
    if (result.status != WriteStatus::Written)
        ShowError(viewer, result.message);
}

} // namespace quorvane
