#include "app/shell/FormMain.h"

#include <optional>

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "app/common/BusyCursor.h"
#include "app/common/Messages.h"
#include "app/editor/CanvasWidget.h"
#include "app/shell/FileDialogs.h"
#include "app/shell/SaveQuestion.h"
#include "core/services/RecentFiles.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/DroppedFile.h"
#include "core/shell/LayoutFile.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

namespace {

// Open Recent offers the file next time; a failed write only loses that.
void RememberRecent(const QString& path)
{
    SettingsStore store;
    AddRecentFile(store, path);
}

} // namespace

// The sample picture placed by the default rule: the document at start-up and after New.
DocumentSession::Change FormMain::SamplePicture()
{
    const QString samplePath = folders_.ObjectFolder + QStringLiteral("tyrannosaurus.png");
    return [this, samplePath, sample = LoadPicture(samplePath)](Document& doc, const CanvasPaper& fitted) {
        doc.PictureImage = sample.image;
        doc.PictureFile = sample.image.isNull() ? QString() : samplePath;
        ApplyDefaultPlacement(doc, fitted, CanvasSize());
    };
}

// The work in hand may be closed or replaced: nothing unsaved, or the user saved or
// discarded it.
bool FormMain::MayCloseWork()
{
    return quorvane::MayCloseWork(this, !History().Stack().isClean(), [this] { return SaveLayoutCommand(false); });
}

void FormMain::closeEvent(QCloseEvent* event)
{
    if (MayCloseWork())
        event->accept();
    else
        event->ignore();
}

void FormMain::StartNew()
{
    if (MayCloseWork())
        session_.StartNew(SamplePicture());
}

void FormMain::ChooseAndOpenPicture()
{
    if (!MayCloseWork())
        return;
    if (!OpenDialogReady) {
        openDialogPath_ = RememberedFolder(SettingsStore(), kLastOpenFolder, folders_.ObjectFolder);
        OpenDialogReady = true;
    }
    const QString path = AskPictureToOpen(this, openDialogPath_);
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
    RememberRecent(path);
    return true;
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

void FormMain::OpenRecent(const QString& path)
{
    if (!MayCloseWork())
        return;
    if (path.endsWith(QLatin1String(kLayoutEnding), Qt::CaseInsensitive))
        OpenLayout(path);
    else
        OpenPicture(path);
}

void FormMain::ChooseAndOpenLayout()
{
    if (!MayCloseWork())
        return;
    const QString& layoutPath = session_.LayoutPath();
    const QString folder = layoutPath.isEmpty() ? folders_.SaveFolder : QFileInfo(layoutPath).absolutePath();
    const QString path = AskLayoutToOpen(this, folder);
    if (!path.isEmpty())
        OpenLayout(path);
}

bool FormMain::OpenLayout(const QString& path)
{
    const LayoutRead read = quorvane::LoadLayout(path);
    if (!read.layout) {
        ShowError(this, read.error);
        return false;
    }
    session_.Opened(read.layout->doc, path);
    RememberRecent(path);
    return true;
}

// Save Layout writes to the layout file when there is one; Save Layout As, and Save Layout
// without one, ask for a name first.
bool FormMain::SaveLayoutCommand(bool askName)
{
    const QString& layoutPath = session_.LayoutPath();
    if (!askName && !layoutPath.isEmpty())
        return SaveLayout(layoutPath);
    const QString suggested = !layoutPath.isEmpty()
        ? layoutPath
        : QDir(folders_.SaveFolder).filePath(QFileInfo(Doc().PictureFile).completeBaseName()
                                             + QString::fromLatin1(kLayoutEnding));
    const QString path = AskLayoutToSave(this, suggested);
    return !path.isEmpty() && SaveLayout(path);
}

bool FormMain::SaveLayout(const QString& path)
{
    if (const std::optional<QString> error = quorvane::SaveLayout({Doc(), canvas_->size()}, path)) {
        ShowError(this, *error);
        return false;
    }
    session_.Saved(path);
    RememberRecent(path);
    return true;
}

} // namespace quorvane
