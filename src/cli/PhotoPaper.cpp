#include "cli/PhotoPaper.h"

#include <optional>
#include <vector>

#include <QString>

#include "cli/CommandSupport.h"
#include "core/photo/PhotoCorners.h"
#include "core/photo/PhotoOutline.h"
#include "core/shell/PictureLoader.h"

namespace quorvane::cli {

namespace {

const std::vector<std::string> kCameraOptions{"distance", "angle", "height", "fov", "view"};

// The corners --corners gives, in the photo's pixels; no value and `error` set when one
// lies outside the photo.
std::optional<PhotoPoints> GivenCorners(const std::vector<float>& numbers, QSize photo, std::string& error)
{
    PhotoPoints corners{};
    for (size_t i = 0; i < corners.size(); ++i) {
        corners[i] = QPointF(numbers[2 * i], numbers[2 * i + 1]);
        if (corners[i].x() < 0 || corners[i].y() < 0 || corners[i].x() > photo.width() || corners[i].y() > photo.height()) {
            error = "--corners must lie within the photo (" + std::to_string(photo.width()) + " x "
                    + std::to_string(photo.height()) + " pixels)";
            return std::nullopt;
        }
    }
    return corners;
}

} // namespace

std::string PhotoOptionsProblem(const CliArgs& args)
{
    const std::optional<std::string> corners = args.Option("corners");
    if (!args.Option("photo"))
        return corners ? "--corners needs --photo" : "";
    if (args.HasFlag("default-paper"))
        return "--photo takes the paper from the photo, not --default-paper";
    for (const std::string& name : kCameraOptions)
        if (args.Option(name))
            return "--photo takes the camera from the photo: --" + name + " cannot go with it";
    if (corners && !ParseNumbers(*corners, 12))
        return "--corners must be X1,Y1,...,X6,Y6: the six corners in the photo's pixels";
    return "";
}

bool PaperFromPhoto(const CliArgs& args, Document& doc, std::string& error)
{
    const std::optional<QString> name = FileNameArgument(*args.Option("photo"), error);
    if (!name)
        return false;
    const LoadedPicture photo = LoadPicture(*name);
    if (photo.image.isNull()) {
        error = photo.error.toStdString();
        return false;
    }
    std::optional<PhotoPoints> corners;
    if (const std::optional<std::string> given = args.Option("corners")) {
        corners = GivenCorners(*ParseNumbers(*given, 12), photo.image.size(), error);
    } else {
        const CornerSearch found = FindPaperCorners(photo.image, doc.Paper.Layout);
        corners = found.corners;
        error = found.message.toStdString();
    }
    if (!corners)
        return false;
    const OutlineCapture capture = PhotoOutline(photo.image, *corners, doc.Paper);
    if (!capture.outline) {
        error = capture.message.toStdString();
        return false;
    }
    doc.Outline = *capture.outline;
    return true;
}

} // namespace quorvane::cli
