#pragma once

// The print dialog: the installed printers with the system's default selected, Print
// and Close.

#include <optional>

#include <QDialog>
#include <QImage>
#include <QStringList>

#include "core/shell/Paper.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quorvane {

// The position of the system's default printer in the list; none when the list does
// not hold it (or there is no default).
std::optional<qsizetype> FindDefaultPrinter(const QStringList& printerNames, const QString& defaultPrinterName);

class FormPrint : public QDialog {
    Q_OBJECT

public:
    // `page` is copied: the dialog prints its own copy, as a job named `jobName` (empty: as
    // an unsaved page). The printers are listed in the order given; the default one is selected, else the first.
    FormPrint(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
              const QString& defaultPrinterName, const QString& jobName = QString());

    QLabel* const Label1;
    QComboBox* const Combo1;
    QPushButton* const CmdPrint;
    QPushButton* const CmdClose;
    const QImage Picture1;

private:
    void PrintSelected();

    Paper paper_;
    QString jobName_;
};

// The viewer's Print: with no printer installed, the error "Printer not found" and no
// dialog; otherwise the print dialog, modal to the viewer and centred on the screen. The job
// is named after `savedPath`, the file the page was saved to (see PrintJobName).
void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QString& savedPath = QString());

// The same with the printer list and the job's name given instead of asked from the system.
void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
                     const QString& defaultPrinterName, const QString& jobName = QString());

} // namespace quorvane
