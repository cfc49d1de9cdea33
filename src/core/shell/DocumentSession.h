#pragma once

// The document being worked on, with what follows each change of it: the paper fitted to
// the canvas, the undo history, the layout file it belongs to, the window's title and the
// settings that keep the page options for the next start. Every change goes one way:
// the document changes, the paper is refitted, the canvas is redrawn, a step is recorded
// only when the document really changed, and the title and settings follow.

#include <functional>

#include <QSizeF>
#include <QString>

#include "core/shell/CanvasPaper.h"
#include "core/shell/Document.h"
#include "core/shell/DocumentHistory.h"

namespace quorvane {

// What the window showing the session does for it.
class SessionView {
public:
    virtual ~SessionView() = default;
    virtual QSizeF CanvasSize() const = 0;
    // Draws the canvas anew from the document and the fitted paper.
    virtual void Redraw() = 0;
    virtual void ShowTitle(const QString& title, bool modified) = 0;
    // An undo, a redo or an opened layout replaced the whole document: the controls showing
    // its camera, paper and page options follow. `previous` is the document it replaced.
    virtual void ShowReplaced(const Document& previous) = 0;
};

// Where the picture goes when the paper is fitted anew after a change.
enum class PictureFit {
    FollowPaper,  // it lies on the paper where it lay, moved and scaled with the paper
    KeepOnCanvas, // it keeps its rectangle on the canvas (a new outline from the designer)
};

class DocumentSession {
public:
    using Change = std::function<void(Document& doc, const CanvasPaper& fitted)>;

    // A new document with the page options and on the paper format the settings keep. The view is not asked for
    // anything before Start.
    explicit DocumentSession(SessionView& view);
    // The history's stack signals as it is cleared on destruction: the title is no longer shown.
    ~DocumentSession();
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    // Sets the document up on the paper as fitted to the canvas (the picture at start-up),
    // with nothing to undo, and shows it.
    void Start(const Change& setUp);

    const Document& Doc() const { return doc_; }
    const CanvasPaper& Fitted() const { return fitted_; }
    DocumentHistory& History() { return history_; }
    const QString& LayoutPath() const { return layoutPath_; }

    // Runs `change` on the document as one step named `text`. Nothing happens, and false
    // is returned, when it leaves the document as it was.
    bool Apply(const QString& text, const Change& change, PictureFit fit = PictureFit::FollowPaper);

    // New: a document set up by `setUp` as Start does, on the default paper with the present
    // paper layout, camera and outline and page options, replaces this one. It belongs to no
    // layout file and starts a new history: nothing to undo, nothing unsaved.
    void StartNew(const Change& setUp);

    // A layout was opened: it replaces the document as one step and becomes the saved state.
    void Opened(const Document& doc, const QString& layoutPath);
    // The document was saved as this layout file.
    void Saved(const QString& layoutPath);

    void SetMapping(SheetMapping mapping);
    void SetPageDpi(int32_t PageDpi);

    // The canvas changed its size: the paper is fitted to it anew, which is no step.
    void Refit();

    // The placement editor's live document and its finished drags and nudges.
    Document& EditedDoc() { return doc_; }
    CanvasPaper& EditedPaper() { return fitted_; }
    void Committed(const Document& before, StepKind kind);

private:
    void Restored(const Document& previous);
    void Refit(PictureFit fit);
    void ShowTitle();
    void WriteSettings();

    SessionView& view_;
    Document doc_;
    CanvasPaper fitted_;
    DocumentHistory history_{doc_, [this](const Document& previous) { Restored(previous); }};
    QString layoutPath_; // the layout file last opened or saved; empty when none
    QMetaObject::Connection titleOnClean_;
};

} // namespace quorvane
