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
#include "app/shell/PageResolutionMenu.h"
#include "core/editor/PaperFitting.h"
#include "core/services/PageSettings.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "core/shell/DefaultPaper.h"
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

FormMain::FormMain(Document& doc, QWidget* parent)
    : QMainWindow(parent)
    , doc_(doc)
    , renderer_([this] { if (canvas_) canvas_->update(); })
{
    PrepareMainWindow();
    StartUp();
    PrepareHistory();
    PrepareLayoutActions();
    UpdateTitle();
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
    AddResolutionChoice();

    canvas_ = new CanvasWidget(renderer_, editor_, this);
    setCentralWidget(canvas_);
    canvas_->setFocus();
    setAcceptDrops(true);
    connect(canvas_, &CanvasWidget::Resized, this, &FormMain::CommandBars1_Resize);

    resize(kClientSize);
    CentreOnScreen(*this, nullptr);
}

// The page resolution of the last run, chosen in a drop-down that stands with the commands,
// before the separator of the Help button.
void FormMain::AddResolutionChoice()
{
    doc_.PageDpi = ReadPageDpiSetting(SettingsStore());
    const QList<QAction*> actions = commandBars_->actions();
    const qsizetype help = actions.indexOf(commandBars_->FindControl(ID_HELP));
    QAction* before = help > 0 ? actions.at(help - 1) : nullptr;
    resolutionButton_ = AddPageResolutionMenu(*commandBars_, before, doc_.PageDpi,
                                              [this](int32_t PageDpi) { ChoosePageDpi(PageDpi); });
}

// The commands show the document's mapping and page resolution (an opened layout brings
// its own), and the settings file keeps them for the next start.
void FormMain::ShowPageOptions()
{
    exactButton_->setChecked(doc_.Mapping == SheetMapping::Exact);
    for (QAction* item : resolutionButton_->menu()->actions())
        item->setChecked(item->data().toInt() == doc_.PageDpi);
    SettingsStore store;
    WriteMappingSetting(store, doc_.Mapping);
    WritePageDpiSetting(store, doc_.PageDpi);
}

// The choice is kept for the next start (a failed write only loses that).
void FormMain::ChoosePageDpi(int32_t PageDpi)
{
    doc_.PageDpi = PageDpi;
    SettingsStore store;
    WritePageDpiSetting(store, PageDpi);
}

void FormMain::StartUp()
{
    doc_.PageStyle = kStyleLFold;
    doc_.Mapping = ReadMappingSetting(SettingsStore());
    exactButton_->setChecked(doc_.Mapping == SheetMapping::Exact);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        renderer_.SetScreenHeight(screen->geometry().height());
    layout()->activate(); // the canvas gets its size before the window is shown
    renderer_.Resize(canvas_->size(), canvas_->devicePixelRatioF());

    SetDefaultPaper(doc_);
    ResetPaper(doc_, paper_, CanvasSize(), false);
    const QString samplePath = folders_.ObjectFolder + QStringLiteral("tyrannosaurus.png");
    const LoadedPicture sample = LoadPicture(samplePath);
    SetPicture(doc_, sample.image, sample.image.isNull() ? QString() : samplePath);
    ApplyDefaultPlacement(doc_, paper_, CanvasSize());
    Redraw();
}

// Undo and redo on the canvas's context menu and their keys; the editor's moves as steps.
void FormMain::PrepareHistory()
{
    QUndoStack& stack = history_.Stack();
    QAction* undo = stack.createUndoAction(canvas_, QStringLiteral("Undo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = stack.createRedoAction(canvas_, QStringLiteral("Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    canvas_->addActions({undo, redo});
    canvas_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });

    editor_.SetCommitted([this](const Document& before, bool nudge) {
        history_.Record(before, QStringLiteral("Move"), nudge ? StepKind::KeyMove : StepKind::Single);
    });
}

void FormMain::PrepareLayoutActions()
{
    auto* open = new QAction(QStringLiteral("Open Layout..."), canvas_);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    connect(open, &QAction::triggered, this, &FormMain::ChooseAndOpenLayout);
    auto* save = new QAction(QStringLiteral("Save Layout..."), canvas_);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &FormMain::ChooseAndSaveLayout);
    auto* separator = new QAction(canvas_);
    separator->setSeparator(true);
    canvas_->addActions({separator, open, save});
}

