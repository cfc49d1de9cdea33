#pragma once

// The main window's canvas ("Picture1"): shows the renderer's back buffer and reports
// its size changes. It draws nothing itself.

#include <QWidget>

#include "core/editor/CanvasRenderer.h"

namespace quorvane {

class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    CanvasWidget(const CanvasRenderer& renderer, QWidget* parent = nullptr);

signals:
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const CanvasRenderer& renderer_;
};

} // namespace quorvane
