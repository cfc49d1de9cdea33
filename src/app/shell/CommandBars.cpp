#include "app/shell/CommandBars.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "core/shell/CommandTable.h"

namespace quorvane {

namespace {

constexpr int kToolbarHeight = 35;

QIcon IconFor(const QStyle* style, int id)
{
    switch (id) {
    case ID_OPEN:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_SWITCH:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case ID_PAPER:
        return style->standardIcon(QStyle::SP_DesktopIcon);
    case ID_GENERATE:
        return style->standardIcon(QStyle::SP_MediaPlay);
    case ID_EXACT:
        return style->standardIcon(QStyle::SP_TitleBarMaxButton);
    case ID_HELP:
        return style->standardIcon(QStyle::SP_DialogHelpButton);
    default:
        return {};
    }
}

} // namespace

CommandBars::CommandBars(QWidget* parent)
    : QToolBar(QStringLiteral("TBMain"), parent)
{
    setObjectName(QStringLiteral("TBMain"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    setFixedHeight(kToolbarHeight);
    setContextMenuPolicy(Qt::PreventContextMenu);

    for (const CommandEntry& entry : ToolbarCommands()) {
        if (entry.id == ID_HELP)
            continue;
        QAction* action = AddCommand(this, entry.id, entry.caption, entry.tooltip, entry.shortcut);
        action->setIcon(IconFor(style(), entry.id));
        addAction(action);
        toolbarActions_.insert(entry.id, action);
    }
    FindControl(ID_SWITCH)->setCheckable(true);
    FindControl(ID_EXACT)->setCheckable(true);
    AddHelpButton();
}

QAction* CommandBars::FindControl(int id) const
{
    return toolbarActions_.value(id, nullptr);
}

QAction* CommandBars::AddCommand(QWidget* owner, int id, const char* caption, const char* tooltip,
                                 const char* shortcut)
{
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setData(id);
    action->setToolTip(QString::fromUtf8(tooltip));
    if (*shortcut != '\0') {
        action->setShortcut(QKeySequence(QString::fromUtf8(shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, [this, id] { emit Execute(id); });
    return action;
}

// "Help" is a button of its own (it opens the help page) with a drop-down of the
// help entries; a separator stands before it.
void CommandBars::AddHelpButton()
{
    auto* menu = new QMenu(this);
    for (const CommandEntry& entry : HelpMenuCommands()) {
        if (entry.separatorBefore)
            menu->addSeparator();
        menu->addAction(AddCommand(menu, entry.id, entry.caption, entry.tooltip, entry.shortcut));
    }
    const CommandEntry& help = ToolbarCommands().back();
    QAction* helpAction = AddCommand(this, help.id, help.caption, help.tooltip, help.shortcut);
    helpAction->setIcon(IconFor(style(), help.id));
    helpAction->setMenu(menu);
    addSeparator();
    addAction(helpAction);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(helpAction)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
    toolbarActions_.insert(help.id, helpAction);
}

} // namespace quorvane
