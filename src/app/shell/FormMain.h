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
#include "core/shell/DocumentHistory.h"
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

    // Reads a layout file into the document, as one step; the placement follows the paper
    // from the canvas it was made on to this one. On failure nothing changes and the user
    // is told. Returns whether the layout was opened.
    bool OpenLayout(const QString& path);
    // Writes the document and the canvas size as a layout file; the user is told of a failure.
    bool SaveLayout(const QString& path);

    // The undo stack over the document; its clean state is the last saved layout.
    DocumentHistory& History() { return history_; }
    CommandBars* CommandBars1() const { return commandBars_; }
    FormOpenGL* Designer() const { return designer_; }
    CanvasWidget* Picture1() const { return canvas_; }
    QAction* EditModeButton() const { return editModeButton_; }
    QAction* ResolutionButton() const { return resolutionButton_; } // its menu holds the items
    QAction* ExactButton() const { return exactButton_; }
    const CanvasRenderer& Renderer() const { return renderer_; }
    const CanvasPaper& Paper() const { return paper_; }
    const EditorState& Editor() const { return state_; }
    Folders& AppFolders() { return folders_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void PrepareMainWindow();
    void PrepareHistory();
    void PrepareLayoutActions();
    void ChooseAndOpenLayout();
    void ChooseAndSaveLayout();
    void ShowRestored(const Document& previous);
    void UpdateTitle();
    void StartUp();
    void ChooseAndOpenPicture();
    void SwitchEditMode();
    void AddResolutionChoice();
    void ChoosePageDpi(int32_t PageDpi);
    void ShowPageOptions();
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
    DocumentHistory history_{doc_, [this](const Document& previous) { ShowRestored(previous); }};
    CommandBars* commandBars_ = nullptr;
    CanvasWidget* canvas_ = nullptr;
    QAction* editModeButton_ = nullptr;
    QAction* resolutionButton_ = nullptr;
    QAction* exactButton_ = nullptr;
    FormOpenGL* designer_ = nullptr; // made at the first Design, then only hidden and shown
    bool OpenDialogReady = false;
    QString openDialogPath_; // the open dialog's file name and folder, kept between openings
    QString layoutPath_;     // the layout file last opened or saved; empty when none
};

} // namespace quorvane
