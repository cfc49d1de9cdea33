#include "app/services/FormAbout.h"

#include <QLabel>
#include <QPushButton>

#include "app/common/DialogGeometry.h"
#include "core/services/WebAddresses.h"

namespace quorvane {

namespace {

QFont AboutFont(bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void PaintWhiteWithBlackText(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace

FormAbout::FormAbout(QWidget* owner)
    : QDialog(owner)
    , LabelVer(new QLabel(QStringLiteral("Quorvane " QUORVANE_VERSION), this))
    , LabelCopyright(new QLabel(QStringLiteral("Copyright \u00a9 2026 Tarnwick"), this))
    , LabelLicence(new QLabel(QStringLiteral("Free software under the GPL 3 or later."), this))
    , LabelHome(new QLabel(this))
    , CmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(293, 173);
    setFont(AboutFont(false));
    PaintWhiteWithBlackText(*this);

    LabelVer->setFont(AboutFont(true));
    LabelVer->setGeometry(FromTwips(255, 255, 1575, 195));
    LabelCopyright->setGeometry(FromTwips(255, 675, 3780, 195));
    LabelLicence->setGeometry(FromTwips(255, 975, 3780, 195));
    // The home page opens in the browser; the address stays readable without one.
    const QString home = HomePageUrl().toString();
    LabelHome->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(home));
    LabelHome->setTextInteractionFlags(Qt::TextBrowserInteraction);
    LabelHome->setOpenExternalLinks(true);
    LabelHome->setGeometry(FromTwips(255, 1275, 3780, 195));
    CmdOK->setGeometry(FromTwips(2370, 1845, 1305, 405));
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowAbout(QWidget* owner)
{
    FormAbout form(owner);
    CentreOnScreen(form, owner);
    form.exec();
}

} // namespace quorvane
