#pragma once

// The About box: the program's name and version, its copyright, licence and home page, and OK.

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
    QLabel* const LabelLicence;
    QLabel* const LabelHome;
    QPushButton* const CmdOK;
};

// Shows the About box modally over its owner, centred on the screen, and destroys it
// when OK or the close box closes it.
void ShowAbout(QWidget* owner);

} // namespace quorvane
