#include "app/shell/FormMain.h"

#include <optional>

#include <QAction>
#include <QMenu>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "app/common/BusyCursor.h"
#include "app/common/DialogGeometry.h"
#include "app/common/FileFilters.h"
#include "app/common/Messages.h"
#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/generation/GenerateCommand.h"
#include "app/services/FormAbout.h"
#include "app/services/FormHelp.h"
#include "app/services/WebLinks.h"
#include "app/shell/CommandBars.h"
#include "app/shell/LayoutDialogs.h"
#include "core/editor/PaperFitting.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/DroppedFile.h"
#include "core/shell/Folders.h"
#include "core/shell/LayoutFile.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

namespace {

constexpr QSize kClientSize(853, 515);
const char* const kOpenFilter = "All pictures (*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.tif;*.tiff)|"
                                "*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.tif;*.tiff|PNG format (*.png)|*.png|JPG format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                                "GIF format (*.gif)|*.gif|BMP format (*.bmp)|*.bmp|"
                                "TIF format (*.tif;tiff)|*.tif;*.tiff";

} // namespace

FormMain::FormMain(QWidget* parent)
    : QMainWindow(parent)
    , renderer_([this] { if (canvas_) canvas_->update(); })
{
    PrepareMainWindow();
    PrepareCanvasMenu();
    StartUp();
}

void FormMain::PrepareMainWindow()
{
    folders_ = ProgramFolders(QCoreApplication::applicationDirPath());
    folders_.SaveFolder = RememberedFolder(SettingsStore(), kLastSaveFolder, folders_.SaveFolder);

    commandBars_ = new CommandBars(this);
    addToolBar(Qt::TopToolBarArea, commandBars_);
    connect(commandBars_, &CommandBars::Execute, this, &FormMain::OnCommand);
    editModeButton_ = commandBars_->FindControl(ID_SWITCH);
    editModeButton_->setChecked(true);
    exactButton_ = commandBars_->FindControl(ID_EXACT);
    resolutionButton_ = commandBars_->FindControl(ID_RESOLUTION);

    canvas_ = new CanvasWidget(renderer_, editor_, this);
    setCentralWidget(canvas_);
    canvas_->setFocus();
    setAcceptDrops(true);
    connect(canvas_, &CanvasWidget::Resized, this, &FormMain::CommandBars1_Resize);

    resize(kClientSize);
    CentreOnScreen(*this, nullptr);
}

// Undo, redo and the layout commands on the canvas's context menu, with their keys; undo
// and redo are enabled while there is a step to take. The editor's moves are steps.
void FormMain::PrepareCanvasMenu()
{
    for (const CommandEntry& entry : CanvasMenuCommands()) {
        if (entry.separatorBefore) {
            auto* separator = new QAction(canvas_);
            separator->setSeparator(true);
            canvas_->addAction(separator);
        }
        QAction* action = commandBars_->AddCommand(canvas_, entry);
        canvas_->addAction(action);
        QUndoStack* stack = &History().Stack();
        if (entry.id == ID_UNDO || entry.id == ID_REDO) {
            const bool undo = entry.id == ID_UNDO;
            action->setEnabled(false);
            connect(stack, undo ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, action,
                    &QAction::setEnabled);
        }
    }
    canvas_->setContextMenuPolicy(Qt::ActionsContextMenu);
    editor_.SetCommitted([this](const Document& before, bool nudge) {
        session_.Committed(before, nudge ? StepKind::KeyMove : StepKind::Single);
    });
}

void FormMain::StartUp()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        renderer_.SetScreenHeight(screen->geometry().height());
    layout()->activate(); // the canvas gets its size before the window is shown
    renderer_.Resize(canvas_->size(), canvas_->devicePixelRatioF());

    const QString samplePath = folders_.ObjectFolder + QStringLiteral("tyrannosaurus.png");
    const LoadedPicture sample = LoadPicture(samplePath);
    session_.Start([&](Document& doc, const CanvasPaper& fitted) {
        doc.PictureImage = sample.image;
        doc.PictureFile = sample.image.isNull() ? QString() : samplePath;
        ApplyDefaultPlacement(doc, fitted, CanvasSize());
    });
    ShowPageOptions();
}

// The commands show the document's mapping and page resolution (an opened layout brings
// its own).
void FormMain::ShowPageOptions()
{
    exactButton_->setChecked(Doc().Mapping == SheetMapping::Exact);
    for (QAction* item : resolutionButton_->menu()->actions())
        item->setChecked(item->data().toInt() == Doc().PageDpi);
}

void FormMain::ChoosePageDpi()
{
    for (const QAction* item : resolutionButton_->menu()->actions()) {
        if (item->isChecked())
            session_.SetPageDpi(item->data().toInt());
    }
}

void FormMain::ChooseAndOpenLayout()
{
    const QString& layoutPath = session_.LayoutPath();
    const QString folder = layoutPath.isEmpty() ? folders_.SaveFolder : QFileInfo(layoutPath).absolutePath();
    const QString path = AskLayoutToOpen(this, folder);
    if (!path.isEmpty())
        OpenLayout(path);
}

void FormMain::ChooseAndSaveLayout()
{
    const QString& layoutPath = session_.LayoutPath();
    const QString suggested = !layoutPath.isEmpty()
        ? layoutPath
        : QDir(folders_.SaveFolder).filePath(QFileInfo(Doc().PictureFile).completeBaseName()
                                             + QString::fromLatin1(kLayoutEnding));
    const QString path = AskLayoutToSave(this, suggested);
    if (!path.isEmpty())
        SaveLayout(path);
}

bool FormMain::OpenLayout(const QString& path)
{
    const LayoutRead read = quorvane::LoadLayout(path);
    if (!read.layout) {
        ShowError(this, read.error);
        return false;
    }
    session_.Opened(read.layout->doc, path);
    return true;
}

