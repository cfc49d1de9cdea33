#pragma once

// Acts once on the next modal dialog of a type while its exec() holds the test: a timer polls
// for it and hands it to the action, which must close it. Any other modal dialog fails
// the test and is closed, so a test never hangs.

#include <functional>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

template <typename Dialog>
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(Dialog&)> act)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, act] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal == nullptr || !modal->isVisible())
                return;
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                ++seen_;
                timer_.stop();
                act(*dialog);
                return;
            }
            ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
            modal->reject();
        });
        timer_.start(10);
    }

    int Seen() const { return seen_; }

private:
    QTimer timer_;
    int seen_ = 0;
};

// What a message box showed.
struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool busyPointer = false; // the busy pointer was up over the box
};

// Answers the next message box with `answer` and records what it showed.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : watcher_([this, answer](QMessageBox& box) {
            seen_ = {true, box.windowTitle(), box.text(), box.icon(), QGuiApplication::overrideCursor() != nullptr};
            if (QAbstractButton* button = box.button(answer))
                button->click();
            else
                box.reject();
        })
    {
    }

    const SeenMessage& Seen() const { return seen_; }

private:
    SeenMessage seen_;
    ModalWatcher<QMessageBox> watcher_;
};

// Goes to the file's folder in a file dialog, types its name and accepts, as a user does.
inline void ChooseFile(QFileDialog& dialog, const QString& path)
{
    dialog.setDirectory(QFileInfo(path).absolutePath());
    dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
    static_cast<QDialog&>(dialog).accept();
}
