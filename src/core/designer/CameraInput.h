#pragma once

// How the designer's text fields and mouse drags turn into slider values.

#include <optional>
#include <vector>

#include <QChar>
#include <QPointF>
#include <QStringView>

#include "core/designer/DesignerCamera.h"

namespace quorvane {

// A camera field takes digits and Backspace from the keyboard; the Angle field also takes
// one minus sign at its start, the Distance and Height fields one decimal point. `before` and `after` are the field's text on either side of
// the caret, or of the selection the key replaces.
bool AcceptsFieldCharacter(CameraRow row, QChar typed, QStringView before, QStringView after);

// The decimal number at the start of a text (sign, digits, fraction); 0 when there is none.
double LeadingNumber(QStringView text);

// While a field is typed into: its number in the field's unit as slider steps, rounded, when
// that lies in the row's range. A sign
// with no digit yet gives none, so the slider does not overwrite it.
std::optional<int> FieldValueWhileTyping(CameraRow row, QStringView text);

// When a field loses the focus: its number as slider steps, rounded and clamped into the
// row's range.
int FieldValueOnLeave(CameraRow row, QStringView text);

enum class DragButton { Left, Right, Other };

struct SliderAssignment {
    CameraRow row;
    int value; // not yet clamped to the slider's range: the slider does that
};

// Mouse drags over the view: the left button turns the paper (sideways) or raises the eye
// (up and down); the right button moves the eye nearer or farther. One degree, or one scene
// unit, per 3 pixels, rounded per move event.
// The wheel over the view moves the eye as a right-button drag does: a notch forward
// (an angle delta of 120) one page step (10 scene units) nearer, a notch back as far farther.
SliderAssignment WheelStep(int angleDelta, const DesignerCamera& camera);

class ViewDrag {
public:
    void Press(DragButton button, QPointF position);
    void Release(DragButton button);
    // The slider values this move asks for, in the order they are to be assigned.
    std::vector<SliderAssignment> Move(QPointF position, const DesignerCamera& camera);

    bool RotateDrag() const { return rotateDrag_; }
    bool ZoomDrag() const { return zoomDrag_; }
    // The magnifier pointer shows from a right-button press to the next release.
    bool MagnifierShown() const { return magnifier_; }

private:
    void StorePosition(QPointF position);

    bool rotateDrag_ = false;
    bool zoomDrag_ = false;
    bool magnifier_ = false;
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
};

} // namespace quorvane
