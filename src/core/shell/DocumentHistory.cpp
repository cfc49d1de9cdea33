#include "core/shell/DocumentHistory.h"

#include <QUndoCommand>

namespace quorvane {

class DocumentStep : public QUndoCommand {
public:
    DocumentStep(DocumentHistory& history, Document before, Document after, const QString& text, StepKind kind)
        : QUndoCommand(text)
        , history_(history)
        , before_(std::move(before))
        , after_(std::move(after))
        , kind_(kind)
    {
    }

    int id() const override { return kind_ == StepKind::KeyMove ? 1 : -1; }

    // The first redo comes from the push: the document already holds the change.
    void redo() override
    {
        if (pushed_)
            history_.Restore(after_);
        pushed_ = true;
    }

    void undo() override { history_.Restore(before_); }

    bool mergeWith(const QUndoCommand* other) override
    {
        after_ = static_cast<const DocumentStep*>(other)->after_;
        setObsolete(after_ == before_); // a run that came back where it started is no step
        return true;
    }

private:
    DocumentHistory& history_;
    Document before_;
    Document after_;
    StepKind kind_;
    bool pushed_ = false;
};

DocumentHistory::DocumentHistory(Document& doc, std::function<void(const Document&)> restored)
    : doc_(doc)
    , restored_(std::move(restored))
{
    stack_.setUndoLimit(kUndoSteps);
}

void DocumentHistory::Record(const Document& before, const QString& text, StepKind kind)
{
    if (before == doc_)
        return;
    stack_.push(new DocumentStep(*this, before, doc_, text, kind));
}

void DocumentHistory::Restore(const Document& value)
{
    const Document previous = doc_;
    doc_ = value;
    doc_.Mapping = previous.Mapping; // a setting of the program, changed by no step
    if (restored_)
        restored_(previous);
}

} // namespace quorvane
