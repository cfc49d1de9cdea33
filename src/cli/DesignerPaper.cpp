#include "cli/DesignerPaper.h"

#include <cmath>
#include <iostream>

#include <QRegularExpression>
#include <QString>

#include "core/designer/CornerCheck.h"
#include "core/shell/Numeric.h"
#include "scene/OffscreenView.h"

namespace quorvane::cli {

namespace {

std::optional<double> ParseNumber(const std::string& text)
{
    bool ok = false;
    const double value = QString::fromStdString(text).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<Paper> PaperOfStyleText(const std::string& text)
{
    for (const PageStyleName& style : kPageStyleNames) {
        if (text == style.name)
            return PaperOfStyle(style.PageStyle);
    }
    const std::optional<double> value = ParseNumber(text);
    return value ? PaperOfStyle(*value) : std::nullopt;
}

namespace {

// A camera option in its unit (cm or degrees); `perStep` slider steps make one unit.
bool ReadCameraOption(const CliArgs& args, const char* name, CameraRow row, double perStep,
                      DesignerCamera& camera, std::string& error)
{
    const std::optional<std::string> text = args.Option(name);
    if (!text)
        return true;
    const SliderRange& range = RangeOf(row);
    // The range holds before rounding: 90.06 degrees is refused, not taken as 90.
    const std::optional<double> value = ParseNumber(*text);
    const bool inRange = value && *value * perStep >= range.Min && *value * perStep <= range.Max;
    const std::optional<int32_t> steps = inRange ? RoundHalfEven(*value * perStep) : std::nullopt;
    if (!steps) {
        error = std::string("--") + name + " must be a number from " + QString::number(range.Min / perStep).toStdString()
                + " to " + QString::number(range.Max / perStep).toStdString();
        return false;
    }
    camera.SetSliderValue(row, *steps);
    return true;
}

bool ReadStyle(const CliArgs& args, Paper& paper, std::string& error)
{
    const std::optional<std::string> text = args.Option("style");
    if (!text)
        return true;
    const std::optional<Paper> styled = PaperOfStyleText(*text);
    if (!styled) {
        error = kStyleError;
        return false;
    }
    paper = *styled;
    return true;
}

bool ReadView(const CliArgs& args, QSize& view, std::string& error)
{
    const std::optional<std::string> text = args.Option("view");
    if (!text)
        return true;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromStdString(*text));
    const QSize size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (size.width() < 1 || size.height() < 1 || size.width() > 4096 || size.height() > 4096) {
        error = "--view must be WIDTHxHEIGHT, each from 1 to 4096 pixels";
        return false;
    }
    view = size;
    return true;
}

} // namespace

std::optional<DesignerRequest> DesignerRequestFromArgs(const CliArgs& args, std::string& error)
{
    DesignerRequest request;
    const bool ok = ReadStyle(args, request.paper, error)
                    && ReadCameraOption(args, "distance", CameraRow::Distance, 10.0, request.camera, error)
                    && ReadCameraOption(args, "angle", CameraRow::Angle, 1.0, request.camera, error)
                    && ReadCameraOption(args, "height", CameraRow::Height, 10.0, request.camera, error)
                    && ReadCameraOption(args, "fov", CameraRow::FieldOfView, 1.0, request.camera, error)
                    && ReadView(args, request.view, error);
    if (!ok)
        return std::nullopt;
    return request;
}

bool PaperFromDesigner(const CliArgs& args, Document& doc, std::string& error)
{
    const std::optional<DesignerRequest> request = DesignerRequestFromArgs(args, error);
    if (!request)
        return false;
    OffscreenView view(request->view);
    if (!view.IsValid()) {
        error = view.Error().toStdString();
        return false;
    }
    const DesignerCamera& camera = request->camera;
    const FoundCorners found = view.CaptureCorners(camera.Camera(), request->paper);
    for (const QString& message : view.Messages())
        std::cerr << "quorvane-cli: " << message.toStdString() << "\n";
    const OutlineCapture capture = CaptureOutline(found, request->paper, camera.Camera(), request->view);
    if (!capture.outline) {
        error = capture.message.toStdString();
        return false;
    }
    doc.Paper = request->paper;
    doc.Outline = *capture.outline;
    return true;
}

} // namespace quorvane::cli
