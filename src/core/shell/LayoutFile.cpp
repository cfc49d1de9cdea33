#include "core/shell/LayoutFile.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/output/ResultWriter.h"
#include "core/services/FileKind.h"
#include "core/shell/EmbeddedPicture.h"
#include "core/shell/PageResolution.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

namespace {

const QString kFormat = QStringLiteral("quorvane-layout");
constexpr int kVersion = 1;
constexpr qint64 kMaxFileBytes = qint64(1) << 30; // the base64 of the largest picture, and more
constexpr qsizetype kMaxFieldsBytes = qsizetype(16) << 20;
constexpr double kMaxCoordinate = 1e6;
const QString kBilinearName = QStringLiteral("bilinear");
const QString kExactName = QStringLiteral("exact");
const QString kDefaultSourceName = QStringLiteral("default");
const QString kDesignerSourceName = QStringLiteral("designer");
const QString kPhotoSourceName = QStringLiteral("photo");

QByteArray PictureAsPng(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return png.toBase64();
}

// Where the outline came from: its kind, for a capture where it lay in which view, and for a
// photo the photo itself with the corners in its pixels.
QJsonObject SourceToJson(const PaperOutline& outline)
{
    if (outline.Source == OutlineSource::Default)
        return {{QStringLiteral("kind"), kDefaultSourceName}};
    const bool photo = outline.Source == OutlineSource::Photo;
    QJsonObject source{{QStringLiteral("kind"), photo ? kPhotoSourceName : kDesignerSourceName},
                       {QStringLiteral("viewOrigin"), QJsonArray{outline.ViewOrigin.x(), outline.ViewOrigin.y()}},
                       {QStringLiteral("view"), QJsonArray{outline.View.width(), outline.View.height()}}};
    if (!photo)
        return source;
    QJsonArray corners;
    for (const QPointF& p : outline.PhotoCorners)
        corners.append(QJsonArray{p.x(), p.y()});
    source.insert(QStringLiteral("corners"), corners);
    source.insert(QStringLiteral("photo"),
                  QJsonObject{{QStringLiteral("png"), QString::fromLatin1(PictureAsPng(outline.Photo))}});
    return source;
}

QJsonObject ToJson(const Layout& layout)
{
    const Document& d = layout.doc;
    const CameraValues& camera = d.Outline.Camera;
    const auto points = [](const Outline& outline) {
        QJsonArray array;
        for (const QPoint& p : outline)
            array.append(QJsonArray{p.x(), p.y()});
        return array;
    };
    QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("pageStyle"), d.Paper.PageStyle()},
        {QStringLiteral("paperFormat"), FormatName(d.Paper.Format)},
        {QStringLiteral("camera"), QJsonObject{{QStringLiteral("distance"), camera.CameraDistance},
                                               {QStringLiteral("height"), camera.CameraHeight},
                                               {QStringLiteral("angle"), camera.CameraAngle},
                                               {QStringLiteral("fieldOfView"), camera.FieldOfView}}},
        {QStringLiteral("paper"), points(d.Outline.PaperPoint)},
        {QStringLiteral("paperSource"), SourceToJson(d.Outline)},
        {QStringLiteral("placement"), QJsonArray{d.Place.SelX1, d.Place.SelY1, d.Place.SelX2, d.Place.SelY2}},
        {QStringLiteral("placementPaper"), points(d.PlaceOutline)},
        {QStringLiteral("canvas"), QJsonArray{layout.canvas.width(), layout.canvas.height()}},
        {QStringLiteral("mapping"), d.Mapping == SheetMapping::Exact ? kExactName : kBilinearName},
        {QStringLiteral("pageDpi"), d.PageDpi},
        {QStringLiteral("picture"), QJsonObject{{QStringLiteral("file"), d.PictureFile},
                                                {QStringLiteral("png"), QString::fromLatin1(PictureAsPng(d.PictureImage))}}},
    };
    // One sheet has no keys of its own, so its layouts stay as they were.
    if (!d.Paper.Grid.IsSingle()) {
        root.insert(QStringLiteral("sheets"), GridText(d.Paper.Grid));
        root.insert(QStringLiteral("glueMm"), d.Paper.Grid.GlueMm);
    }
    return root;
}

// The base64 of the pictures as found in the file's text; empty to take them from the JSON.
struct EmbeddedPngs {
    QByteArrayView picture;
    QByteArrayView photo;
};

// Reads the fields a layout needs; the first one missing or out of range stops it.
class Reader {
public:
    Reader(const QJsonObject& root, EmbeddedPngs pngs)
        : root_(root)
        , pngs_(pngs)
    {
    }

    std::optional<QString> problem;

