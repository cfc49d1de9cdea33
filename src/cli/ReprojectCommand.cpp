#include "cli/Commands.h"

#include <QSaveFile>
#include <QString>

#include "cli/CommandSupport.h"
#include "core/generation/DibFile.h"
#include "core/generation/TransBitmapExact.h"
#include "core/shell/PictureLoader.h"

namespace quorvane::cli {

namespace {

// The source picture as SrcBits, the whole buffer as the target rectangle.
std::optional<TransformState> SourceState(const QImage& picture, const std::vector<float>& quad)
{
    TransformState gen;
    gen.SrcBits = PixelBuffer::FromImage(picture);
    if (gen.SrcBits.IsEmpty())
        return std::nullopt;
    gen.BitsWidth = gen.SrcBits.Width();
    gen.BitsHeight = gen.SrcBits.Height();
    gen.DstX2 = static_cast<float>(gen.BitsWidth - 1);
    gen.DstY2 = static_cast<float>(gen.BitsHeight - 1);
    for (size_t k = 0; k < gen.SrcQuad.size(); ++k)
        gen.SrcQuad[k] = {quad[2 * k], quad[2 * k + 1]};
    return gen;
}

// A ".bmp" destination keeps every byte of the buffer, the fourth included.
int WriteBitmapFile(const PixelBuffer& buffer, const QString& path)
{
    QSaveFile file(path);
    const QByteArray bytes = EncodeBitmapFile(buffer);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.commit())
        return Fail("could not write " + path.toStdString() + ": " + file.errorString().toStdString(),
                    kExitWriteFailed);
    return kExitDone;
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
    const QString source = QString::fromStdString(args.positionals[0]);
    const QString destination = QString::fromStdString(args.positionals[1]);

    const LoadedPicture picture = LoadPicture(source);
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
    if (destination.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return WriteBitmapFile(gen->DstBits, destination);
    return ExitCodeOf(WriteResultImage(target, destination));
}

} // namespace quorvane::cli
