#include "core/output/SetupSheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace quorvane {

namespace {

constexpr double kMarginMm = 15.0;
constexpr double kTitleMm = 7.0;
constexpr double kFigureMm = 4.0;
constexpr double kLabelMm = 3.2;
constexpr double kLineMm = 0.3;

const QColor kPaperFill(214, 228, 250);
const QColor kPaperEdge(40, 80, 160);
const QColor kCameraColour(200, 30, 30);
const QColor kGuideColour(140, 140, 140);

// Text in a box given in millimetres. Fonts take whole pixel sizes, so the text is set in
// tenths of a millimetre.
void DrawText(QPainter& painter, const QRectF& boxMm, double heightMm, const QString& text,
              int flags = Qt::AlignLeft | Qt::AlignTop, bool bold = false)
{
    painter.save();
    painter.scale(0.1, 0.1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(heightMm * 10.0))));
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(boxMm.topLeft() * 10.0, boxMm.size() * 10.0), flags, text);
    painter.restore();
}

QString Cm(double value)
{
    return QString::number(std::abs(value) < 0.05 ? 0.0 : value, 'f', 1);
}

QString LayoutWords(PaperLayout layout)
{
    switch (layout) {
    case PaperLayout::LFold:
        return QStringLiteral("folded into an L across its middle");
    case PaperLayout::Flat:
        return QStringLiteral("lying flat on the table");
    case PaperLayout::Upright:
        return QStringLiteral("standing upright on its long edge");
    case PaperLayout::None:
        break;
    }
    return {};
}

QString AimWords(double back)
{
    if (std::abs(back) < 0.05)
        return QStringLiteral("the middle of the near edge");
    const QString side = back < 0.0 ? QStringLiteral("behind") : QStringLiteral("in front of");
    return QStringLiteral("%1 cm %2 the near edge").arg(Cm(std::abs(back)), side);
}

// The figures, one per line: where the paper is, where the lens goes, where it aims, its zoom.
QStringList FigureLines(const CameraSetup& setup)
{
    const QSizeF upright = Paper{setup.paper.Format, PaperLayout::LFold}.PageSizeMm() / 10.0;
    const SetupPoint& eye = setup.Eye;
    const SetupPoint& aim = setup.Aim;
    return {
        QStringLiteral("Paper: %1 (%2 x %3 cm), %4.")
            .arg(FormatTitle(setup.paper.Format), Cm(upright.width()), Cm(upright.height()), LayoutWords(setup.paper.Layout)),
        QStringLiteral("Measured from the middle of the paper's near edge, on the table."),
        QStringLiteral("Camera lens: %1 cm %2, %3 cm %4, %5 cm above the table.")
            .arg(Cm(std::abs(eye.Right)), eye.Right < 0.0 ? QStringLiteral("to the left") : QStringLiteral("to the right"),
                 Cm(std::abs(eye.Back)), eye.Back < 0.0 ? QStringLiteral("behind") : QStringLiteral("in front"), Cm(eye.Up)),
        QStringLiteral("Aim at: %1, %2 cm above the table.").arg(AimWords(aim.Back), Cm(aim.Up)),
        QStringLiteral("Zoom: %1 mm (35 mm equivalent), a vertical field of view of %2\u00b0.")
            .arg(QString::number(setup.Focal35mm, 'f', 0), QString::number(setup.FieldOfView)),
    };
}

// What a view shows, in centimetres of its own plane: the paper as outlines, the camera's
// eye and the point it aims at.
struct ViewContent {
    std::vector<QPolygonF> paper;
    QPointF eye;
    QPointF aim;
    QPointF origin;
};

// Seen from above: right to the right, the camera's side of the paper down the sheet.
ViewContent PlanView(const CameraSetup& setup)
{
    const double cm = CmPerSceneUnit();
    const SheetSize sheet = setup.paper.SceneSize();
    const double half = sheet.SheetWidth * cm / 2.0;
    const double depth = sheet.SheetDepth * cm;
    ViewContent view;
    if (depth > 0.0)
        view.paper.push_back(QPolygonF(QRectF(-half, -depth, 2.0 * half, depth)));
    if (sheet.SheetHeight > 0.0)
        view.paper.push_back(QPolygonF({QPointF(-half, -depth), QPointF(half, -depth)}));
    view.eye = {setup.Eye.Right, setup.Eye.Back};
    view.aim = {setup.Aim.Right, setup.Aim.Back};
    return view;
}

// Seen from the side: the camera's side of the paper to the right, up the sheet.
ViewContent SideView(const CameraSetup& setup)
{
    const double cm = CmPerSceneUnit();
    const SheetSize sheet = setup.paper.SceneSize();
    const double depth = sheet.SheetDepth * cm;
    const double height = sheet.SheetHeight * cm;
    ViewContent view;
    if (depth > 0.0)
        view.paper.push_back(QPolygonF({QPointF(-depth, 0.0), QPointF(0.0, 0.0)}));
    if (height > 0.0)
        view.paper.push_back(QPolygonF({QPointF(-depth, 0.0), QPointF(-depth, -height)}));
    view.eye = {setup.Eye.Back, -setup.Eye.Up};
    view.aim = {setup.Aim.Back, -setup.Aim.Up};
    return view;
}

