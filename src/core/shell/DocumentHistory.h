#pragma once

// Undo and redo over the document value. Each step keeps the whole document before and
// after it (pictures are shared, not copied), so undoing puts back exactly what the user
// had: the picture, its placement, the page style, the camera and the paper. Only changes
// the user makes are steps; what belongs to the window (its size, edit or preview mode)
// never is, nor the mapping, which is a setting of the program: undo and redo keep it.

#include <functional>

#include <QString>
#include <QUndoStack>

#include "core/shell/Document.h"

namespace quorvane {

// Steps of the same run merge into one: arrow-key moves pressed one after another.
enum class StepKind { Single, KeyMove };

inline constexpr int kUndoSteps = 100;

class DocumentHistory {
public:
    // `restored` runs after an undo or a redo has replaced the document, with the
    // document as it was just before, so the window can redraw what changed.
    DocumentHistory(Document& doc, std::function<void(const Document& previous)> restored);

    // Records the change from `before` to the document as it is now as one step; nothing
    // when the document did not change.
    void Record(const Document& before, const QString& text, StepKind kind = StepKind::Single);

    QUndoStack& Stack() { return stack_; }

private:
    friend class DocumentStep;
    void Restore(const Document& value);

    Document& doc_;
    std::function<void(const Document&)> restored_;
    QUndoStack stack_;
};

} // namespace quorvane