void FormMain::ChooseAndOpenLayout()
{
    const QString folder = layoutPath_.isEmpty() ? folders_.SaveFolder : QFileInfo(layoutPath_).absolutePath();
    const QString path = AskLayoutToOpen(this, folder);
    if (!path.isEmpty())
        OpenLayout(path);
}

void FormMain::ChooseAndSaveLayout()
{
    const QString suggested = !layoutPath_.isEmpty()
        ? layoutPath_
        : QDir(folders_.SaveFolder).filePath(QFileInfo(doc_.PictureFile).completeBaseName()
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
    const Document before = doc_;
    doc_ = read.layout->doc;
    ResetPaper(doc_, paper_, CanvasSize(), false);
    ShowPageOptions();
    history_.Record(before, QStringLiteral("Open Layout"));
    history_.Stack().setClean();
    layoutPath_ = path;
    if (designer_)
        designer_->AdoptDocument();
    Redraw();
    UpdateTitle();
    return true;
}

bool FormMain::SaveLayout(const QString& path)
{
    if (const std::optional<QString> error = quorvane::SaveLayout({doc_, canvas_->size()}, path)) {
        ShowError(this, *error);
        return false;
    }
    layoutPath_ = path;
    history_.Stack().setClean();
    UpdateTitle();
    return true;
}

// An undo or a redo replaced the document: its paper is fitted to this canvas with the
// picture where it lay on it, and the designer shows the restored camera.
void FormMain::ShowRestored(const Document& previous)
{
    ResetPaper(doc_, paper_, CanvasSize(), false);
    if (designer_ && (doc_.Camera != previous.Camera || doc_.PageStyle != previous.PageStyle))
        designer_->AdoptDocument();
    Redraw();
    UpdateTitle();
}

// "name[*] – Quorvane": the layout file when there is one, else the picture's file.
void FormMain::UpdateTitle()
{
    const QString shown = !layoutPath_.isEmpty() ? layoutPath_ : doc_.PictureFile;
    const QString name = shown.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(shown).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2013 Quorvane"));
    setWindowModified(!history_.Stack().isClean());
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
    renderer_.DrawCanvas(doc_, paper_, PlacementOnCanvas(doc_, paper_),
                         state_.PreviewMode ? Decorations::None : Decorations::FrameAndGrips);
    state_.SelShown = !state_.PreviewMode;
}

void FormMain::CommandBars1_Resize()
{
    if (isMinimized() || canvas_->height() <= 0 || canvas_->width() <= 0)
        return;
    renderer_.Resize(canvas_->size(), canvas_->devicePixelRatioF());
    ResetPaper(doc_, paper_, CanvasSize(), false);
    Redraw();
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
        RunGenerate(doc_, paper_, genControl_, folders_.SaveFolder, this);
        break;
    case ID_EXACT:
        SwitchMapping();
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

void FormMain::ShowDesigner()
{
    if (!designer_)
        designer_ = new FormOpenGL(doc_, [this] { OnPaperChanged(); }, this);
    const Document before = doc_;
    designer_->exec();
    history_.Record(before, QStringLiteral("Design"));
}

// A new outline from the designer: the picture keeps its place on the canvas.
void FormMain::OnPaperChanged()
{
    ResetPaper(doc_, paper_, CanvasSize(), true);
    CommandBars1_Resize();
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
    const Document before = doc_;
    SetPicture(doc_, loaded.image, path);
    ApplyDefaultPlacement(doc_, paper_, CanvasSize());
    CommandBars1_Resize();
    history_.Record(before, QStringLiteral("Open"));
    UpdateTitle();
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

// The action toggles its own checked state before it reaches us; the choice is kept for the
// next start (a failed write only loses that).
void FormMain::SwitchMapping()
{
    doc_.Mapping = exactButton_->isChecked() ? SheetMapping::Exact : SheetMapping::Bilinear;
    SettingsStore store;
    WriteMappingSetting(store, doc_.Mapping);
}

} // namespace quorvane
