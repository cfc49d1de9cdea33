#pragma once

// The result viewer's display area ("Picture1"): a grey surface showing the page scaled
// into a given rectangle. It reports its size changes and keeps the scaled copy, so a
// repaint does not scale again.

#include <QImage>
#include <QRect>
#include <QWidget>

namespace quorvane {

class ResultDisplay : public QWidget {
    Q_OBJECT

public:
    explicit ResultDisplay(QWidget* parent = nullptr);

    // Shows `page` scaled smoothly into `rect`; an empty rect shows the background only.
    void ShowPage(const QImage& page, const QRect& rect);
    QRect PageRect() const { return rect_; }

signals:
    // A new size, or a new screen whose pixel density may differ.
    void Resized();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect rect_;
    QImage scaled_;
};

} // namespace quorvane
