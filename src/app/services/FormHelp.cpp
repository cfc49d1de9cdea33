#include "app/services/FormHelp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "app/common/DialogGeometry.h"
#include "app/common/Messages.h"
#include "core/shell/Folders.h"

namespace quorvane {

namespace {

constexpr QSize kClientSize(720, 620);

} // namespace

FormHelp::FormHelp(const QString& guidePath, QWidget* owner)
    : QMainWindow(owner, Qt::Window)
    , guide_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QStringLiteral("Quorvane Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    guide_->setObjectName(QStringLiteral("Guide"));
    guide_->setOpenExternalLinks(true); // the guide's own anchors stay in the window
    guide_->setSource(QUrl::fromLocalFile(guidePath));
    setCentralWidget(guide_);
    resize(kClientSize);
    FitOnScreen(*this, owner);
}

QString UserGuidePath()
{
    const QString AppFolder = AppFolderOf(QCoreApplication::applicationDirPath());
    return DataFolderOf(AppFolder, QStringLiteral("help")) + QStringLiteral("guide.html");
}

void ShowHelp(QWidget* owner)
{
    const QString path = UserGuidePath();
    if (!QFileInfo(path).isFile()) {
        ShowError(owner, QStringLiteral("The user guide is not installed: %1 is missing.").arg(path));
        return;
    }
    auto* help = owner ? owner->findChild<FormHelp*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help) {
        help = new FormHelp(path, owner);
        help->setAttribute(Qt::WA_DeleteOnClose, owner == nullptr); // else kept for the next Help
    }
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace quorvane
