#include "app/shell/MenuBar.h"

#include <algorithm>

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/shell/CommandBars.h"
#include "core/services/RecentFiles.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"

namespace quorvane {

MenuBar::MenuBar(CommandBars& commands, QWidget* parent)
    : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MenuBar"));
    recentAction_ = commands.Command(ID_OPEN_RECENT, this);
    auto* recent = new QMenu(this);
    recent->setToolTipsVisible(true);
    recentAction_->setMenu(recent);
    for (const MenuDefinition& definition : MenuBarMenus()) {
        QMenu* menu = addMenu(QString::fromUtf8(definition.title));
        for (const int id : definition.ids) {
            if (id == kMenuSeparator)
                menu->addSeparator();
            else if (QAction* action = commands.Command(id, this))
                menu->addAction(action);
        }
        if (std::ranges::find(definition.ids, int(ID_OPEN_RECENT)) != definition.ids.end())
            connect(menu, &QMenu::aboutToShow, this, &MenuBar::FillRecent);
    }
    FillRecent();
}

// "1 cup.png" and so on (the tenth "0"), each with its full path as tooltip; the submenu
// is disabled while there is none.
void MenuBar::FillRecent()
{
    QMenu* recent = recentAction_->menu();
    recent->clear();
    const QStringList files = RecentFiles(SettingsStore());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = recent->addAction(QStringLiteral("&%1 %2").arg(QString::number((i + 1) % 10), name));
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { emit OpenRecent(path); });
    }
    recentAction_->setEnabled(!files.isEmpty());
}

} // namespace quorvane
