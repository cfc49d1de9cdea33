#pragma once

// The Help window: the user guide installed with the program, shown in Qt's own text
// browser, so help needs no web browser. Links to the web still open in the browser.

#include <QMainWindow>

class QTextBrowser;

namespace quorvane {

class FormHelp : public QMainWindow {
    Q_OBJECT

public:
    FormHelp(const QString& guidePath, QWidget* owner);

    QTextBrowser* Guide() const { return guide_; }

private:
    QTextBrowser* guide_ = nullptr;
};

// The guide's file: "help/guide.html" in the program's data folders.
QString UserGuidePath();

// Shows the one Help window over `owner`, made at the first call, and brings it to the
// front. A guide that is not installed is reported instead.
void ShowHelp(QWidget* owner);

} // namespace quorvane
