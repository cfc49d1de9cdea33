#include "cli/Commands.h"

#include <iostream>
#include <sstream>

#include <QString>

#include "cli/CommandSupport.h"
#include "cli/DesignerPaper.h"
#include "core/photo/PhotoCamera.h"
#include "core/photo/PhotoCorners.h"
#include "core/shell/PictureLoader.h"

namespace quorvane::cli {

namespace {

const std::set<std::string> kDetectOptions{"style", "paper"};

std::string Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toStdString();
}

std::string DetectJson(const PhotoPoints& corners, const PhotoCamera& camera)
{
    std::ostringstream json;
    json << "{\"corners\": [";
    for (size_t i = 0; i < corners.size(); ++i)
        json << (i ? ", " : "") << "[" << Fixed(corners[i].x(), 3) << ", " << Fixed(corners[i].y(), 3) << "]";
    json << "], \"camera\": {\"distance\": " << Fixed(camera.DistanceCm, 2) << ", \"angle\": " << Fixed(camera.Angle, 2)
         << ", \"height\": " << Fixed(camera.HeightCm, 2) << ", \"fov\": " << Fixed(camera.FieldOfView, 2)
         << "}, \"error\": " << Fixed(camera.Error, 3) << "}";
    return json.str();
}

} // namespace

int RunDetect(const CliArgs& args)
{
    std::string error = UnknownOption(args, kDetectOptions);
    const std::optional<Paper> paper = PaperFromArgs(args, error);
    if (error.empty() && args.positionals.size() != 1)
        error = "detect takes one photo: quorvane-cli detect PHOTO";
    if (!error.empty())
        return UsageError(error);
    const std::optional<QString> name = FileNameArgument(args.positionals.front(), error);
    if (!name)
        return Fail(error, kExitBadInput);
    const LoadedPicture photo = LoadPicture(*name);
    if (photo.image.isNull())
        return Fail(photo.error.toStdString(), kExitBadInput);
    const CornerSearch found = FindPaperCorners(photo.image, paper->Layout);
    if (!found.corners)
        return Fail(found.message.toStdString(), kExitBadInput);
    const std::optional<PhotoCamera> camera = CameraFromCorners(*found.corners, photo.image.size(), *paper);
    if (!camera)
        return Fail("no camera in front of the paper sees its corners where they were found", kExitBadInput);
    std::cout << DetectJson(*found.corners, *camera) << "\n";
    return kExitDone;
}

} // namespace quorvane::cli
