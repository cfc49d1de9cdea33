#include "app/shell/CommandBars.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "app/shell/PageResolutionMenu.h"
#include "core/shell/PageResolution.h"

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
    case ID_FROM_PHOTO:
        return style->standardIcon(QStyle::SP_DirOpenIcon);
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
        if (entry.id == ID_RESOLUTION) {
            AddResolutionButton(entry);
            continue;
        }
        QAction* action = AddCommand(this, entry);
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

QAction* CommandBars::AddCommand(QWidget* owner, const CommandEntry& entry)
{
    auto* action = new QAction(QString::fromUtf8(entry.caption), owner);
    action->setData(entry.id);
    action->setToolTip(QString::fromUtf8(entry.tooltip));
    if (*entry.shortcut != '\0') {
        action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(entry.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    const int id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { emit Execute(id); });
    if (!otherActions_.contains(id))
        otherActions_.insert(id, action);
    return action;
}

QAction* CommandBars::Command(int id, QWidget* owner)
{
    if (QAction* action = toolbarActions_.value(id, otherActions_.value(id, nullptr)))
        return action;
    const CommandEntry* entry = FindCommand(id);
    return entry ? AddCommand(owner, *entry) : nullptr;
}

// Each resolution an item of the drop-down; choosing one checks it, then runs the command.
void CommandBars::AddResolutionButton(const CommandEntry& entry)
{
    QAction* action = AddPageResolutionMenu(*this, nullptr, kDefaultPageDpi, [this](int32_t) { emit Execute(ID_RESOLUTION); });
    action->setText(QString::fromUtf8(entry.caption));
    action->setToolTip(QString::fromUtf8(entry.tooltip));
    action->setData(entry.id);
    toolbarActions_.insert(entry.id, action);
}

// "Help" is a button of its own (it opens the help page) with a drop-down of the
// help entries; a separator stands before it. The drop-down is the button's, not the
// action's, so the menu bar shows the same action as a plain entry with its key.
void CommandBars::AddHelpButton()
{
    auto* menu = new QMenu(this);
    for (const CommandEntry& entry : HelpMenuCommands()) {
        if (entry.separatorBefore)
            menu->addSeparator();
        menu->addAction(AddCommand(menu, entry));
    }
    const CommandEntry& help = ToolbarCommands().back();
    QAction* helpAction = AddCommand(this, help);
    helpAction->setIcon(IconFor(style(), help.id));
    addSeparator();
    addAction(helpAction);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(helpAction))) {
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    toolbarActions_.insert(help.id, helpAction);
}

} // namespace quorvane
