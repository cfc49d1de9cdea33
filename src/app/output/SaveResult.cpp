#include "app/output/SaveResult.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>

#include "app/common/BusyCursor.h"
#include "app/common/FileFilters.h"
#include "app/common/Messages.h"
#include "core/output/PieceOutput.h"
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
// save are about the same file; a name with an ending is used as typed or picked. The
// sheets of a grid are saved under other names than the one chosen: the question about
// them is asked once the dialog has closed (ConfirmReplacing).
void PrepareSaveDialog(QFileDialog& dialog, const QString& SaveFolder, bool grid)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, grid);
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

void MoveSaveFolder(QString& SaveFolder, const QString& fileName)
{
    SaveFolder = FolderOfFileName(fileName);
    SettingsStore store;
    RememberFolder(store, kLastSaveFolder, SaveFolder);
}

// Asks once whether to replace those of `files` that exist already; true when none does or
// the user agrees.
bool ConfirmReplacing(QWidget* viewer, const QStringList& files)
{
    QStringList existing;
    for (const QString& file : files) {
        if (QFileInfo::exists(file))
            existing << QFileInfo(file).fileName();
    }
    if (existing.isEmpty())
        return true;
    constexpr qsizetype kNamesShown = 4;
    const QString names = existing.mid(0, kNamesShown).join(QStringLiteral(", "))
        + (existing.size() > kNamesShown ? QStringLiteral(", ...") : QString());
    const QString question =
        files.size() == 1 ? QStringLiteral("\"%1\" already exists. Replace it?").arg(names)
                          : QStringLiteral("Sheet files that exist already: %1 of %2 (%3). Replace them?")
                                .arg(existing.size())
                                .arg(files.size())
                                .arg(names);
    return AskYesNo(viewer, QCoreApplication::applicationName(), question);
}

// What the viewer's status line says after a grid's sheets were saved.
QString SavedNote(const PieceSheets& piece, const QString& fileName)
{
    const qsizetype count = qsizetype(piece.printed.size());
    if (FormatOfFileName(fileName) == PageFileFormat::Pdf)
        return QStringLiteral("Saved the assembly sheet and %1 sheets in %2")
            .arg(count)
            .arg(QFileInfo(fileName).fileName());
    const QStringList files = SheetFileNames(piece, fileName);
    return QStringLiteral("Saved %1 sheets: %2 to %3")
        .arg(count)
        .arg(QFileInfo(files.constFirst()).fileName(), QFileInfo(files.constLast()).fileName());
}

// The sheets of a grid's page: a PDF, or a picture per sheet that has something on it.
SavedPage SavePiece(QWidget* viewer, QString& SaveFolder, const QImage& page, int32_t PageDpi,
                    const CameraSetup& setup, const QString& fileName)
{
    const std::optional<PieceSheets> piece = PieceSheetsOf(page, setup.paper, PageDpi);
    if (!piece) {
        ShowError(viewer, QStringLiteral("The page does not match its sheets: nothing was saved."));
        return {};
    }
    const bool pdf = FormatOfFileName(fileName) == PageFileFormat::Pdf;
    if (!pdf && piece->printed.empty()) {
        ShowPlainMessage(viewer, QStringLiteral("No sheet has anything on it: no file was saved."));
        return {};
    }
    if (!ConfirmReplacing(viewer, pdf ? QStringList{fileName} : SheetFileNames(*piece, fileName)))
        return {};
    MoveSaveFolder(SaveFolder, fileName);
    const WriteResult result = [&] {
        const BusyCursor busy;
        return WritePieceSheets(page, *piece, SetupLine(setup), fileName);
    }();
    if (result.status == WriteStatus::Written)
        return {fileName, SavedNote(*piece, fileName)};
    ShowError(viewer, result.message);
    return {};
}

} // namespace

SavedPage SaveResult(QWidget* viewer, QString& SaveFolder, const QImage& page, int32_t PageDpi,
                     const std::optional<CameraSetup>& setup)
{
    const bool grid = setup && !setup->paper.Grid.IsSingle();
    SaveDialog dialog(viewer);
    PrepareSaveDialog(dialog, SaveFolder, grid);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return {};
    const QString& fileName = chosen.constFirst();
    if (grid)
        return SavePiece(viewer, SaveFolder, page, PageDpi, *setup, fileName);
    const std::optional<PdfPaper> pdf = AskPdfPaper(viewer, fileName, setup);
    if (!pdf)
        return {};
    MoveSaveFolder(SaveFolder, fileName);
    const WriteResult result = [&] {
        const BusyCursor busy; // a GIF can take a while
        return WriteResultImage(page, fileName, PageDpi, *pdf);
    }();
    if (result.status == WriteStatus::Written)
        return {fileName, {}};
    ShowError(viewer, result.message);
    return {};
}

} // namespace quorvane
