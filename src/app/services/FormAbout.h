#pragma once

// The About box: the program's name and version, one line of text, and OK.

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvane {

class FormAbout : public QDialog {
    Q_OBJECT

public:
    explicit FormAbout(QWidget* owner);

    QLabel* const LabelVer;
    QLabel* const LabelCopyright;
    QPushButton* const CmdOK;
};

// Shows the About box modally over its owner, centred on the screen, and destroys it
// when OK or the close box closes it.
void ShowAbout(QWidget* owner);

} // namespace quorvane