    double Number(const QJsonValue& value, const char* what, double lo, double hi)
    {
        const double n = value.toDouble(std::nan(""));
        if (!value.isDouble() || !std::isfinite(n) || n < lo || n > hi)
            Fail(QStringLiteral("%1 is missing or out of range").arg(QLatin1String(what)));
        return problem ? 0.0 : n;
    }

    QJsonArray Numbers(const QString& key, qsizetype count)
    {
        const QJsonArray array = root_.value(key).toArray();
        if (array.size() != count)
            Fail(QStringLiteral("the %1 must have %2 entries").arg(key).arg(count));
        return array;
    }

    QImage Picture()
    {
        return Image(root_.value(QStringLiteral("picture")).toObject(), pngs_.picture, "picture");
    }

    QImage Photo(const QJsonObject& source)
    {
        return Image(source.value(QStringLiteral("photo")).toObject(), pngs_.photo, "photo");
    }

    void Fail(const QString& reason)
    {
        if (!problem)
            problem = reason;
    }

private:
    // The picture of the object's "png" member, from the file's text when found there.
    QImage Image(const QJsonObject& holder, QByteArrayView inText, const char* what)
    {
        const QByteArray fromJson = holder.value(QStringLiteral("png")).toString().toLatin1();
        QBuffer buffer;
        // The PNG's bytes are the one allocation here that grows with the file.
        try {
            buffer.setData(DecodeEmbeddedPng(inText.isEmpty() ? QByteArrayView(fromJson) : inText));
        } catch (const std::bad_alloc&) {
            Fail(QStringLiteral("not enough memory to read the %1 in it").arg(QLatin1String(what)));
            return {};
        }
        QString reason = QStringLiteral("it is empty");
        const QImage image = buffer.size() > 0 && buffer.open(QIODevice::ReadOnly) ? DecodePicture(buffer, reason) : QImage();
        if (image.isNull())
            Fail(QStringLiteral("the %1 in it is missing or damaged (%2)").arg(QLatin1String(what), reason));
        return image;
    }

    const QJsonObject& root_;
    EmbeddedPngs pngs_;
};

// How the page is made; a layout from before these options existed makes the default page.
void ReadPageOptions(Reader& r, const QJsonObject& root, Document& d)
{
    const QJsonValue mapping = root.value(QStringLiteral("mapping"));
    const QJsonValue dpi = root.value(QStringLiteral("pageDpi"));
    const double value = dpi.toDouble(0);
    const bool knownDpi = std::any_of(std::begin(kPageDpis), std::end(kPageDpis),
                                      [value](int32_t known) { return known == value; });
    if (r.problem)
        return;
    if (!mapping.isUndefined() && mapping != kBilinearName && mapping != kExactName)
        r.problem = QStringLiteral("the mapping is unknown");
    else if (!dpi.isUndefined() && !knownDpi)
        r.problem = QStringLiteral("the page resolution is unknown");
    if (mapping == kExactName)
        d.Mapping = SheetMapping::Exact;
    if (knownDpi)
        d.PageDpi = int32_t(value);
}

// A layout from before there were formats is on the default one.
void ReadFormat(Reader& r, const QJsonValue& name, Paper& paper)
{
    if (name.isUndefined() || r.problem)
        return;
    const std::optional<PaperFormat> format = FormatOfName(name.toString());
    if (!format)
        r.problem = QStringLiteral("the paper format is unknown");
    paper.Format = format.value_or(paper.Format);
}

// A layout without a grid is on one sheet.
void ReadGrid(Reader& r, const QJsonObject& root, Paper& paper)
{
    const QJsonValue sheets = root.value(QStringLiteral("sheets"));
    const QJsonValue glue = root.value(QStringLiteral("glueMm"));
    if (r.problem || (sheets.isUndefined() && glue.isUndefined()))
        return;
    const std::optional<SheetGrid> grid = GridOfText(sheets.toString());
    if (!grid) {
        r.problem = QStringLiteral("the sheet grid is unknown");
        return;
    }
    paper.Grid = *grid;
    if (!glue.isUndefined())
        paper.Grid.GlueMm = r.Number(glue, "the glue margin", 0, kMaxGlueMm);
}

void ReadCamera(Reader& r, const QJsonObject& camera, CameraValues& out)
{
    out.CameraDistance = r.Number(camera.value(QStringLiteral("distance")), "the camera distance", 0.1, 1e4);
    out.CameraHeight = r.Number(camera.value(QStringLiteral("height")), "the camera height", 0.1, 1e4);
    out.CameraAngle = r.Number(camera.value(QStringLiteral("angle")), "the camera angle", -180, 180);
    out.FieldOfView = r.Number(camera.value(QStringLiteral("fieldOfView")), "the field of view", 1, 179);
}

