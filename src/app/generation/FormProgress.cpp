#include "app/generation/FormProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/common/DialogGeometry.h"

namespace quorvane {

namespace {

constexpr QSize kClientSize(375, 115);
constexpr int kTickMs = 100;

} // namespace

FormProgress::FormProgress(GenControl& control, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , control_(control)
    , mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("Please wait..."));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    setFixedSize(kClientSize);

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setGeometry(FromTwips(120, 525, 5370, 360));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    label_ = new QLabel(QStringLiteral("0%"), this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->move(FromTwips(2655, 210, 0, 0).topLeft());
    label_->adjustSize();

    stopButton_ = new QPushButton(QStringLiteral("Stop"), this);
    stopButton_->setObjectName(QStringLiteral("CmdStop"));
    stopButton_->setGeometry(FromTwips(1965, 1080, 1695, 435));
    connect(stopButton_, &QPushButton::clicked, this, &FormProgress::CmdStop_Click);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &FormProgress::TimerProgress_Timer);
    timer_->start();

    CentreOnScreen(*this, nullptr);
}

void FormProgress::TimerProgress_Timer()
{
    progressBar_->setValue(control_.GenProgress); // a value outside 0..100 leaves the bar as it was
    label_->setText(QString::number(control_.GenProgress) + QStringLiteral("%"));
    label_->adjustSize();
    if (progressBar_->value() == 100)
        close();
}

void FormProgress::CmdStop_Click()
{
    control_.GenStop = true;
    close();
}

// Whatever closes the dialog: after Stop the main window comes back; otherwise the
// result viewer brings it back when it closes.
void FormProgress::closeEvent(QCloseEvent* event)
{
    timer_->stop();
    if (control_.GenStop && mainWindow_)
        mainWindow_->show();
    event->accept();
}

} // namespace quorvane
