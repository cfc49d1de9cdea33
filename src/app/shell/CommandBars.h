#pragma once

// The main window's command bar ("CommandBars1"): the toolbar built from the command
// table, each action carrying its command id. Every command reaches one signal.

#include <QHash>
#include <QToolBar>

class QAction;

namespace quorvane {

class CommandBars : public QToolBar {
    Q_OBJECT

public:
    explicit CommandBars(QWidget* parent = nullptr);

    // The toolbar entry with this id (the toolbar's own, not the Help menu's).
    QAction* FindControl(int id) const;

signals:
    void Execute(int id);

private:
    QAction* AddCommand(QWidget* owner, int id, const char* caption, const char* tooltip,
                        const char* shortcut);
    void AddHelpButton();

    QHash<int, QAction*> toolbarActions_;
};

} // namespace quorvane
