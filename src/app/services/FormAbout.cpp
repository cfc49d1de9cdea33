#include "app/services/FormAbout.h"

#include <QLabel>
#include <QPushButton>

#include "app/common/DialogGeometry.h"

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
    , LabelCopyright(new QLabel(QStringLiteral("Free software under the GPL 3 or later."), this))
    , CmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(293, 143);
    setFont(AboutFont(false));
    PaintWhiteWithBlackText(*this);

    LabelVer->setFont(AboutFont(true));
    LabelVer->setGeometry(FromTwips(255, 255, 1575, 195));
    LabelCopyright->setGeometry(FromTwips(255, 675, 3780, 195));
    CmdOK->setGeometry(FromTwips(2370, 1395, 1305, 405));
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowAbout(QWidget* owner)
{
    FormAbout form(owner);
    CentreOnScreen(form, owner);
    form.exec();
}

} // namespace quorvane