// The view fitted into `box` at one scale, a little room around it.
QTransform FitView(const ViewContent& view, const QRectF& box)
{
    QPolygonF points({view.origin, view.eye, view.aim});
    for (const QPolygonF& shape : view.paper)
        points += shape;
    QRectF bounds = points.boundingRect();
    const double pad = 0.08 * std::max({bounds.width(), bounds.height(), 1.0});
    bounds.adjust(-pad, -pad, pad, pad);
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit;
}

void DrawView(QPainter& painter, const QRectF& box, const QString& caption, const ViewContent& view, bool table)
{
    DrawText(painter, QRectF(box.left(), box.top(), box.width(), kFigureMm * 1.5), kFigureMm, caption, Qt::AlignLeft, true);
    const QRectF area = box.adjusted(0.0, kFigureMm * 1.8, 0.0, 0.0);
    painter.setPen(QPen(kGuideColour, kLineMm / 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    const QTransform fit = FitView(view, area);
    painter.setPen(QPen(kGuideColour, kLineMm, Qt::DashLine));
    if (table)
        painter.drawLine(QPointF(area.left(), fit.map(view.origin).y()), QPointF(area.right(), fit.map(view.origin).y()));
    painter.setPen(QPen(kPaperEdge, 2.0 * kLineMm));
    painter.setBrush(kPaperFill);
    for (const QPolygonF& shape : view.paper) {
        if (shape.size() > 2)
            painter.drawPolygon(fit.map(shape));
        else
            painter.drawPolyline(fit.map(shape));
    }
    const QPointF eye = fit.map(view.eye);
    const QPointF aim = fit.map(view.aim);
    painter.setPen(QPen(kCameraColour, kLineMm, Qt::DashLine));
    painter.drawLine(eye, aim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCameraColour);
    painter.drawEllipse(eye, 1.6, 1.6);
    painter.drawEllipse(aim, 0.8, 0.8);
    painter.setPen(QPen(Qt::black, kLineMm));
    const QPointF origin = fit.map(view.origin);
    painter.drawLine(origin - QPointF(1.5, 0.0), origin + QPointF(1.5, 0.0));
    painter.drawLine(origin - QPointF(0.0, 1.5), origin + QPointF(0.0, 1.5));
    DrawText(painter, QRectF(eye + QPointF(2.5, -kLabelMm / 2.0), QSizeF(40.0, 2.0 * kLabelMm)), kLabelMm,
             QStringLiteral("camera"));
}

// The bar, solid black and exactly kCheckBarMm long, with a tick at each centimetre above it.
void DrawCheckBar(QPainter& painter, const QPointF& topLeft)
{
    painter.setPen(QPen(Qt::black, kLineMm / 2.0));
    for (int cm = 0; cm <= 10; ++cm) {
        const double x = topLeft.x() + cm * 10.0;
        painter.drawLine(QPointF(x, topLeft.y() - (cm % 5 == 0 ? 3.0 : 1.5)), QPointF(x, topLeft.y() - 0.4));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(topLeft, QSizeF(kCheckBarMm, 3.0)));
    DrawText(painter, QRectF(topLeft + QPointF(0.0, 5.0), QSizeF(kCheckBarMm + 60.0, 2.0 * kFigureMm)), kFigureMm,
             QStringLiteral("This bar must measure 10.0 cm"));
}

} // namespace

void PaintSetupSheet(QPainter& painter, const QSizeF& pageMm, const CameraSetup& setup)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = pageMm.width() - 2.0 * kMarginMm;
    double y = kMarginMm;
    DrawText(painter, QRectF(kMarginMm, y, width, kTitleMm * 1.5), kTitleMm, QStringLiteral("Setting up the camera"),
             Qt::AlignLeft | Qt::AlignTop, true);
    y += kTitleMm * 2.0;
    for (const QString& line : FigureLines(setup)) {
        DrawText(painter, QRectF(kMarginMm, y, width, kFigureMm * 1.5), kFigureMm, line);
        y += kFigureMm * 1.6;
    }
    y += kFigureMm;
    const double barTop = pageMm.height() - kMarginMm - 15.0;
    const double views = std::max(0.0, barTop - 10.0 - y);
    const double planHeight = views * 0.55;
    DrawView(painter, QRectF(kMarginMm, y, width, planHeight - 4.0), QStringLiteral("Seen from above"), PlanView(setup),
             false);
    DrawView(painter, QRectF(kMarginMm, y + planHeight, width, views - planHeight), QStringLiteral("Seen from the side"),
             SideView(setup), true);
    DrawCheckBar(painter, QPointF(kMarginMm, barTop));
    painter.restore();
}

PdfPage SetupSheetPage(const CameraSetup& setup)
{
    const QSizeF pageMm = Paper{setup.paper.Format, PaperLayout::LFold}.PageSizeMm();
    return {pageMm, [setup, pageMm](QPainter& painter) {
                PaintSetupSheet(painter, pageMm, setup);
                return true;
            }};
}

} // namespace quorvane
