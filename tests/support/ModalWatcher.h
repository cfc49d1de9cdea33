#pragma once

// Answers the next message box that a test provokes: records its title, text and icon,
// and presses the given button, so code that shows a modal box can run in a test.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalWatcher {
public:
    explicit ModalWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen_ = {true, box->windowTitle(), box->text(), box->icon()};
            timer_.stop();
            if (QAbstractButton* button = box->button(answer))
                button->click();
            else
                box->reject();
        });
        timer_.start();
    }

    const SeenMessage& Seen() const { return seen_; }

private:
    QTimer timer_;
    SeenMessage seen_;
};
