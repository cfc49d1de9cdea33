#include "core/shell/DocumentSession.h"

#include <utility>

#include <QFileInfo>

#include "core/editor/PaperFitting.h"
#include "core/services/PageSettings.h"
#include "core/services/SettingsStore.h"

namespace quorvane {

DocumentSession::DocumentSession(SessionView& view)
    : view_(view)
{
    const SettingsStore store;
    doc_.Mapping = ReadMappingSetting(store);
    doc_.PageDpi = ReadPageDpiSetting(store);
    doc_.Paper.Format = ReadPaperFormatSetting(store);
    doc_.Outline = doc_.Paper.DefaultOutline();
    titleOnClean_ = QObject::connect(&history_.Stack(), &QUndoStack::cleanChanged, [this] { ShowTitle(); });
}

DocumentSession::~DocumentSession()
{
    QObject::disconnect(titleOnClean_);
}

void DocumentSession::Start(const Change& setUp)
{
    ResetPaper(doc_, fitted_, view_.CanvasSize(), false);
    setUp(doc_, fitted_);
    Refit(PictureFit::FollowPaper);
    ShowTitle();
}

bool DocumentSession::Apply(const QString& text, const Change& change, PictureFit fit)
{
    Document changed = doc_;
    change(changed, fitted_);
    if (changed == doc_)
        return false;
    const Document before = std::exchange(doc_, std::move(changed));
    Refit(fit);
    history_.Record(before, text);
    WriteSettings();
    ShowTitle();
    return true;
}

void DocumentSession::StartNew(const Change& setUp)
{
    Document fresh;
    fresh.Paper = doc_.Paper; // the style and the format stay
    fresh.Outline = doc_.Outline;
    fresh.Mapping = doc_.Mapping;
    fresh.PageDpi = doc_.PageDpi;
    const Document before = std::exchange(doc_, std::move(fresh));
    layoutPath_.clear();
    history_.Stack().clear();
    Start(setUp);
    view_.ShowReplaced(before);
}

void DocumentSession::Opened(const Document& doc, const QString& layoutPath)
{
    const Document before = std::exchange(doc_, doc);
    Refit(PictureFit::FollowPaper);
    history_.Record(before, QStringLiteral("Open Layout"));
    history_.Stack().setClean();
    layoutPath_ = layoutPath;
    WriteSettings();
    SettingsStore store;
    WriteMappingSetting(store, doc_.Mapping); // a layout's mapping becomes the program's
    view_.ShowReplaced(before);
    ShowTitle();
}

void DocumentSession::Saved(const QString& layoutPath)
{
    layoutPath_ = layoutPath;
    history_.Stack().setClean();
    ShowTitle();
}

void DocumentSession::SetMapping(SheetMapping mapping)
{
    doc_.Mapping = mapping;
    WriteSettings();
    SettingsStore store;
    WriteMappingSetting(store, doc_.Mapping);
}

void DocumentSession::SetPageDpi(int32_t PageDpi)
{
    doc_.PageDpi = PageDpi;
    WriteSettings();
}

void DocumentSession::Refit()
{
    Refit(PictureFit::FollowPaper);
}

void DocumentSession::Committed(const Document& before, StepKind kind)
{
    history_.Record(before, QStringLiteral("Move"), kind);
    ShowTitle();
}

// An undo or a redo replaced the document: its paper is fitted to this canvas with the
// picture where it lay on it.
void DocumentSession::Restored(const Document& previous)
{
    Refit(PictureFit::FollowPaper);
    view_.ShowReplaced(previous);
    ShowTitle();
}

// A new outline keeps the picture where it was on the canvas; then the paper is fitted to
// the canvas as it is now.
void DocumentSession::Refit(PictureFit fit)
{
    const QSizeF canvas = view_.CanvasSize();
    if (fit == PictureFit::KeepOnCanvas)
        ResetPaper(doc_, fitted_, canvas, true);
    ResetPaper(doc_, fitted_, canvas, false);
    view_.Redraw();
}

// "name[*] – Quorvane": the layout file when there is one, else the picture's file.
void DocumentSession::ShowTitle()
{
    const QString shown = !layoutPath_.isEmpty() ? layoutPath_ : doc_.PictureFile;
    const QString name = shown.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(shown).fileName();
    view_.ShowTitle(name + QStringLiteral("[*] \u2013 Quorvane"), !history_.Stack().isClean());
}

// The page resolution and the paper's format are kept for the next start; a failed write
// only loses that. The mapping is kept only when the user chooses it or opens a layout: a
// change that sets it for its own document (a photo's outline) leaves the setting alone.
void DocumentSession::WriteSettings()
{
    SettingsStore store;
    WritePageDpiSetting(store, doc_.PageDpi);
    WritePaperFormatSetting(store, doc_.Paper.Format);
}

} // namespace quorvane
