#include "app/output/SaveResult.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>

#include "app/common/BusyCursor.h"
#include "app/common/FileFilters.h"
#include "app/common/Messages.h"
#include "core/output/ResultWriter.h"
#include "core/output/SaveNames.h"
#include "core/output/SetupSheet.h"
#include "core/services/PageSettings.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"

namespace quorvane {

namespace {

// Refuses a name without one of the four endings while the dialog is still open, so the user
// can correct it there. Other problems of the target are reported once the dialog closed.
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !QFileInfo(chosen.constFirst()).isDir()) {
            const std::optional<WriteResult> refusal = CheckResultTarget(chosen.constFirst());
            if (refusal && refusal->status == WriteStatus::UnsupportedName) {
                ShowError(this, refusal->message);
                return;
            }
        }
        QFileDialog::accept();
    }
};

constexpr char kSaveFilterList[] =
    "JPG format (*.jpg)|*.jpg|PNG format (*.png)|*.png|GIF format (*.gif)|*.gif|BMP format (*.bmp)|*.bmp|"
    "PDF document (*.pdf)|*.pdf";

// The dialog asks before replacing an existing file (its default). A name without an
// ending gets the chosen type's ending before that question, so the question and the
// save are about the same file; a name with an ending is used as typed or picked.
void PrepareSaveDialog(QFileDialog& dialog, const QString& SaveFolder)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(SaveFolder);
    const QStringList filters = ToQtNameFilters(QString::fromLatin1(kSaveFilterList));
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constFirst());
    dialog.setDefaultSuffix(FirstEndingOf(filters.constFirst()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(FirstEndingOf(filter)); });
}

// A PDF's paper, and the setup sheet when the user adds it; no value when the user cancels.
std::optional<PdfPaper> AskPdfPaper(QWidget* viewer, const QString& fileName, const std::optional<CameraSetup>& setup)
{
    if (FormatOfFileName(fileName) != PageFileFormat::Pdf || !setup)
        return PdfPaper{};
    SettingsStore store;
    const std::optional<bool> sheet = AskSetupSheet(viewer, ReadSwitchSetting(store, kSetupSheet));
    if (!sheet)
        return std::nullopt;
    WriteSwitchSetting(store, kSetupSheet, *sheet);
    PdfPaper pdf{setup->paper.PageSizeMm(), {}};
    if (*sheet)
        pdf.following.push_back(SetupSheetPage(*setup));
    return pdf;
}

} // namespace

QString SaveResult(QWidget* viewer, QString& SaveFolder, const QImage& page, int32_t PageDpi,
                   const std::optional<CameraSetup>& setup)
{
    SaveDialog dialog(viewer);
    PrepareSaveDialog(dialog, SaveFolder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return {};
    const QString& fileName = chosen.constFirst();
    const std::optional<PdfPaper> pdf = AskPdfPaper(viewer, fileName, setup);
    if (!pdf)
        return {};
    SaveFolder = FolderOfFileName(fileName);
    SettingsStore store;
    RememberFolder(store, kLastSaveFolder, SaveFolder);
    const WriteResult result = [&] {
        const BusyCursor busy; // a GIF can take a while
        return WriteResultImage(page, fileName, PageDpi, *pdf);
    }();
    if (result.status == WriteStatus::Written)
        return fileName;
    ShowError(viewer, result.message);
    return {};
}

} // namespace quorvane