// Six corners as [x, y] pairs of whole numbers from `lo` up.
Outline ReadOutline(Reader& r, const QString& key, double lo)
{
    const QJsonArray corners = r.Numbers(key, 6);
    Outline outline{};
    for (qsizetype i = 0; i < corners.size() && !r.problem; ++i) {
        const QJsonArray p = corners.at(i).toArray();
        outline[size_t(i)] = QPoint(int(r.Number(p.at(0), "a paper corner", lo, kMaxCoordinate)),
                                    int(r.Number(p.at(1), "a paper corner", lo, kMaxCoordinate)));
    }
    return outline;
}

// A photo's outline keeps the photo, the size it has and the corners in it; any of them
// missing or damaged refuses the layout. The photo is decoded last, once all else was read.
void ReadPhotoSource(Reader& r, const QJsonObject& source, PaperOutline& outline)
{
    const QJsonArray origin = source.value(QStringLiteral("viewOrigin")).toArray();
    const QJsonArray view = source.value(QStringLiteral("view")).toArray();
    const QJsonArray corners = source.value(QStringLiteral("corners")).toArray();
    if (origin.size() != 2 || view.size() != 2 || corners.size() != 6) {
        r.Fail(QStringLiteral("the photo's corners are missing"));
        return;
    }
    outline.ViewOrigin = QPoint(int(r.Number(origin.at(0), "the photo's outline", -kMaxCoordinate, kMaxCoordinate)),
                                int(r.Number(origin.at(1), "the photo's outline", -kMaxCoordinate, kMaxCoordinate)));
    outline.View = QSize(int(r.Number(view.at(0), "the photo's width", 1, kMaxCoordinate)),
                         int(r.Number(view.at(1), "the photo's height", 1, kMaxCoordinate)));
    for (qsizetype i = 0; i < corners.size() && !r.problem; ++i) {
        const QJsonArray p = corners.at(i).toArray();
        outline.PhotoCorners[size_t(i)] = QPointF(r.Number(p.at(0), "a corner in the photo", 0, outline.View.width()),
                                                  r.Number(p.at(1), "a corner in the photo", 0, outline.View.height()));
    }
    if (r.problem)
        return;
    outline.Photo = r.Photo(source);
    if (!r.problem && outline.Photo.size() != outline.View)
        r.Fail(QStringLiteral("the photo in it is not of the size its corners were found in"));
    outline.Photo = outline.Photo.convertToFormat(QImage::Format_RGB32);
}

// The outline's source is only told, never needed, except for a photo's: a layout from before
// it was kept, or of a kind this version does not know, has the default outline's or else the
// designer's.
void ReadOutlineSource(Reader& r, const QJsonObject& source, const Paper& paper, PaperOutline& outline)
{
    const QString kind = source.value(QStringLiteral("kind")).toString();
    if (kind == kPhotoSourceName) {
        outline.Source = OutlineSource::Photo;
        ReadPhotoSource(r, source, outline);
        return;
    }
    const bool isDefault = kind == kDefaultSourceName
                           || (kind != kDesignerSourceName && outline.PaperPoint == paper.DefaultOutline().PaperPoint);
    outline.Source = isDefault ? OutlineSource::Default : OutlineSource::Designer;
    const QJsonArray origin = source.value(QStringLiteral("viewOrigin")).toArray();
    const QJsonArray view = source.value(QStringLiteral("view")).toArray();
    if (isDefault || origin.size() != 2 || view.size() != 2)
        return;
    outline.ViewOrigin = QPoint(origin.at(0).toInt(), origin.at(1).toInt());
    outline.View = QSize(view.at(0).toInt(), view.at(1).toInt());
}

std::optional<Layout> ReadLayout(Reader& r, const QJsonObject& root)
{
    Layout layout;
    Document& d = layout.doc;
    const std::optional<Paper> paper =
        PaperOfStyle(r.Number(root.value(QStringLiteral("pageStyle")), "the page style", 4.1, 6));
    if (!r.problem && !paper)
        r.problem = QStringLiteral("the page style is unknown");
    d.Paper = paper.value_or(Paper{});
    ReadFormat(r, root.value(QStringLiteral("paperFormat")), d.Paper);
    ReadGrid(r, root, d.Paper);
    ReadCamera(r, root.value(QStringLiteral("camera")).toObject(), d.Outline.Camera);
    d.Outline.PaperPoint = ReadOutline(r, QStringLiteral("paper"), 0);
    if (!r.problem && (d.Outline.PaperWidth() == 0 || d.Outline.PaperHeight() == 0))
        r.problem = QStringLiteral("the paper outline is empty");
    if (!r.problem)
        r.problem = OutlineProblem(d.Outline.PaperPoint, d.Paper.Layout);
    const QJsonObject source = root.value(QStringLiteral("paperSource")).toObject();
    const bool photo = source.value(QStringLiteral("kind")) == kPhotoSourceName;
    if (!photo)
        ReadOutlineSource(r, source, d.Paper, d.Outline);
    const QJsonArray place = r.Numbers(QStringLiteral("placement"), 4);
    float sel[4] = {};
    for (qsizetype i = 0; i < place.size() && !r.problem; ++i)
        sel[i] = float(r.Number(place.at(i), "the placement", -kMaxCoordinate, kMaxCoordinate));
    d.Place = {sel[0], sel[1], sel[2], sel[3]};
    d.PlaceOutline = ReadOutline(r, QStringLiteral("placementPaper"), -kMaxCoordinate);
    const QJsonArray canvas = r.Numbers(QStringLiteral("canvas"), 2);
    if (!r.problem)
        layout.canvas = QSize(int(r.Number(canvas.at(0), "the canvas width", 1, kMaxCoordinate)),
                              int(r.Number(canvas.at(1), "the canvas height", 1, kMaxCoordinate)));
    ReadPageOptions(r, root, d);
    if (photo && !r.problem)
        ReadOutlineSource(r, source, d.Paper, d.Outline);
    if (r.problem)
        return std::nullopt;
    d.PictureImage = r.Picture();
    d.PictureFile = root.value(QStringLiteral("picture")).toObject().value(QStringLiteral("file")).toString();
    if (r.problem)
        return std::nullopt;
    return layout;
}

