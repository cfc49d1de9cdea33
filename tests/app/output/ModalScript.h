#pragma once

// Answers the modal windows that a call under test opens, in order. Each step waits
// until a window it accepts is the active modal one, then acts on it from a timer of
// its own, so an action that opens a further modal window does not stop the script.
// A step still waiting after the time limit fails the test and closes what is open.

#include <functional>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class ModalScript {
public:
    struct Step {
        std::function<bool(QWidget&)> accepts;
        std::function<void(QWidget&)> act;
    };

    explicit ModalScript(std::vector<Step> steps);
    bool Done() const { return next_ == steps_.size(); }

private:
    void Poll();
    void GiveUp(QWidget* modal);

    std::vector<Step> steps_;
    size_t next_ = 0;
    QPointer<QWidget> lastHandled_;
    QTimer timer_;
    QElapsedTimer waiting_;
};

// A step for the first window of type W.
template <typename W>
ModalScript::Step On(std::function<void(W&)> act)
{
    return {[](QWidget& window) { return qobject_cast<W*>(&window) != nullptr; },
            [act](QWidget& window) { act(*qobject_cast<W*>(&window)); }};
}
