#include "app/output/FormViewer.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/common/DialogGeometry.h"
#include "app/output/ResultDisplay.h"
#include "core/output/ResultFit.h"
#include "core/shell/PageResolution.h"
#include "core/shell/Paper.h"

namespace quorvane {

namespace {

constexpr QSize kClientSize(749, 416);

// The page reduced, keeping its shape, to fit the longer side of the paper's page at the
// default resolution; as it is when it fits already.
QImage ShownSizeOf(const QImage& page, const Paper& paper)
{
    const int side = paper.PortraitPageSize(kDefaultPageDpi).value_or(page.size()).height();
    if (page.width() <= side && page.height() <= side)
        return page;
    return page.scaled(QSize(side, side), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

FormViewer::FormViewer(const QImage& page, const Paper& paper, QWidget* mainWindow)
    : QMainWindow(mainWindow, Qt::Window)
    , mainWindow_(mainWindow)
    , picTemp_(page) // shared: a later change to the caller's image leaves this one alone
    , shown_(ShownSizeOf(page, paper))
{
    setWindowTitle(QStringLiteral("Quorvane - Picture Viewer"));
    setAttribute(Qt::WA_QuitOnClose, false);

    commandBars_ = new QToolBar(QStringLiteral("TBMain"), this);
    commandBars_->setObjectName(QStringLiteral("TBMain"));
    commandBars_->setMovable(false);
    commandBars_->setFloatable(false);
    commandBars_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    commandBars_->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, commandBars_);
    AddCommand(ID_SAVE, QStringLiteral("Save"), style()->standardIcon(QStyle::SP_DialogSaveButton));
    AddCommand(ID_PRINT, QStringLiteral("Print"), style()->standardIcon(QStyle::SP_FileDialogContentsView));
    AddCommand(ID_CHECK3D, QStringLiteral("3D Check"), style()->standardIcon(QStyle::SP_DesktopIcon));
    AddCommand(ID_CLOSE, QStringLiteral("Close"), style()->standardIcon(QStyle::SP_DialogCloseButton));

    ResultWidth = picTemp_.width();
    ResultHeight = picTemp_.height();
    ResultAspect = ResultHeight > 0 ? double(ResultWidth) / ResultHeight : 0.0;

    display_ = new ResultDisplay(this);
    display_->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(display_);
    connect(display_, &ResultDisplay::Resized, this, &FormViewer::FitResultToView);
    resize(kClientSize);
    FitOnScreen(*this, mainWindow);
}

void FormViewer::AddCommand(int id, const QString& caption, const QIcon& icon)
{
    QAction* action = commandBars_->addAction(icon, caption);
    action->setData(id);
    action->setToolTip(caption);
    connect(action, &QAction::triggered, this, [this, id] { ViewerCommand(id); });
}

void FormViewer::ShowSetup(const QString& line)
{
    if (!setupLine_) {
        setupLine_ = new QLabel(this);
        setupLine_->setObjectName(QStringLiteral("SetupLine"));
        statusBar()->addWidget(setupLine_);
    }
    setupLine_->setText(line);
}

void FormViewer::ShowSaved(const QString& note)
{
    if (!savedNote_) {
        savedNote_ = new QLabel(this);
        savedNote_->setObjectName(QStringLiteral("SavedNote"));
        statusBar()->addPermanentWidget(savedNote_);
    }
    savedNote_->setText(note);
}

void FormViewer::ViewerCommand(int id)
{
    switch (id) {
    case ID_SAVE:
        emit SaveRequested();
        break;
    case ID_PRINT:
        emit PrintRequested();
        break;
    case ID_CHECK3D:
        emit Check3DRequested();
        break;
    case ID_CLOSE:
        close();
        break;
    default:
        break;
    }
}

// The page keeps its aspect, touches two opposite edges of the display and is centred
// along the other axis. A display without height (a minimised window) is left as it was.
void FormViewer::FitResultToView()
{
    if (display_->height() <= 0)
        return;
    const auto rect = quorvane::FitResultToView(float(display_->width()), float(display_->height()), ResultAspect);
    display_->ShowPage(shown_, rect.value_or(QRect()));
}

void FormViewer::closeEvent(QCloseEvent* event)
{
    if (mainWindow_)
        mainWindow_->show();
    event->accept();
}

} // namespace quorvane
