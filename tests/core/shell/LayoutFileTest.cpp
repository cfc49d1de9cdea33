#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core/shell/LayoutFile.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

namespace {

// A layout with every field away from its default and a picture with see-through pixels.
Layout DrawnLayout()
{
    QImage picture(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 36, y * 50, 200, (x * 40 + y * 9) % 256));
    Layout layout;
    Document& d = layout.doc;
    d.PictureImage = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    d.PictureFile = QStringLiteral("/gone/cup.png");
    d.Paper = {PaperFormat::Letter, PaperLayout::Upright};
    d.Outline = {{{{0, 90}, {480, 3}, {470, 340}, {700, 480}, {200, 630}, {15, 460}}},
                 OutlineSource::Designer, {212.5, 60.1, -37, 22}, QPoint(31, 17), QSize(523, 450), {}, {}};
    d.Place = {120.25f, 80.5f, 401.75f, 260.125f};
    d.PlaceOutline = {{{-5, 80}, {473, 2}, {467, 341}, {700, 480}, {200, 630}, {15, 460}}};
    d.Mapping = SheetMapping::Exact;
    d.PageDpi = 300;
    layout.canvas = QSize(853, 480);
    return layout;
}

QByteArray Changed(const Layout& layout, const char* key, const QJsonValue& value)
{
    QJsonObject root = QJsonDocument::fromJson(LayoutToJson(layout)).object();
    if (value.isUndefined())
        root.remove(QLatin1String(key));
    else
        root.insert(QLatin1String(key), value);
    return QJsonDocument(root).toJson();
}

QJsonArray Corners(std::initializer_list<QPoint> corners)
{
    QJsonArray array;
    for (const QPoint& p : corners)
        array.append(QJsonArray{p.x(), p.y()});
    return array;
}

} // namespace

// The picture goes with the layout, so it opens wherever the picture went; a failed save
// or a missing file says why.
TEST(LayoutFile, SavedLayoutOpensAsTheSameDocumentAndFailuresSayWhy)
{
    QTemporaryDir dir;
    const Layout layout = DrawnLayout();
    const QString path = dir.filePath(QStringLiteral("cup.quorvane"));
    ASSERT_EQ(SaveLayout(layout, path), std::nullopt);
    const std::optional<QString> failed = SaveLayout(layout, path + QStringLiteral("/x.quorvane")); // under a file
    EXPECT_TRUE(failed && failed->contains(QStringLiteral("x.quorvane")));

    const LayoutRead read = LoadLayout(path);
    ASSERT_TRUE(read.layout) << read.error.toStdString();
    EXPECT_EQ(read.layout->doc, layout.doc); // pixels, placement, camera and paper exactly
    EXPECT_EQ(read.layout->canvas, layout.canvas);
    EXPECT_TRUE(LoadLayout(dir.filePath(QStringLiteral("none"))).error.contains(QLatin1String("does not exist")));
    EXPECT_FALSE(LoadLayout(dir.path()).layout);
    ASSERT_TRUE(QFile::link(QStringLiteral("loop"), dir.filePath(QStringLiteral("loop"))));
    EXPECT_TRUE(LoadLayout(dir.filePath(QStringLiteral("loop"))).error.contains(QLatin1String("symbolic links")));
}

// The toolkit's decoding limit is the process's: a low one shows whether the layout's
// picture is decoded under the picture loader's own limit.
TEST(LayoutFile, PictureOverTheToolkitsLimitOpens)
{
    Layout layout = DrawnLayout();
    QImage picture(600, 600, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgba(10, 20, 30, 255));
    layout.doc.PictureImage = picture;
    layout.doc.PictureFile = QStringLiteral("big.png");
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    const LayoutRead read = LayoutFromJson(LayoutToJson(layout), QStringLiteral("big.quorvane"));
    QImageReader::setAllocationLimit(limit);
    ASSERT_TRUE(read.layout) << read.error.toStdString();
    EXPECT_EQ(read.layout->doc, layout.doc);
}

TEST(LayoutFile, NewerFileWithFieldsOfItsOwnStillOpens)
{
    const Layout layout = DrawnLayout();
    QJsonObject root = QJsonDocument::fromJson(LayoutToJson(layout)).object();
    root.insert(QStringLiteral("version"), 7);
    root.insert(QStringLiteral("lighting"), QStringLiteral("something new"));
    const LayoutRead read = LayoutFromJson(QJsonDocument(root).toJson(), QStringLiteral("new.quorvane"));
    ASSERT_TRUE(read.layout) << read.error.toStdString();
    EXPECT_EQ(read.layout->doc, layout.doc);

    // One written before the mapping, the resolution and the format were options makes the
    // default page on A4.
    root.remove(QStringLiteral("mapping"));
    root.remove(QStringLiteral("pageDpi"));
    root.remove(QStringLiteral("paperFormat"));
    const LayoutRead older = LayoutFromJson(QJsonDocument(root).toJson(), QStringLiteral("old.quorvane"));
    ASSERT_TRUE(older.layout) << older.error.toStdString();
    EXPECT_EQ(older.layout->doc.Mapping, SheetMapping::Bilinear);
    EXPECT_EQ(older.layout->doc.PageDpi, 144);
    EXPECT_EQ(older.layout->doc.Paper.Format, PaperFormat::A4);
}

