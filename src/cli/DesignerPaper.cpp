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

// The end of a camera option's range in the unit the designer's field shows.
std::string RangeEnd(CameraRow row, int steps)
{
    const double value = steps * DesignerCamera::FieldUnitsPerStep(row);
    return QString::number(value, 'f', DesignerCamera::ShowsLength(row) ? 1 : 0).toStdString();
}

// A camera option in the unit the designer's field shows (cm of printed paper or degrees).
bool ReadCameraOption(const CliArgs& args, const char* name, CameraRow row, DesignerCamera& camera,
                      std::string& error)
{
    const std::optional<std::string> text = args.Option(name);
    if (!text)
        return true;
    const SliderRange& range = RangeOf(row);
    // The range holds before rounding: 90.06 degrees is refused, not taken as 90.
    const std::optional<double> value = ParseNumber(*text);
    const double inSteps = value ? *value / DesignerCamera::FieldUnitsPerStep(row) : 0.0;
    const bool inRange = value && inSteps >= range.Min && inSteps <= range.Max;
    const std::optional<int32_t> steps = inRange ? RoundHalfEven(inSteps) : std::nullopt;
    if (!steps) {
        error = std::string("--") + name + " must be a number from " + RangeEnd(row, range.Min) + " to "
                + RangeEnd(row, range.Max);
        return false;
    }
    camera.SetSliderValue(row, *steps);
    return true;
}

// The style and the format, and the camera starting at the paper's default one.
bool ReadPaper(const CliArgs& args, DesignerRequest& request, std::string& error)
{
    const std::optional<Paper> paper = PaperFromArgs(args, error);
    if (!paper)
        return false;
    request.paper = *paper;
    request.camera.Keep(paper->DefaultCamera(), *paper);
    request.camera.Restore();
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

std::optional<Paper> PaperFromArgs(const CliArgs& args, std::string& error)
{
    const std::optional<PaperFormat> format = FormatFromArgs(args, error);
    if (!format)
        return std::nullopt;
    std::optional<Paper> paper = PaperOfStyleText(args.Option("style").value_or("lfold"), *format);
    if (!paper) {
        error = kStyleError;
        return std::nullopt;
    }
    const std::optional<SheetGrid> grid = GridFromArgs(args, error);
    if (!grid)
        return std::nullopt;
    paper->Grid = *grid;
    return paper;
}

std::optional<SheetGrid> GridFromArgs(const CliArgs& args, std::string& error)
{
    SheetGrid grid;
    if (const std::optional<std::string> text = args.Option("sheets")) {
        const std::optional<SheetGrid> read = GridOfText(QString::fromStdString(*text));
        if (!read) {
            error = "--sheets must be COLUMNSxROWS, each from 1 to " + std::to_string(kMaxGridSheets);
            return std::nullopt;
        }
        grid = *read;
    }
    if (const std::optional<std::string> text = args.Option("glue")) {
        const std::optional<double> glue = GlueOfText(QString::fromStdString(*text));
        if (!glue) {
            error = "--glue must be a number of millimetres from 0 to "
                    + QString::number(kMaxGlueMm).toStdString();
            return std::nullopt;
        }
        grid.GlueMm = *glue;
    }
    return grid;
}

std::optional<Paper> PaperOfStyleText(const std::string& text, PaperFormat format)
{
    for (const PageStyleName& style : kPageStyleNames) {
        if (text == style.name)
            return PaperOfStyle(style.PageStyle, format);
    }
    const std::optional<double> value = ParseNumber(text);
    return value ? PaperOfStyle(*value, format) : std::nullopt;
}

std::optional<DesignerRequest> DesignerRequestFromArgs(const CliArgs& args, std::string& error)
{
    DesignerRequest request;
    const bool ok = ReadPaper(args, request, error)
                    && ReadCameraOption(args, "distance", CameraRow::Distance, request.camera, error)
                    && ReadCameraOption(args, "angle", CameraRow::Angle, request.camera, error)
                    && ReadCameraOption(args, "height", CameraRow::Height, request.camera, error)
                    && ReadCameraOption(args, "fov", CameraRow::FieldOfView, request.camera, error)
                    && ReadView(args, request.view, error);
    if (!ok)
        return std::nullopt;
    return request;
}

std::optional<PaperFormat> FormatFromArgs(const CliArgs& args, std::string& error)
{
    const std::optional<std::string> name = args.Option("paper");
    const std::optional<PaperFormat> format = name ? FormatOfName(QString::fromStdString(*name)) : PaperFormat::A4;
    if (!format)
        error = "--paper must be a4, letter or a3";
    return format;
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