bool FormMain::SaveLayout(const QString& path)
{
    if (const std::optional<QString> error = quorvane::SaveLayout({Doc(), canvas_->size()}, path)) {
        ShowError(this, *error);
        return false;
    }
    session_.Saved(path);
    return true;
}

// An undo, a redo or an opened layout replaced the document: the commands and the designer
// show its page options, camera and paper.
void FormMain::ShowReplaced(const Document&)
{
    ShowPageOptions();
    if (designer_)
        designer_->AdoptDocument(Doc());
}

void FormMain::ShowTitle(const QString& title, bool modified)
{
    setWindowTitle(title);
    setWindowModified(modified);
}

void FormMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && DroppedPicture(*event->mimeData()))
        event->acceptProposedAction();
}

void FormMain::dropEvent(QDropEvent* event)
{
    const std::optional<QString> path = event->mimeData() ? DroppedPicture(*event->mimeData()) : std::nullopt;
    if (!path)
        return;
    event->acceptProposedAction();
    OpenPicture(*path);
}

QSizeF FormMain::CanvasSize() const
{
    return QSizeF(canvas_->size());
}

// The full redraw at the current placement; in edit mode with frame and grips.
void FormMain::Redraw()
{
    const Document& doc = Doc();
    const CanvasPaper& paper = Fitted();
    renderer_.DrawCanvas(doc, paper, PlacementOnCanvas(doc, paper),
                         state_.PreviewMode ? Decorations::None : Decorations::FrameAndGrips);
    state_.SelShown = !state_.PreviewMode;
}

void FormMain::CommandBars1_Resize()
{
    if (isMinimized() || canvas_->height() <= 0 || canvas_->width() <= 0)
        return;
    renderer_.Resize(canvas_->size(), canvas_->devicePixelRatioF());
    session_.Refit();
}

void FormMain::OnCommand(int id)
{
    switch (id) {
    case ID_OPEN:
        ChooseAndOpenPicture();
        break;
    case ID_SWITCH:
        SwitchEditMode();
        break;
    case ID_PAPER:
        ShowDesigner();
        break;
    case ID_GENERATE:
        RunGenerate(Doc(), Fitted(), genControl_, folders_.SaveFolder, this);
        break;
    case ID_EXACT:
        SwitchMapping();
        break;
    case ID_RESOLUTION:
        ChoosePageDpi();
        break;
    case ID_OPEN_LAYOUT:
        ChooseAndOpenLayout();
        break;
    case ID_SAVE_LAYOUT:
        ChooseAndSaveLayout();
        break;
    case ID_UNDO:
        History().Stack().undo();
        break;
    case ID_REDO:
        History().Stack().redo();
        break;
    case ID_HELP:
        ShowHelp(this);
        break;
    case ID_WEBSITE:
        OpenHomePage();
        break;
    case ID_DOWNLOADFREEOBJECTS:
        OpenDownloadPage();
        break;
    case ID_ABOUT:
        ShowAbout(this);
        break;
    default:
        break;
    }
}

// A new outline from the designer: the picture keeps its place on the canvas. An OK that
// changes nothing is no step.
void FormMain::ShowDesigner()
{
    if (!designer_)
        designer_ = new FormOpenGL(Doc(), this);
    const std::optional<FormOpenGL::Designed> designed = designer_->Design();
    if (!designed)
        return;
    const BusyCursor busy; // the refit and redraw
    session_.Apply(QStringLiteral("Design"), [&designed](Document& doc, const CanvasPaper&) {
        doc.Paper = designed->Paper;
        doc.Outline = designed->Outline;
    }, PictureFit::KeepOnCanvas);
}

void FormMain::ChooseAndOpenPicture()
{
    if (!OpenDialogReady) {
        openDialogPath_ = RememberedFolder(SettingsStore(), kLastOpenFolder, folders_.ObjectFolder);
        OpenDialogReady = true;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), openDialogPath_,
                                                      ToQtNameFilters(QString::fromUtf8(kOpenFilter)).join(QStringLiteral(";;")));
    if (path.isEmpty())
        return; // cancelled: nothing changes
    openDialogPath_ = path;
    SettingsStore store;
    RememberFolder(store, kLastOpenFolder, QFileInfo(path).absolutePath());
    OpenPicture(path);
}

bool FormMain::OpenPicture(const QString& path)
{
    std::optional<BusyCursor> busy(std::in_place); // decoding and scaling a large picture
    const LoadedPicture loaded = LoadPicture(path);
    if (loaded.image.isNull()) {
        busy.reset();
        ShowError(this, loaded.error);
        return false;
    }
    session_.Apply(QStringLiteral("Open"), [&](Document& doc, const CanvasPaper& fitted) {
        doc.PictureImage = loaded.image;
        doc.PictureFile = path;
        ApplyDefaultPlacement(doc, fitted, CanvasSize());
    });
    return true;
}

void FormMain::SwitchEditMode()
{
    // The mode decides, not the button: a toolbar click has toggled the button already, a
    // dispatch by id has not. The button then shows the new mode either way.
    state_.PreviewMode = !state_.PreviewMode;
    editModeButton_->setChecked(!state_.PreviewMode);
    if (state_.PreviewMode) {
        Redraw();
        state_.HitZone = kZoneNone;
        canvas_->unsetCursor();
        return;
    }
    CommandBars1_Resize();
}

// The action toggles its own checked state before it reaches us.
void FormMain::SwitchMapping()
{
    session_.SetMapping(exactButton_->isChecked() ? SheetMapping::Exact : SheetMapping::Bilinear);
}

} // namespace quorvane
