#pragma once

// The result viewer ("Quorvane - Picture Viewer"): keeps the full-size page, shows it
// fitted into the window, and offers Save, Print and Close. Closing it
// brings the main window back. Save and Print only announce themselves; whoever opens
// the viewer connects them; so does "3D Check", which asks to see the page printed on
// the paper.

#include <cstdint>

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include "core/shell/Paper.h"

class QLabel;
class QToolBar;

namespace quorvane {

class ResultDisplay;

enum ViewerCommandId : int {
    ID_SAVE = 1037,
    ID_PRINT = 1038,
    ID_CLOSE = 1039,
    ID_CHECK3D = 1041,
};

class FormViewer : public QMainWindow {
    Q_OBJECT

public:
    FormViewer(const QImage& page, const Paper& paper, QWidget* mainWindow);

    // The page at full size, for saving and printing.
    const QImage& PageImage() const { return picTemp_; }
    // The page as shown: a page finer than the default resolution reduced once to the
    // default page's size, so that fitting it to the window, or a 3D Check, does not handle the whole of it.
    const QImage& ShownPage() const { return shown_; }

    // Shows where the camera goes in the room, beside the page.
    void ShowSetup(const QString& line);
    // Shows what the last save wrote, at the right of the status line.
    void ShowSaved(const QString& note);

    // Acts on a toolbar command id; ids without a command do nothing.
    void ViewerCommand(int id);

    QToolBar* CommandBars1() const { return commandBars_; }
    ResultDisplay* Picture1() const { return display_; }

signals:
    void SaveRequested();
    void PrintRequested();
    void Check3DRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddCommand(int id, const QString& caption, const QIcon& icon);
    void FitResultToView();

    QPointer<QWidget> mainWindow_;
    QImage picTemp_;
    QImage shown_;
    int32_t ResultWidth = 0;
    int32_t ResultHeight = 0;
    double ResultAspect = 0.0;
    QToolBar* commandBars_ = nullptr;
    ResultDisplay* display_ = nullptr;
    QLabel* setupLine_ = nullptr;
    QLabel* savedNote_ = nullptr;
};

} // namespace quorvane
