#pragma once

// The main window's menu bar, built from the command table's menus. Each command shows
// the one action the toolbar or the canvas's menu shows it with (so its key is bound once
// and shown beside it); the commands only the menu bar has get theirs here. Open Recent
// is filled from the settings file each time the File menu opens.

#include <QMenuBar>

class QAction;

namespace quorvane {

class CommandBars;

class MenuBar : public QMenuBar {
    Q_OBJECT

public:
    MenuBar(CommandBars& commands, QWidget* parent);

    // The Open Recent submenu's action; its menu holds one item per file.
    QAction* RecentAction() const { return recentAction_; }

signals:
    void OpenRecent(const QString& path);

private:
    void FillRecent();

    QAction* recentAction_ = nullptr;
};

} // namespace quorvane
