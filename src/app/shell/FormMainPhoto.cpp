#include "app/shell/FormMain.h"

#include <QAction>
#include <QFileInfo>

#include "app/common/BusyCursor.h"
#include "app/common/Messages.h"
#include "app/photo/FormPhoto.h"
#include "app/shell/FileDialogs.h"
#include "core/photo/PhotoCorners.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

void FormMain::ChooseAndUsePhoto()
{
    const QString path = AskPhotoToOpen(this, RememberedFolder(SettingsStore(), kLastOpenFolder, folders_.ObjectFolder));
    if (path.isEmpty())
        return;
    SettingsStore store;
    RememberFolder(store, kLastOpenFolder, QFileInfo(path).absolutePath());
    UsePhoto(path);
}

bool FormMain::UsePhoto(const QString& path)
{
    LoadedPicture photo;
    CornerSearch found;
    {
        const BusyCursor busy; // decoding and the search
        photo = LoadPicture(path);
        if (!photo.image.isNull())
            found = FindPaperCorners(photo.image, Doc().Paper.Layout);
    }
    if (photo.image.isNull()) {
        ShowError(this, photo.error);
        return false;
    }
    FormPhoto dialog(photo.image, found.corners, found.message, Doc().Paper, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Outline())
        return false;
    const BusyCursor busy; // the refit and redraw
    const PaperOutline outline = *dialog.Outline();
    const bool changed = session_.Apply(QStringLiteral("From Photo"), [&outline](Document& doc, const CanvasPaper&) {
        doc.Outline = outline;
        // A photo's outline is any quadrilateral, which only the exact mapping follows.
        doc.Mapping = SheetMapping::Exact;
    }, PictureFit::KeepOnCanvas);
    ShowPageOptions();
    return changed;
}

} // namespace quorvane
