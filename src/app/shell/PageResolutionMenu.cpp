#include "app/shell/PageResolutionMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "core/shell/PageResolution.h"

namespace quorvane {

QAction* AddPageResolutionMenu(QToolBar& bar, QAction* before, int32_t PageDpi,
                               const std::function<void(int32_t)>& chosen)
{
    auto* menu = new QMenu(&bar);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const int32_t dpi : kPageDpis) {
        QAction* item = menu->addAction(QStringLiteral("%1 dpi").arg(dpi));
        item->setCheckable(true);
        item->setChecked(dpi == PageDpi);
        item->setData(dpi);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [chosen, dpi] { chosen(dpi); });
    }
    auto* action = new QAction(&bar);
    action->setMenu(menu);
    bar.insertAction(before, action);
    if (auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(action)))
        button->setPopupMode(QToolButton::InstantPopup);
    return action;
}

} // namespace quorvane
