#pragma once

// The main window's command bar ("CommandBars1"): the toolbar built from the command
// table, each action carrying its command id. Every command reaches one signal, the
// commands of the canvas's menu and the menu bar too. Each command has one action with
// its keys, shown wherever the command is, so no key is bound twice.

#include <QHash>
#include <QToolBar>

#include "core/shell/CommandTable.h"

class QAction;

namespace quorvane {

class CommandBars : public QToolBar {
    Q_OBJECT

public:
    explicit CommandBars(QWidget* parent = nullptr);

    // The toolbar entry with this id (the toolbar's own, not the Help menu's).
    QAction* FindControl(int id) const;

    // An action for the command, owned by `owner`, that reaches Execute.
    QAction* AddCommand(QWidget* owner, const CommandEntry& entry);

    // The command's action: the toolbar's, else the first made by AddCommand; made for the
    // menu bar by `owner` when there is none yet. Null for an id not in the table.
    QAction* Command(int id, QWidget* owner);

signals:
    void Execute(int id);

private:
    void AddResolutionButton(const CommandEntry& entry);
    void AddHelpButton();

    QHash<int, QAction*> toolbarActions_;
    QHash<int, QAction*> otherActions_; // the first action AddCommand made for each id
};

} // namespace quorvane
