#pragma once

// The main window ("Quorvane"): the menu bar and the command bar over the canvas. It shows
// the document session (the document, its fitted paper and its history), holds what
// belongs to the window around it (the editor's state, the folders, the generation's
// control), redraws the canvas and dispatches the commands by id.

#include <QMainWindow>
#include <QString>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/EditorState.h"
#include "core/editor/PlacementEditor.h"
#include "core/generation/GenControl.h"
#include "core/shell/DocumentSession.h"
#include "core/shell/Folders.h"

class QAction;

namespace quorvane {

class CanvasWidget;
class CommandBars;
class FormOpenGL;

class FormMain : public QMainWindow, private SessionView {
    Q_OBJECT

public:
    explicit FormMain(QWidget* parent = nullptr);

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

    // From Photo: finds the paper's corners in the photo and lets the user check them; on OK
    // the outline from them, with the photo as its source, replaces the document's as one
    // step and the document's mapping becomes exact (the remembered setting stays). On a
    // failure to read the photo the user is told. Returns whether the outline was replaced.
    bool UsePhoto(const QString& path);

    // OpenPicture, OpenLayout and SaveLayout put the file first in Open Recent. These and
    // the other file commands (New, the save question) are in FormMainFiles.cpp.

    const Document& Doc() const { return session_.Doc(); }
    DocumentSession& Session() { return session_; }
    // The undo stack over the document; its clean state is the last saved layout.
    DocumentHistory& History() { return session_.History(); }
    CommandBars* CommandBars1() const { return commandBars_; }
    FormOpenGL* Designer() const { return designer_; }
    CanvasWidget* Picture1() const { return canvas_; }
    QAction* EditModeButton() const { return editModeButton_; }
    QAction* ResolutionButton() const { return resolutionButton_; } // its menu holds the items
    QAction* ExactButton() const { return exactButton_; }
    QAction* PageMarksAction() const { return pageMarksAction_; }
    const CanvasRenderer& Renderer() const { return renderer_; }
    const CanvasPaper& Fitted() const { return session_.Fitted(); }
    const EditorState& Editor() const { return state_; }
    Folders& AppFolders() { return folders_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Unsaved changes ask whether to save them first; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    QSizeF CanvasSize() const override;
    void Redraw() override;
    void ShowTitle(const QString& title, bool modified) override;
    void ShowReplaced(const Document& previous) override;

    void PrepareMainWindow();
    void PrepareCanvasMenu();
    void PrepareMenuBar();
    DocumentSession::Change SamplePicture();
    void StartUp();
    void ShowPageOptions();
    bool MayCloseWork();
    void StartNew();
    void OpenRecent(const QString& path);
    void ChooseAndOpenLayout();
    bool SaveLayoutCommand(bool askName);
    void ChooseAndOpenPicture();
    void ChoosePageDpi();
    void SwitchEditMode();
    void SwitchMapping();
    void ShowDesigner();
    void ChooseAndUsePhoto();

    EditorState state_;
    Folders folders_;
    GenControl genControl_;
    CanvasRenderer renderer_;
    DocumentSession session_{*this};
    PlacementEditor editor_{session_.EditedDoc(), session_.EditedPaper(), state_, renderer_};
    CommandBars* commandBars_ = nullptr;
    CanvasWidget* canvas_ = nullptr;
    QAction* editModeButton_ = nullptr;
    QAction* resolutionButton_ = nullptr;
    QAction* exactButton_ = nullptr;
    QAction* pageMarksAction_ = nullptr; // checked: Generate draws the page marks
    FormOpenGL* designer_ = nullptr; // made at the first Design, then only hidden and shown
    bool OpenDialogReady = false;
    QString openDialogPath_; // the open dialog's file name and folder, kept between openings
};

} // namespace quorvane
