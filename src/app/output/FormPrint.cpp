#include "app/output/FormPrint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>

#include "app/common/DialogGeometry.h"
#include "app/common/Messages.h"
#include "app/output/PrintResult.h"
#include "core/output/PrintableArea.h"
#include "core/services/PageSettings.h"
#include "core/services/SettingsStore.h"

namespace quorvane {

namespace {

constexpr int kMostCopies = 99;
constexpr double kCmPerPoint = 2.54 / 72.0;

QString Percent(double scale)
{
    return QString::number(scale * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString Centimetres(const QSizeF& points)
{
    return QStringLiteral("%1 x %2 cm")
        .arg(QString::number(points.width() * kCmPerPoint, 'f', 1), QString::number(points.height() * kCmPerPoint, 'f', 1));
}

} // namespace

std::optional<qsizetype> FindDefaultPrinter(const QStringList& printerNames, const QString& defaultPrinterName)
{
    if (defaultPrinterName.isEmpty())
        return std::nullopt;
    const qsizetype at = printerNames.indexOf(defaultPrinterName);
    return at < 0 ? std::nullopt : std::optional<qsizetype>(at);
}

FormPrint::FormPrint(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
                     const QString& defaultPrinterName, const QString& jobName,
                     const std::optional<CameraSetup>& setup)
    : QDialog(viewer)
    , Label1(new QLabel(QStringLiteral("Printer:"), this))
    , Combo1(new QComboBox(this))
    , LabelCopies(new QLabel(QStringLiteral("Copies:"), this))
    , SpinCopies(new QSpinBox(this))
    , CheckFit(new QCheckBox(QStringLiteral("Fit to printable area"), this))
    , CheckSetup(new QCheckBox(QStringLiteral("Add a setup sheet"), this))
    , LabelCheck(new QLabel(this))
    , CmdPreview(new QPushButton(QStringLiteral("Preview..."), this))
    , CmdPrint(new QPushButton(QStringLiteral("Print"), this))
    , CmdClose(new QPushButton(QStringLiteral("Close"), this))
    , Picture1(page)
    , request_(PrintRequestOf(page, paper, jobName.isEmpty() ? PrintJobName(QString()) : jobName, setup))
    , setup_(setup)
{
    setWindowTitle(QStringLiteral("Print"));
    setFixedSize(277, 218);
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    LabelCopies->setObjectName(QStringLiteral("LabelCopies"));
    SpinCopies->setObjectName(QStringLiteral("SpinCopies"));
    CheckFit->setObjectName(QStringLiteral("CheckFit"));
    CheckSetup->setObjectName(QStringLiteral("CheckSetup"));
    LabelCheck->setObjectName(QStringLiteral("LabelCheck"));
    CmdPreview->setObjectName(QStringLiteral("CmdPreview"));
    CmdPrint->setObjectName(QStringLiteral("CmdPrint"));
    CmdClose->setObjectName(QStringLiteral("CmdClose"));

    Label1->move(FromTwips(225, 285, 600, 210).topLeft());
    Label1->adjustSize();
    Combo1->setGeometry(FromTwips(915, 240, 3000, 330));
    LabelCopies->move(FromTwips(225, 765, 600, 210).topLeft());
    LabelCopies->adjustSize();
    SpinCopies->setGeometry(FromTwips(915, 720, 900, 330));
    SpinCopies->setRange(1, kMostCopies);
    CheckFit->setGeometry(FromTwips(225, 1170, 3900, 300));
    CheckSetup->setGeometry(FromTwips(225, 1500, 3900, 300));
    CheckSetup->setVisible(OffersSetupSheet());
    CheckSetup->setChecked(OffersSetupSheet() && ReadSwitchSetting(SettingsStore(), kSetupSheet));
    // A grid's assembly sheet carries the setup figures: its label takes the check box's place.
    LabelCheck->setGeometry(request_.Sheets ? FromTwips(225, 1500, 3690, 990) : FromTwips(225, 1830, 3690, 660));
    LabelCheck->setWordWrap(true);
    LabelCheck->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CmdPreview->setGeometry(FromTwips(180, 2655, 1200, 420));
    CmdPrint->setGeometry(FromTwips(1470, 2655, 1200, 420));
    CmdClose->setGeometry(FromTwips(2760, 2655, 1200, 420));
    CmdPrint->setDefault(true);
    setTabOrder(CmdPrint, CmdClose);
    setTabOrder(CmdClose, Combo1);
    setTabOrder(Combo1, SpinCopies);
    setTabOrder(SpinCopies, CheckFit);
    setTabOrder(CheckFit, CheckSetup);
    setTabOrder(CheckSetup, CmdPreview);
    CmdPrint->setFocus();

    Combo1->addItems(printerNames);
    Combo1->setCurrentIndex(static_cast<int>(FindDefaultPrinter(printerNames, defaultPrinterName).value_or(0)));
    CheckSelectedPrinter();

    connect(Combo1, &QComboBox::currentIndexChanged, this, &FormPrint::CheckSelectedPrinter);
    connect(CmdPreview, &QPushButton::clicked, this, &FormPrint::ShowPreview);
    connect(CmdPrint, &QPushButton::clicked, this, &FormPrint::PrintSelected);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

PrintRequest FormPrint::CurrentRequest() const
{
    PrintRequest request = request_;
    request.Copies = SpinCopies->value();
    request.Fit = CheckFit->isEnabled() && CheckFit->isChecked();
    if (OffersSetupSheet() && CheckSetup->isChecked())
        request.ExtraPages.push_back(SetupSheetPrintPage(*setup_));
    return request;
}

bool FormPrint::OffersSetupSheet() const
{
    return setup_.has_value() && !request_.Sheets;
}

QString FormPrint::CheckText() const
{
    if (!check_.Problem.isEmpty())
        return check_.Problem;
    if (request_.Sheets) {
        const QString count = QStringLiteral("%1 sheets, the assembly sheet first.").arg(request_.Sheets->Count + 1);
        if (check_.Actual.Cut)
            return count + QStringLiteral(" At actual size part of each sheet falls into this printer's unprintable "
                                          "margin and will be missing from the print.");
        return count + QStringLiteral(" The others print at actual size, %1, on %2 paper.")
                           .arg(Centimetres(check_.Actual.Target.size()), FormatTitle(request_.Printed.Format));
    }
    if (check_.Actual.Cut)
        return QStringLiteral("At actual size part of the page falls into this printer's unprintable margin and "
                              "will be missing from the print.");
    return QStringLiteral("Prints at actual size, %1, on %2 paper.")
        .arg(Centimetres(check_.Actual.Target.size()), FormatTitle(request_.Printed.Format));
}

// Says before printing whether the chosen printer can take the page at its own size.
void FormPrint::CheckSelectedPrinter()
{
    check_ = CheckPrinter(Combo1->currentText(), request_);
    const bool printable = check_.Problem.isEmpty();
    CmdPrint->setEnabled(printable);
    CmdPreview->setEnabled(printable);
    CheckFit->setEnabled(printable && check_.Actual.Cut);
    CheckFit->setText(CheckFit->isEnabled()
                          ? QStringLiteral("Fit to printable area (%1)").arg(Percent(check_.Fitted.Scale))
                          : QStringLiteral("Fit to printable area"));
    LabelCheck->setText(CheckText());
}

void FormPrint::ShowPreview()
{
    const PrintRequest request = CurrentRequest();
    QPrinter printer(QPrinterInfo::printerInfo(Combo1->currentText()), QPrinter::HighResolution);
    SetUpSheet(printer, request);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* device) {
        PaintPrintJob(*device, request, check_.Chosen(request.Fit));
    });
    FitOnScreen(preview, this);
    preview.exec();
}

// A printer that has gone away, or a job the spooler refuses, is reported and passed over:
// the dialog closes either way.
void FormPrint::PrintSelected()
{
    if (OffersSetupSheet()) {
        SettingsStore store;
        WriteSwitchSetting(store, kSetupSheet, CheckSetup->isChecked());
    }
    PrintResult(this, Combo1->currentText(), CurrentRequest());
    accept();
}

void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QString& savedPath,
                     const std::optional<CameraSetup>& setup)
{
    ShowPrintDialog(viewer, page, paper, QPrinterInfo::availablePrinterNames(),
                    QPrinterInfo::defaultPrinterName(), PrintJobName(savedPath), setup);
}

void ShowPrintDialog(QWidget* viewer, const QImage& page, const Paper& paper, const QStringList& printerNames,
                     const QString& defaultPrinterName, const QString& jobName,
                     const std::optional<CameraSetup>& setup)
{
    if (printerNames.isEmpty()) {
        ShowError(viewer, QStringLiteral("Printer not found"));
        return;
    }
    FormPrint form(viewer, page, paper, printerNames, defaultPrinterName, jobName, setup);
    CentreOnScreen(form, viewer);
    form.exec();
}

} // namespace quorvane
