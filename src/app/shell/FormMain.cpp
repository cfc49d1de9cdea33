#include "app/shell/FormMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "app/common/DialogGeometry.h"
#include "app/common/FileFilters.h"
#include "app/common/Messages.h"
#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/generation/GenerateCommand.h"
#include "app/services/FormAbout.h"
#include "app/services/WebLinks.h"
#include "app/shell/CommandBars.h"
#include "core/editor/PaperFitting.h"
#include "core/services/MappingSetting.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/Folders.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

namespace {

constexpr QSize kClientSize(853, 515);
const char* const kOpenFilter = "PNG format (*.png)|*.png|JPG format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                                "GIF format (*.gif)|*.gif|BMP format (*.bmp)|*.bmp|"
                                "TIF format (*.tif;tiff)|*.tif;*.tiff";

} // namespace

FormMain::FormMain(Document& doc, QWidget* parent)
    : QMainWindow(parent)
    , doc_(doc)
    , renderer_([this] { if (canvas_) canvas_->update(); })
{
    setWindowTitle(QStringLiteral("Quorvane"));
    PrepareMainWindow();
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

    canvas_ = new CanvasWidget(renderer_, editor_, this);
    setCentralWidget(canvas_);
    connect(canvas_, &CanvasWidget::Resized, this, &FormMain::CommandBars1_Resize);

    resize(kClientSize);
    CentreOnScreen(*this, nullptr);
}

void FormMain::StartUp()
{
    doc_.PageStyle = kStyleLFold;
    doc_.Mapping = ReadMappingSetting(SettingsStore());
    exactButton_->setChecked(doc_.Mapping == SheetMapping::Exact);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        renderer_.SetScreenHeight(screen->geometry().height());
    layout()->activate(); // the canvas gets its size before the window is shown
    renderer_.Resize(canvas_->size());

    SetDefaultPaper(doc_);
    ResetPaper(doc_, paper_, CanvasSize(), false);
    const QString samplePath = folders_.ObjectFolder + QStringLiteral("tyrannosaurus.png");
    const LoadedPicture sample = LoadPicture(samplePath);
    SetPicture(doc_, sample.image, sample.image.isNull() ? QString() : samplePath);
    ApplyDefaultPlacement(doc_, paper_, CanvasSize());
    Redraw();
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
    renderer_.Resize(canvas_->size());
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
        OpenHelpContents();
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
    designer_->exec();
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
    const LoadedPicture loaded = LoadPicture(path);
    if (loaded.image.isNull()) {
        ShowError(this, loaded.error);
        return false;
    }
    SetPicture(doc_, loaded.image, path);
    ApplyDefaultPlacement(doc_, paper_, CanvasSize());
    CommandBars1_Resize();
    return true;
}

void FormMain::SwitchEditMode()
{
    // The action toggles its own checked state before it reaches us.
    if (!editModeButton_->isChecked()) {
        state_.PreviewMode = true;
        Redraw();
        state_.HitZone = kZoneNone;
        canvas_->unsetCursor();
        return;
    }
    state_.PreviewMode = false;
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
