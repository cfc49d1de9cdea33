#include "cli/Commands.h"

#include <QString>

#include "cli/CommandSupport.h"
#include "core/generation/DibFile.h"
#include "core/generation/TransBitmapExact.h"
#include "core/output/SaveNames.h"
#include "core/shell/PictureLoader.h"

namespace quorvane::cli {

namespace {

// The source picture as SrcBits, the whole buffer as the target rectangle.
std::optional<TransformState> SourceState(const QImage& picture, const std::vector<float>& quad)
{
    PixelBuffer source = PixelBuffer::FromImage(picture);
    if (source.IsEmpty())
        return std::nullopt;
    std::array<SinglePoint, 4> corners;
    for (size_t k = 0; k < corners.size(); ++k)
        corners[k] = {quad[2 * k], quad[2 * k + 1]};
    return WholeBufferState(std::move(source), corners);
}

} // namespace

int RunReproject(const CliArgs& args)
{
    std::string error = UnknownOption(args, {"quad", "mapping"});
    const auto quad = ParseNumbers(args.Option("quad").value_or(""), 8);
    const auto mapping = ParseMapping(args);
    if (error.empty() && args.positionals.size() != 2)
        error = "reproject needs a source and a destination file";
    else if (error.empty() && !quad)
        error = "--quad must be X1,Y1,X2,Y2,X3,Y3,X4,Y4";
    else if (error.empty() && !mapping)
        error = "--mapping must be bilinear or exact";
    if (!error.empty())
        return UsageError(error);
    const std::optional<QString> source = FileNameArgument(args.positionals[0], error);
    if (!source)
        return Fail(error, kExitBadInput);
    const std::optional<QString> destination = FileNameArgument(args.positionals[1], error);
    if (!destination)
        return Fail(error, kExitWriteFailed);
    if (const std::string same = SameFileProblem({{"the source", *source}}, {{"the destination", *destination}});
        !same.empty())
        return UsageError(same);
    if (const std::optional<WriteResult> refused = CheckResultTarget(*destination))
        return ExitCodeOf(*refused);

    const LoadedPicture picture = LoadPicture(*source);
    if (picture.image.isNull())
        return Fail(picture.error.toStdString(), kExitBadInput);
    auto gen = SourceState(picture.image, *quad);
    QImage target(gen ? gen->BitsWidth : 0, gen ? gen->BitsHeight : 0, QImage::Format_RGB32);
    if (!gen || target.isNull())
        return Fail("the picture is too large to re-project", kExitBadInput);
    target.fill(Qt::white);

    GenControl control;
    control.GenProgressBase = 50;
    ReprojectPass(*gen, control, TerminalProgress(control), *mapping);
    EndTerminalProgress();
    ShowBitmap(gen->DstBits, target);
    // A ".bmp" destination keeps every byte of the buffer, the fourth included.
    if (FormatOfFileName(*destination) == PageFileFormat::Bmp)
        return ExitCodeOf(WriteResultBytes(EncodeBitmapFile(gen->DstBits), *destination));
    return ExitCodeOf(WriteResultImage(target, *destination));
}

} // namespace quorvane::cli
