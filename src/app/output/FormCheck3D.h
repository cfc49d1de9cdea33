#pragma once

// The "3D Check" window: the generated page printed on the paper, folded as in the designer
// and seen from the designer's camera, so the illusion shows before any paper is printed.
// The view can be orbited and zoomed; "Camera View" goes back to the designer's camera.

#include <QImage>
#include <QMainWindow>

#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

class CheckView;

class FormCheck3D : public QMainWindow {
    Q_OBJECT

public:
    FormCheck3D(const QImage& page, const Paper& paper, const CameraValues& camera, QWidget* parent);

    CheckView* View() const { return view_; }
    // Back to the designer's camera.
    void CameraView();

private:
    CameraValues camera_;
    CheckView* view_ = nullptr;
};

} // namespace quorvane
