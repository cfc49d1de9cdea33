#include "ModalScript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

namespace {
constexpr int kPollMs = 10;
constexpr qint64 kStepLimitMs = 20000;
}

ModalScript::ModalScript(std::vector<Step> steps)
    : steps_(std::move(steps))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(kPollMs);
    waiting_.start();
}

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (Done() || modal == nullptr || !modal->isVisible())
        return;
    if (waiting_.elapsed() > kStepLimitMs) {
        GiveUp(modal);
        return;
    }
    // A window just handed to a step stays active until that step's action has run.
    if (modal == lastHandled_ || !steps_[next_].accepts(*modal))
        return;
    lastHandled_ = modal;
    const Step step = steps_[next_++];
    waiting_.restart();
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, [step, target] {
        if (target)
            step.act(*target);
    });
}

void ModalScript::GiveUp(QWidget* modal)
{
    ADD_FAILURE() << "modal window " << modal->metaObject()->className() << " \""
                  << modal->windowTitle().toStdString() << "\" did not fit step " << next_;
    next_ = steps_.size();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
