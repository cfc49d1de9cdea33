#pragma once

// Answers the modal windows that a call under test opens, one step per window, in order.
// Each action runs from a timer of its own, so an action that opens a further modal
// window does not stall the script. A window left waiting for 20 s fails the test.

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

class ModalScript {
public:
    struct Step {
        std::function<bool(QWidget&)> accepts;
        std::function<void(QWidget&)> act;
    };

    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
        waiting_.start();
    }
    bool Done() const { return next_ == steps_.size(); }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (Done() || modal == nullptr || !modal->isVisible())
            return;
        if (waiting_.elapsed() > 20000) {
            ADD_FAILURE() << "modal window " << modal->metaObject()->className() << " left waiting";
            next_ = steps_.size();
            modal->close();
            return;
        }
        if (modal == handled_ || !steps_[next_].accepts(*modal))
            return; // a handled window stays up until its action has run
        handled_ = modal;
        waiting_.restart();
        QTimer::singleShot(0, [act = steps_[next_++].act, target = QPointer<QWidget>(modal)] {
            if (target)
                act(*target);
        });
    }

    std::vector<Step> steps_;
    size_t next_ = 0;
    QPointer<QWidget> handled_;
    QTimer timer_;
    QElapsedTimer waiting_;
};

// A step for the next window of type W.
template <typename W>
ModalScript::Step On(std::function<void(W&)> act)
{
    return {[](QWidget& window) { return qobject_cast<W*>(&window) != nullptr; },
            [act](QWidget& window) { act(*qobject_cast<W*>(&window)); }};
}