// The text with the characters of these spans (those found; they do not overlap) left out.
QByteArray WithoutSpans(const QByteArray& text, std::vector<std::optional<TextSpan>> spans)
{
    std::erase_if(spans, [](const std::optional<TextSpan>& span) { return !span; });
    std::sort(spans.begin(), spans.end(), [](const auto& a, const auto& b) { return a->begin < b->begin; });
    QByteArray kept;
    qsizetype from = 0;
    for (const std::optional<TextSpan>& span : spans) {
        kept.append(QByteArrayView(text).sliced(from, span->begin - from));
        from = span->end;
    }
    return kept.append(QByteArrayView(text).sliced(from));
}

QString CouldNotOpen(const QString& name, const QString& reason)
{
    return QStringLiteral("The layout \"%1\" could not be opened: %2.").arg(name, reason);
}

} // namespace

QByteArray LayoutToJson(const Layout& layout)
{
    return QJsonDocument(ToJson(layout)).toJson(QJsonDocument::Indented);
}

LayoutRead LayoutFromJson(const QByteArray& text, const QString& name)
{
    if (text.contains('\0'))
        return {std::nullopt, CouldNotOpen(name, QStringLiteral("it is damaged: it holds a zero byte"))};
    // The JSON parser holds its text several times over: it gets the fields without the
    // pictures' characters, which are decoded from the text itself.
    const std::optional<TextSpan> png = FindEmbeddedPng(text);
    const std::optional<TextSpan> photoPng = FindEmbeddedPng(text, {"paperSource", "photo"});
    const QByteArray fields = WithoutSpans(text, {png, photoPng});
    if (fields.size() > kMaxFieldsBytes)
        return {std::nullopt, CouldNotOpen(name, QStringLiteral("its fields besides the picture are over 16 MiB"))};
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(fields, &error);
    if (parsed.isNull())
        return {std::nullopt, CouldNotOpen(name, QStringLiteral("it is damaged or cut short (%1)").arg(error.errorString()))};
    const QJsonObject root = parsed.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat)
        return {std::nullopt, CouldNotOpen(name, QStringLiteral("it is not a Quorvane layout"))};
    const auto inText = [&text](const std::optional<TextSpan>& span) {
        return span ? QByteArrayView(text).sliced(span->begin, span->end - span->begin) : QByteArrayView();
    };
    Reader reader(root, {inText(png), inText(photoPng)});
    std::optional<Layout> layout = ReadLayout(reader, root);
    if (!layout)
        return {std::nullopt, CouldNotOpen(name, *reader.problem)};
    return {std::move(layout), {}};
}

std::optional<QString> SaveLayout(const Layout& layout, const QString& path)
{
    if (const std::optional<QString> reason = ReplaceFileWith(path, LayoutToJson(layout)))
        return QStringLiteral("Could not save the layout as \"%1\": %2.").arg(QFileInfo(path).fileName(), *reason);
    return std::nullopt;
}

LayoutRead LoadLayout(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (const std::optional<QString> reason = OpenRegularFile(file))
        return {std::nullopt, CouldNotOpen(name, *reason)};
    const qint64 size = file.size();
    if (size > kMaxFileBytes)
        return {std::nullopt, CouldNotOpen(name, QStringLiteral("it is over 1 GiB"))};
    // Mapped, not read: the picture is decoded from the file's own pages.
    const uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    if (size > 0 && !mapped)
        return {std::nullopt, CouldNotOpen(name, file.errorString())};
    return LayoutFromJson(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(size)), name);
}

} // namespace quorvane
