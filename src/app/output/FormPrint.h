#pragma once

// The print dialog: the installed printers with the system's default selected, the number
// of copies, a preview, and Print and Close. The page prints at its own size; when some of
// it would fall into the chosen printer's unprintable margin the dialog says so and offers
// to shrink it to the printable area.

#include <optional>

#include <QDialog>
#include <QImage>
#include <QStringList>

#include "core/shell/Paper.h"
#include "print/PrintJob.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quorvane {

// The position of the system's default printer in the list; none when the list does
// not hold it (or there is no default).
std::optional<qsizetype> FindDefaultPrinter(const QStringList& printerNames, const QString& defaultPrinterName);

class FormPrint : public QDialog {
    Q_OBJECT

public:
    // `page` is copied: the dialog prints its own copy, as a job named `jobName` (empty: as
    // an unsaved page). The printers are listed in the order given; the default one is selected, else the first.
    // With `setup`, the dialog offers the setup sheet as a second printed page. For a paper of
    // several sheets the job is its assembly sheet, carrying `setup`'s figures, then every
    // sheet with something on it (PrintRequestOf), and LabelCheck says how many sheets print.
    FormPrint(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
              const QString& defaultPrinterName, const QString& jobName = QString(),
              const std::optional<CameraSetup>& setup = std::nullopt);

    QLabel* const Label1;
    QComboBox* const Combo1;
    QLabel* const LabelCopies;
    QSpinBox* const SpinCopies;
    QCheckBox* const CheckFit;   // enabled only when the page would be cut at actual size
    QCheckBox* const CheckSetup; // the setup sheet as a second page; shown when there is a camera
                                 // and one sheet
    QLabel* const LabelCheck;    // what the chosen printer makes of the page
    QPushButton* const CmdPreview;
    QPushButton* const CmdPrint;
    QPushButton* const CmdClose;
    const QImage Picture1;

    // The job as the dialog's controls set it.
    PrintRequest CurrentRequest() const;

private:
    bool OffersSetupSheet() const;
    // What the chosen printer makes of the job, for LabelCheck.
    QString CheckText() const;
    void CheckSelectedPrinter();
    void ShowPreview();
    void PrintSelected();

    PrintRequest request_;
    PrinterCheck check_;
    std::optional<CameraSetup> setup_;
};

// The viewer's Print: with no printer installed, the error "Printer not found" and no
// dialog; otherwise the print dialog, modal to the viewer and centred on the screen. The job
// is named after `savedPath`, the file the page was saved to (see PrintJobName).
void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QString& savedPath = QString(),
                     const std::optional<CameraSetup>& setup = std::nullopt);

// The same with the printer list and the job's name given instead of asked from the system.
void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
                     const QString& defaultPrinterName, const QString& jobName = QString(),
                     const std::optional<CameraSetup>& setup = std::nullopt);

} // namespace quorvane
