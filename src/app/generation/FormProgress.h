#pragma once

// The progress dialog ("Please wait..."): shows the generation's progress, closes itself
// when the bar reads exactly 100, and its Stop button requests the generation to stop
// and brings the main window back. It keeps no data of its own and deletes itself when
// closed.

#include <QPointer>
#include <QWidget>

#include "core/generation/GenControl.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quorvane {

class FormProgress : public QWidget {
    Q_OBJECT

public:
    FormProgress(GenControl& control, QWidget* mainWindow);

    QProgressBar* ProgressBar1() const { return progressBar_; }
    QLabel* Label1() const { return label_; }
    QPushButton* CmdStop() const { return stopButton_; }

    // One tick of the 100 ms timer: shows GenProgress and closes at exactly 100.
    void TimerProgress_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CmdStop_Click();

    GenControl& control_;
    QPointer<QWidget> mainWindow_;
    QProgressBar* progressBar_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace quorvane
