#include "app/output/FormCheck3D.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>

#include "app/common/DialogGeometry.h"
#include "app/common/Messages.h"
#include "app/output/CheckView.h"

namespace quorvane {

namespace {

constexpr QSize kClientSize(800, 600);

} // namespace

FormCheck3D::FormCheck3D(const QImage& page, const Paper& paper, const CameraValues& camera, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , camera_(camera)
{
    setWindowTitle(QStringLiteral("Quorvane - 3D Check"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* bar = new QToolBar(QStringLiteral("TBCheck"), this);
    bar->setObjectName(QStringLiteral("TBCheck"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    QAction* back = bar->addAction(QStringLiteral("Camera View"));
    back->setObjectName(QStringLiteral("CameraView"));
    back->setToolTip(QStringLiteral("Back to the designer's camera; drag to orbit, wheel to zoom"));
    connect(back, &QAction::triggered, this, &FormCheck3D::CameraView);
    QAction* close = bar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("Close"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setToolTip(QStringLiteral("Close the 3D Check [Esc]"));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addToolBar(Qt::TopToolBarArea, bar);

    view_ = new CheckView(page, paper, camera, this);
    connect(view_, &CheckView::RendererMessage, this, [this](const QString& text) { ShowError(this, text); });
    setCentralWidget(view_);
    resize(kClientSize);
    FitOnScreen(*this, parent);
}

void FormCheck3D::CameraView()
{
    view_->SetCamera(camera_);
}

} // namespace quorvane
