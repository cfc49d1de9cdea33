#pragma once

// The photo with the paper's corners over it: the photo fitted into the widget, the paper's
// edges, a handle on each corner the layout shows and, near the selected corner, a magnifier
// of the photo around it. A handle is dragged with the mouse; the arrow keys move the
// selected one by a photo pixel, with Shift by ten.

#include <QImage>
#include <QWidget>

#include "core/photo/CornerEdit.h"

namespace quorvane {

class PhotoCornersView : public QWidget {
    Q_OBJECT

public:
    PhotoCornersView(const QImage& photo, const CornerEdit& edit, QWidget* parent);

    const CornerEdit& Edit() const { return edit_; }
    // Where a photo point is shown, in widget pixels, and back.
    QPointF ToWidget(QPointF photo) const;
    QPointF ToPhoto(QPointF widget) const;
    // The magnifier's place in the widget; empty when no corner is selected.
    QRect MagnifierRect() const;

signals:
    void CornersChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double Scale() const;
    QPointF Offset() const;
    void DrawMagnifier(QPainter& painter) const;

    QImage photo_;
    CornerEdit edit_;
    bool dragging_ = false;
    QPointF grip_; // photo pixels from the pointer to the dragged corner
};

} // namespace quorvane
