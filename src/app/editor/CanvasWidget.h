#pragma once

// The main window's canvas ("Picture1"): shows the renderer's back buffer, reports its
// size changes, and hands its mouse events and arrow keys to the placement editor, whose
// pointer shape it shows. It draws nothing itself.

#include <QWidget>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/PlacementEditor.h"

namespace quorvane {

class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    CanvasWidget(const CanvasRenderer& renderer, PlacementEditor& editor, QWidget* parent = nullptr);

signals:
    // A new size, or a new screen whose pixel density may differ.
    void Resized();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const CanvasRenderer& renderer_;
    PlacementEditor& editor_;
};

} // namespace quorvane
