#include "app/output/FormPrint.h"

#include <QComboBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>

#include "app/common/BusyCursor.h"
#include "app/common/DialogGeometry.h"
#include "app/common/Messages.h"
#include "app/output/PrintResult.h"
#include "core/output/PrintableArea.h"

namespace quorvane {

std::optional<qsizetype> FindDefaultPrinter(const QStringList& printerNames, const QString& defaultPrinterName)
{
    if (defaultPrinterName.isEmpty())
        return std::nullopt;
    const qsizetype at = printerNames.indexOf(defaultPrinterName);
    return at < 0 ? std::nullopt : std::optional<qsizetype>(at);
}

FormPrint::FormPrint(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
                     const QString& defaultPrinterName, const QString& jobName)
    : QDialog(viewer)
    , Label1(new QLabel(QStringLiteral("Printer:"), this))
    , Combo1(new QComboBox(this))
    , CmdPrint(new QPushButton(QStringLiteral("Print"), this))
    , CmdClose(new QPushButton(QStringLiteral("Close"), this))
    , Picture1(page)
    , paper_(paper)
    , jobName_(jobName.isEmpty() ? PrintJobName(QString()) : jobName)
{
    setWindowTitle(QStringLiteral("Print"));
    setFixedSize(277, 91);
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    CmdPrint->setObjectName(QStringLiteral("CmdPrint"));
    CmdClose->setObjectName(QStringLiteral("CmdClose"));

    Label1->move(FromTwips(225, 285, 600, 210).topLeft());
    Label1->adjustSize();
    Combo1->setGeometry(FromTwips(915, 240, 3000, 330));
    CmdPrint->setGeometry(FromTwips(705, 780, 1320, 420));
    CmdClose->setGeometry(FromTwips(2130, 780, 1320, 420));
    CmdPrint->setDefault(true);
    setTabOrder(CmdPrint, CmdClose);
    setTabOrder(CmdClose, Combo1);
    CmdPrint->setFocus();

    Combo1->addItems(printerNames);
    Combo1->setCurrentIndex(static_cast<int>(FindDefaultPrinter(printerNames, defaultPrinterName).value_or(0)));

    connect(CmdPrint, &QPushButton::clicked, this, &FormPrint::PrintSelected);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

// A printer that has gone away, or a job the spooler refuses, is passed over: the
// dialog closes either way.
void FormPrint::PrintSelected()
{
    {
        const BusyCursor busy;
        PrintResult(Picture1, paper_, QPrinterInfo::printerInfo(Combo1->currentText()), jobName_);
    }
    accept();
}

void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QString& savedPath)
{
    ShowPrintDialog(viewer, page, paper, QPrinterInfo::availablePrinterNames(),
                    QPrinterInfo::defaultPrinterName(), PrintJobName(savedPath));
}

void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
                     const QString& defaultPrinterName, const QString& jobName)
{
    if (printerNames.isEmpty()) {
        ShowError(viewer, QStringLiteral("Printer not found"));
        return;
    }
    FormPrint form(viewer, page, paper, printerNames, defaultPrinterName, jobName);
    CentreOnScreen(form, viewer);
    form.exec();
}

} // namespace quorvane
