#include "app/shell/FormMain.h"

#include <optional>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QScreen>

#include "app/common/BusyCursor.h"
#include "app/common/DialogGeometry.h"
#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/generation/GenerateCommand.h"
#include "app/services/FormAbout.h"
#include "app/services/FormHelp.h"
#include "app/services/WebLinks.h"
#include "app/shell/CommandBars.h"
#include "app/shell/MenuBar.h"
#include "core/editor/PaperFitting.h"
#include "core/services/PageSettings.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "core/shell/Folders.h"

namespace quorvane {

namespace {

constexpr QSize kCanvasSize(853, 480);

} // namespace

FormMain::FormMain(QWidget* parent)
    : QMainWindow(parent)
    , renderer_([this] { if (canvas_) canvas_->update(); })
{
    PrepareMainWindow();
    PrepareCanvasMenu();
    PrepareMenuBar();
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

// The menus show the toolbar's and the canvas menu's own actions; the window leaves the
// canvas its first size under the menu bar and the toolbar.
void FormMain::PrepareMenuBar()
{
    auto* menus = new MenuBar(*commandBars_, this);
    setMenuBar(menus);
    connect(menus, &MenuBar::OpenRecent, this, &FormMain::OpenRecent);
    pageMarksAction_ = commandBars_->Command(ID_PAGE_MARKS, menus);
    pageMarksAction_->setCheckable(true);
    pageMarksAction_->setChecked(ReadSwitchSetting(SettingsStore(), kPageMarks));
    resize(kCanvasSize + QSize(0, menus->sizeHint().height() + commandBars_->height()));
    CentreOnScreen(*this, nullptr);
}


void FormMain::StartUp()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        renderer_.SetScreenHeight(screen->geometry().height());
    layout()->activate(); // the canvas gets its size before the window is shown
    renderer_.Resize(canvas_->size(), canvas_->devicePixelRatioF());

    session_.Start(SamplePicture());
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
    case ID_FROM_PHOTO:
        ChooseAndUsePhoto();
        break;
    case ID_GENERATE:
        RunGenerate(Doc(), Fitted(), genControl_, folders_.SaveFolder, this, pageMarksAction_->isChecked());
        break;
    case ID_PAGE_MARKS: {
        SettingsStore store;
        WriteSwitchSetting(store, kPageMarks, pageMarksAction_->isChecked());
        break;
    }
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
    case ID_SAVE_LAYOUT_AS:
        SaveLayoutCommand(id == ID_SAVE_LAYOUT_AS);
        break;
    case ID_NEW:
        StartNew();
        break;
    case ID_QUIT:
        close();
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