TEST(LayoutFile, DamagedOrForeignFilesGiveTheReasonAndNoDocument)
{
    const Layout layout = DrawnLayout();
    const QByteArray whole = LayoutToJson(layout);
    struct Row { QByteArray bytes; const char* reason; };
    const Row rows[] = {
        {whole.left(whole.size() / 2), "damaged or cut short"},
        {QByteArray("{\"format\": \"spreadsheet\"}"), "not a Quorvane layout"},
        {Changed(layout, "pageStyle", 5), "page style is unknown"},
        {Changed(layout, "pageStyle", QStringLiteral("6")), "page style is missing"},
        {Changed(layout, "paper", QJsonArray{1, 2}), "paper must have 6 entries"},
        // Outlines of no page: a pixel-wide sliver a million pixels tall, a line, a point.
        {Changed(layout, "paper", Corners({{0, 0}, {1, 0}, {1, 1000000}, {1, 1000000}, {0, 1000000}, {0, 1000000}})),
         "encloses no area"},
        {Changed(layout, "paper", Corners({{0, 0}, {100, 100}, {200, 200}, {200, 200}, {300, 300}, {300, 300}})),
         "encloses no area"},
        {Changed(layout, "paper", Corners({{5, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}})), "encloses no area"},
        {Changed(layout, "placement", QJsonArray{1, 2, 3, 1e300}), "placement is missing or out of range"},
        {Changed(layout, "mapping", QStringLiteral("cylindrical")), "mapping is unknown"},
        {Changed(layout, "pageDpi", 250), "page resolution is unknown"},
        {Changed(layout, "paperFormat", QStringLiteral("b5")), "paper format is unknown"},
        {Changed(layout, "picture", QJsonObject{{QStringLiteral("png"), QStringLiteral("aGVsbG8=")}}),
         "picture in it is missing or damaged"},
        {whole.left(40) + '\0' + whole.mid(40), "zero byte"},
    };
    for (const Row& row : rows) {
        const LayoutRead read = LayoutFromJson(row.bytes, QStringLiteral("bad.quorvane"));
        EXPECT_FALSE(read.layout) << row.reason;
        EXPECT_TRUE(read.error.contains(QStringLiteral("\"bad.quorvane\""))) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QLatin1String(row.reason))) << read.error.toStdString();
    }
}

namespace {

// DrawnLayout with its outline taken from a photo: the photo and the corners in it.
Layout PhotoLayout()
{
    Layout layout = DrawnLayout();
    PaperOutline& o = layout.doc.Outline;
    o.Source = OutlineSource::Photo;
    o.Photo = QImage(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < o.Photo.height(); ++y)
        for (int x = 0; x < o.Photo.width(); ++x)
            o.Photo.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    o.View = o.Photo.size();
    o.PhotoCorners = {{{10.25, 5.5}, {50.5, 4.75}, {49.5, 30.125}, {60.0, 40.5}, {8.0, 44.0}, {9.5, 28.0}}};
    return layout;
}

QByteArray WithPhotoSource(const Layout& layout, const char* key, const QJsonValue& value)
{
    QJsonObject root = QJsonDocument::fromJson(LayoutToJson(layout)).object();
    QJsonObject source = root.value(QStringLiteral("paperSource")).toObject();
    source.insert(QLatin1String(key), value);
    root.insert(QStringLiteral("paperSource"), source);
    return QJsonDocument(root).toJson();
}

} // namespace

// A photo's outline keeps its photo and the corners in it through a save; any of them
// damaged refuses the layout rather than making a page from another paper.
TEST(LayoutFile, PhotoOutlineOpensWithItsPhotoOrIsRefusedWhenDamaged)
{
    const Layout layout = PhotoLayout();
    const LayoutRead read = LayoutFromJson(LayoutToJson(layout), QStringLiteral("photo.quorvane"));
    ASSERT_TRUE(read.layout) << read.error.toStdString();
    EXPECT_EQ(read.layout->doc, layout.doc);

    struct Row { QByteArray bytes; const char* reason; };
    const Row rows[] = {
        {WithPhotoSource(layout, "photo", QJsonObject{{QStringLiteral("png"), QStringLiteral("aGVsbG8=")}}),
         "photo in it is missing or damaged"},
        {WithPhotoSource(layout, "photo", QJsonValue()), "photo in it is missing or damaged"},
        {WithPhotoSource(layout, "corners", QJsonArray{1, 2}), "photo's corners are missing"},
        {WithPhotoSource(layout, "corners", Corners({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {500, 6}})),
         "corner in the photo is missing or out of range"},
        {WithPhotoSource(layout, "view", QJsonArray{65, 48}), "not of the size its corners were found in"},
    };
    for (const Row& row : rows) {
        const LayoutRead bad = LayoutFromJson(row.bytes, QStringLiteral("bad.quorvane"));
        EXPECT_FALSE(bad.layout) << row.reason;
        EXPECT_TRUE(bad.error.contains(QLatin1String(row.reason))) << bad.error.toStdString();
    }
}
