#pragma once

// The main window ("Quorvane"): the command bar over the canvas. It holds what belongs to
// the window around the document (the paper fitted to the canvas, the editor's state, the
// folders, the generation's control), redraws the canvas and dispatches the toolbar's
// commands by id.

#include <QMainWindow>
#include <QString>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/EditorState.h"
#include "core/editor/PlacementEditor.h"
#include "core/generation/GenControl.h"
#include "core/shell/CanvasPaper.h"
#include "core/shell/Document.h"
#include "core/shell/Folders.h"

class QAction;

namespace quorvane {

class CanvasWidget;
class CommandBars;
class FormOpenGL;

class FormMain : public QMainWindow {
    Q_OBJECT

public:
    explicit FormMain(Document& doc, QWidget* parent = nullptr);

    // Runs the command with this id; ids without a command do nothing.
    void OnCommand(int id);

    // Lays the canvas out in the area the command bar leaves free, fits the paper to it
    // and redraws everything (with frame and grips in edit mode).
    void CommandBars1_Resize();

    // Loads a picture and places it by the default rule. On failure the previous picture
    // and placement stay, and the user is told. Returns whether the picture was replaced.
    bool OpenPicture(const QString& path);

    CommandBars* CommandBars1() const { return commandBars_; }
    FormOpenGL* Designer() const { return designer_; }
    CanvasWidget* Picture1() const { return canvas_; }
    QAction* EditModeButton() const { return editModeButton_; }
    QAction* ExactButton() const { return exactButton_; }
    const CanvasRenderer& Renderer() const { return renderer_; }
    const CanvasPaper& Paper() const { return paper_; }
    const EditorState& Editor() const { return state_; }
    Folders& AppFolders() { return folders_; }

private:
    void PrepareMainWindow();
    void StartUp();
    void ChooseAndOpenPicture();
    void SwitchEditMode();
    void SwitchMapping();
    void ShowDesigner();
    void OnPaperChanged();
    void Redraw();
    QSizeF CanvasSize() const;

    Document& doc_;
    CanvasPaper paper_;
    EditorState state_;
    Folders folders_;
    GenControl genControl_;
    CanvasRenderer renderer_;
    PlacementEditor editor_{doc_, paper_, state_, renderer_};
    CommandBars* commandBars_ = nullptr;
    CanvasWidget* canvas_ = nullptr;
    QAction* editModeButton_ = nullptr;
    QAction* exactButton_ = nullptr;
    FormOpenGL* designer_ = nullptr; // made at the first Design, then only hidden and shown
    bool OpenDialogReady = false;
    QString openDialogPath_; // the open dialog's file name and folder, kept between openings
};

} // namespace quorvane
