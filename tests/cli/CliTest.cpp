// quorvane-cli run as a program: its pages against the same steps run here, and its answers
// to bad usage, bad input, a full disk, special files, damaged names and a broken display.
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPolygon>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector3D>

#include "core/editor/PaperFitting.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/TransBitmap.h"
#include "core/generation/TransBitmapExact.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/LayoutFile.h"
#include "core/shell/PageResolution.h"
#include "core/shell/PictureLoader.h"
#include "support/RunProgram.h"

using namespace quorvane;

namespace {

// A green rectangle on a transparent margin.
QString DrawPicture(const QTemporaryDir& dir, QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const QRect inner(QPoint(size.width() / 8, size.height() / 8), size * 3 / 4);
    QPainter(&picture).fillRect(inner, QColor(30, 140, 60));
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    picture.save(path);
    return path;
}

// The page of the same steps as the main window at start-up, on an 853 x 480 canvas.
GenerateResult StartUpPage(const QString& picture, SheetMapping mapping)
{
    Document doc;
    CanvasPaper paper;
    GenControl control;
    ResetPaper(doc, paper, QSizeF(853, 480), false);
    doc.PictureImage = LoadPicture(picture).image;
    doc.PictureFile = picture;
    ApplyDefaultPlacement(doc, paper, QSizeF(853, 480));
    doc.Mapping = mapping;
    return GenerateBothSheets(doc, paper, control, {});
}

} // namespace

TEST(CliGenerate, DefaultPaperPageHasTheDesktopProgramsPixelsInEitherMapping)
{
    QTemporaryDir dir;
    const QString picture = DrawPicture(dir, QSize(500, 360));
    const QString page = dir.filePath(QStringLiteral("page.png"));
    QImage pages[2];
    for (const SheetMapping mapping : {SheetMapping::Bilinear, SheetMapping::Exact}) {
        const bool exact = mapping == SheetMapping::Exact;
        SCOPED_TRACE(exact ? "exact" : "bilinear, the default");
        QStringList arguments{"generate", "--default-paper", "--picture", picture, "-o", page};
        if (exact)
            arguments << "--mapping=exact";
        const ProgramRun run = RunCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        pages[exact] = QImage(page).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(pages[exact], StartUpPage(picture, mapping).page);
    }
    EXPECT_NE(pages[0], pages[1]); // so the mapping did reach the page
}

// An upright page at 300 dpi is landscape A4; the placement is taken on the canvas given,
// so another canvas or placement makes another page.
TEST(CliGenerate, StyleCanvasPlacementAndResolutionReachThePage)
{
    QTemporaryDir dir;
    const QStringList upright{"generate", "--default-paper", "--style=4.2", "--dpi=300", "--picture",
                              DrawPicture(dir, QSize(40, 30))};
    const QStringList variants[] = {{"--canvas", "600x400", "--placement=-20,-20,700,500"},
                                    {"--canvas", "1200x800", "--placement=-20,-20,700,500"},
                                    {"--canvas", "600x400", "--placement=300,100,500,300"}};
    QList<QImage> pages;
    for (const QStringList& variant : variants) {
        SCOPED_TRACE(variant.join(' ').toStdString());
        const QString page = dir.filePath(QStringLiteral("page-%1.png").arg(pages.size()));
        const ProgramRun run = RunCli(upright + variant + QStringList{"-o", page});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        pages.append(QImage(page));
        EXPECT_EQ(pages.back().size(), QSize(3508, 2480)); // A4 at 300 dpi
    }
    EXPECT_NE(pages[1], pages[0]);
    EXPECT_NE(pages[2], pages[0]);
}

// Each format's page has the format's size at its resolution, recorded in the file; its
// start-up outline is the designer's capture at its default camera.
TEST(CliGenerate, EachFormatMakesItsOwnPageFromItsOwnStartUpOutline)
{
    QTemporaryDir dir;
    const QString picture = DrawPicture(dir, QSize(40, 30));
    const struct { const char* paper; const char* dpi; QSize size; } rows[] = {
        {"a4", "300", {2480, 3508}}, {"letter", "300", {2550, 3300}}, {"a3", "144", {1684, 2381}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.paper);
        const PaperFormat format = *FormatOfName(QString::fromLatin1(row.paper));
        const QString page = dir.filePath(QStringLiteral("page.png"));
        const ProgramRun run = RunCli({"generate", "--default-paper", "--paper", row.paper, "--dpi", row.dpi,
                                       "--picture", picture, "-o", page});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(page);
        EXPECT_EQ(image.size(), row.size);
        EXPECT_EQ(image.dotsPerMeterX(), DotsPerMeter(QByteArray(row.dpi).toInt()));

        const ProgramRun corners = RunCli({"corners", "--paper", row.paper, "--view", "974x838"});
        ASSERT_EQ(corners.exitCode, 0) << corners.err.toStdString();
        const QJsonArray points = QJsonDocument::fromJson(corners.out).object()["PaperPoint"].toArray();
        const Outline expected = Paper{format, PaperLayout::LFold}.DefaultOutline().PaperPoint;
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(QPoint(points[qsizetype(i)][0].toInt(), points[qsizetype(i)][1].toInt()), expected[i]) << i;
    }
}

// The distance and the height are centimetres of the printed paper: the designer's outline
// for a camera given so is the view of the paper at its real size from that camera, projected
// here as the designer's perspective does (a scene scaled as a whole looks the same).
TEST(CliCorners, CameraInCentimetresSeesThePaperAtItsRealSize)
{
    const float w = 21.59f, h = 27.94f / 2, d = 27.94f / 2; // US Letter folded into an L, cm
    const double distance = 60.0, height = 30.0, angle = 20.0, fov = 20.0;
    const QSizeF view(600, 500);
    const ProgramRun run = RunCli({"corners", "--paper", "letter", "--distance", "60", "--height", "30", "--angle",
                                   "20", "--fov", "20", "--view", "600x500"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray found = QJsonDocument::fromJson(run.out).object()["PaperPoint"].toArray();

    const QVector3D eye(0, height, distance), aim(0, 0.43 * h, 0);
    const QVector3D forward = (aim - eye).normalized();
    const QVector3D side = QVector3D::crossProduct(forward, {0, 1, 0}).normalized();
    const QVector3D up = QVector3D::crossProduct(side, forward);
    const double f = 1.0 / std::tan(fov / 2.0 * M_PI / 180.0), turn = angle * M_PI / 180.0;
    const QVector3D corners[6] = {{-w / 2, h, -d / 2}, {w / 2, h, -d / 2}, {w / 2, 0, -d / 2},
                                  {w / 2, 0, d / 2},   {-w / 2, 0, d / 2}, {-w / 2, 0, -d / 2}};
    QPolygonF expected;
    for (const QVector3D& c : corners) {
        const QVector3D p(c.x() * std::cos(turn) + c.z() * std::sin(turn), c.y(),
                          -c.x() * std::sin(turn) + c.z() * std::cos(turn));
        const QVector3D v = p - eye;
        const double depth = QVector3D::dotProduct(v, forward);
        expected << QPointF((1.0 + f * view.height() / view.width() * QVector3D::dotProduct(v, side) / depth) / 2.0 * view.width(),
                            (1.0 - f * QVector3D::dotProduct(v, up) / depth) / 2.0 * view.height());
    }
    const QPointF origin = expected.boundingRect().topLeft();
    ASSERT_EQ(found.size(), 6);
    for (qsizetype i = 0; i < 6; ++i) {
        const QPointF seen(found[i][0].toInt(), found[i][1].toInt());
        EXPECT_LE((seen - (expected[i] - origin)).manhattanLength(), 2.0) << i; // each marker a whole pixel
    }
}

// Where the camera goes, worked out by hand: a scene unit is 12/17 cm, and 60, 30, 120 and
// 90 cm lie on the sliders' steps (85, 42.5, 170 and 127.5 scene units).
TEST(CliSetup, PrintsTheCameraInCentimetresFromThePapersNearEdge)
{
    const struct {
        QStringList options;
        const char* format;
        double width, height;
        double eye[3], aim[3]; // right, back, up
        double fov, focal;
    } rows[] = {
        // 150 scene units at 31°: -150 sin 31° x 12/17; (150 cos 31° - 42.1 / 4) x 12/17; 75.2 x 12/17.
        // Aimed at 0.43 x 21.05 above the fold, 21.05 / 2 behind the near edge.
        {{}, "a4", 21.0, 29.7, {-54.5, 83.3, 53.1}, {0.0, -7.4, 6.4}, 15, 91.1},
        // Upright A3 seen from the right: 42.5 x 12/17 right, 85 cos 30° x 12/17 in front of its
        // foot; aimed at 0.43 x 29.7 cm up.
        {{"--style", "4.2", "--paper", "a3", "--distance", "60", "--height", "30", "--angle=-30", "--fov", "30"},
         "a3", 29.7, 42.0, {30.0, 52.0, 30.0}, {0.0, 0.0, 12.8}, 30, 44.8},
        // Flat Letter from straight ahead: 120 cm less half its 27.94 cm; aimed at its middle on the table.
        {{"--style", "4.1", "--paper", "letter", "--distance", "120", "--height", "90", "--angle", "0", "--fov", "10"},
         "letter", 21.59, 27.94, {0.0, 106.0, 90.0}, {0.0, -14.0, 0.0}, 10, 137.2},
    };
    const char* axes[] = {"right", "back", "up"};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.format);
        const ProgramRun run = RunCli(QStringList{"setup"} + row.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        EXPECT_EQ(json["paper"]["format"].toString(), row.format);
        EXPECT_EQ(json["paper"]["width"].toDouble(), row.width);
        EXPECT_EQ(json["paper"]["height"].toDouble(), row.height);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(json["eye"][axes[i]].toDouble(), row.eye[i], 0.051) << "eye " << axes[i];
            EXPECT_NEAR(json["aim"][axes[i]].toDouble(), row.aim[i], 0.051) << "aim " << axes[i];
        }
        EXPECT_EQ(json["fov"].toDouble(), row.fov);
        EXPECT_NEAR(json["focal35mm"].toDouble(), row.focal, 0.051);
    }
    EXPECT_EQ(RunCli({"setup", "--view", "10x10"}).exitCode, 1);
}

// A bitmap destination holds every byte of the buffer, the fourth of each pixel included.
TEST(CliReproject, DestinationHoldsTheReprojectedBufferInEitherMapping)
{
    QTemporaryDir dir;
    const QString source = DrawPicture(dir, QSize(24, 18));
    const struct { const char* name; SheetMapping mapping; } rows[] = {{"out.png", SheetMapping::Bilinear},
                                                                        {"exact.BMP", SheetMapping::Exact}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString output = dir.filePath(QString::fromLatin1(row.name));
        const bool exact = row.mapping == SheetMapping::Exact;
        const QString mapping = exact ? QStringLiteral("--mapping=exact") : QStringLiteral("--mapping=bilinear");
        const ProgramRun run = RunCli({"reproject", source, output, "--quad=2,1,20,3,22,16,1,15", mapping});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        TransformState gen =
            WholeBufferState(PixelBuffer::FromImage(LoadPicture(source).image), {{{2, 1}, {20, 3}, {22, 16}, {1, 15}}});
        GenControl control;
        QImage target(24, 18, QImage::Format_RGB32);
        ASSERT_TRUE(exact ? TransBitmapExact(gen, control, target, {}) : TransBitmap(gen, control, target, {}));
        EXPECT_EQ(QImage(output).convertToFormat(QImage::Format_RGB32), target); // bitmap rows bottom-up
        if (output.endsWith(QStringLiteral("png")))
            continue;
        const QByteArray bytes = ReadFileBytes(output);
        const auto pixels = gen.DstBits.Bytes();
        EXPECT_EQ(bytes.mid(54), QByteArray(reinterpret_cast<const char*>(pixels.data()), qsizetype(pixels.size())));
    }
}

TEST(CliCorners, PrintsTheOutlineShiftedToZeroWithItsExtentsOrTheDesignersMessage)
{
    const ProgramRun run = RunCli({"corners"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["PageStyle"].toDouble(), 6.0);
    QPolygon points;
    for (const QJsonValue& p : json["PaperPoint"].toArray())
        points.append(QPoint(p.toArray()[0].toInt(), p.toArray()[1].toInt()));
    ASSERT_EQ(points.size(), 6);
    const QRect bounds = points.boundingRect();
    EXPECT_EQ(bounds.topLeft(), QPoint(0, 0));
    EXPECT_EQ(json["PaperWidth"].toInt(), bounds.right());
    EXPECT_EQ(json["PaperHeight"].toInt(), bounds.bottom());

    const ProgramRun hidden = RunCli({"corners", "--distance", "5"});
    EXPECT_EQ(hidden.exitCode, 2);
    EXPECT_TRUE(hidden.err.contains("Please make sure that all parts of the paper are visible.\n"));
    EXPECT_TRUE(hidden.out.isEmpty());
}

// Bad usage exits with 1 and the usage, bad input with 2, an output that cannot be written
// with 3; the message's first line says why. Pipes and devices are neither opened (a pipe
// would block) nor replaced; a name with an unsupported ending is refused before any work.
TEST(CliFaults, BadUsageAndInputExitWithTheirCodeAndSayWhy)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.png"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    const QStringList generate{"generate", "--default-paper", "-o", page};
    const QStringList reproject{"reproject", DrawPicture(dir, QSize(8, 8))};
    const QString quad = QStringLiteral("--quad=0,0,7,0,7,7,0,7");
    const struct { QStringList arguments; int exitCode; QString reason; } rows[] = {
        {{"generate", "--default-paper"}, 1, "output file"},
        {generate + QStringList{"--style", "5"}, 1, "--style"},
        {generate + QStringList{"--canvas", "0x10"}, 1, "--canvas"},
        {generate + QStringList{"--placement", "1,2,3"}, 1, "--placement"},
        {generate + QStringList{"--placement=600,20,200,300"}, 1, "--placement"}, // X2 before X1
        {generate + QStringList{"--zoom", "2"}, 1, "--zoom"},
        {generate + QStringList{"--mapping=Exact"}, 1, "--mapping"},
        {generate + QStringList{"--composite", "view.png"}, 1, "--composite"},
        {{"generate", "-o", page, "--composite", dir.filePath("view.pdf")}, 1, "--composite must name"},
        {generate + QStringList{"--dpi", "200"}, 1, "--dpi"},
        {generate + QStringList{"--paper", "b5"}, 1, "--paper must be a4, letter or a3"},
        {{"generate", "--default-paper", "--picture", pipe, "-o", dir.filePath("page.tga")}, 1, ".jpg, .png"},
        {reproject + QStringList{quad}, 1, "destination"},
        {reproject + QStringList{page, "--quad=1,2"}, 1, "--quad"},
        {{"corners", "--style", "5"}, 1, "--style"},
        {{"corners", "--fov", "abc"}, 1, "--fov"},
        {{"corners", "--view", "0x10"}, 1, "--view"},
        {{"corners", "--distance", "282.5"}, 1, "--distance must be a number from 3.5 to 282.4"},
        {{"corners", "extra"}, 1, "corners takes only"},
        {{"corners", "-platform", "bogus"}, 1, "unknown option '-platform'"}, // never the toolkit's
        {generate + QStringList{"--platform", "xcb"}, 1, "--platform"},
        {{"generate", "--default-paper=yes", "-o", page}, 1, "takes no value"},
        {generate + QStringList{"--picture", "-h"}, 1, "needs a value"},
        {{"corners", "--angle", "90.06"}, 1, "--angle"},
        {{"generate", "-o", page, "--composite", page}, 1, "same file"},
        {{"generate", "--default-paper", "--picture", reproject[1], "-o", reproject[1]}, 1, "same file"},
        {reproject + QStringList{reproject[1], quad}, 1, "same file"},
        {{"generate", "--default-paper", "--picture", pipe, "-o", page}, 2, "it is a pipe, not a file"},
        {{"reproject", pipe, page, quad}, 2, "it is a pipe, not a file"},
        {{"generate", "--default-paper", "-o", pipe}, 3, "it is a pipe, not a file"},
        {reproject + QStringList{dir.filePath("folder.png"), quad}, 3, "it is a folder"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ProgramRun run = RunCli(row.arguments);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(err.section(u'\n', 0, 0).contains(row.reason)) << err.toStdString();
        EXPECT_EQ(err.contains(QStringLiteral("Usage:")), row.exitCode == 1);
    }
    struct stat st {};
    EXPECT_TRUE(stat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_FALSE(QFile::exists(page));
}

// Each output is first written freely to learn its size, then over an earlier file
// with half that size allowed: the write fails part-way, as on a full disk. (Every
// format's writer meets the same fault in the writer's own test.)
TEST(CliFaults, WriteFailingPartWayKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString source = DrawPicture(dir, QSize(200, 150));
    const QString quad = QStringLiteral("--quad=10,5,190,20,180,140,5,130");
    for (const char* name : {"page.png", "page.gif", "page.pdf", "moved.bmp"}) {
        SCOPED_TRACE(name);
        const QString output = dir.filePath(QString::fromUtf8(name));
        const QStringList arguments = QByteArray(name).startsWith("page")
            ? QStringList{"generate", "--default-paper", "-o", output}
            : QStringList{"reproject", source, output, quad};
        ASSERT_EQ(RunCli(arguments).exitCode, 0);
        const qint64 needed = QFileInfo(output).size();
        ASSERT_TRUE(WriteFileBytes(output, "earlier save"));
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

        const ProgramRun run = RunCli(arguments, QProcessEnvironment::systemEnvironment(), rlim_t(needed / 2));
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_TRUE(run.err.contains(output.toUtf8()) && run.err.contains("File too large")) << run.err.toStdString();
        for (const QByteArray& line : run.err.trimmed().split('\n')) // its own message only, no encoder's
            EXPECT_TRUE(line.startsWith("quorvane-cli: ")) << line.toStdString();
        EXPECT_EQ(ReadFileBytes(output), QByteArray("earlier save"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    }
}

// Short of memory, a page is refused with the true reason, and a layout whose picture is
// followed by many zero bytes is read without holding its text several times over.
TEST(CliFaults, ShortOfMemoryNeitherAbortsNorMisleads)
{
    QTemporaryDir dir;
    Layout layout;
    const QString picture = DrawPicture(dir, QSize(40, 30));
    layout.doc.PictureImage = LoadPicture(picture).image;
    layout.doc.PictureFile = picture;
    layout.canvas = QSize(853, 480);
    layout.doc.Place = {100, 100, 300, 250};
    QByteArray text = LayoutToJson(layout);
    const QByteArray base64 = QJsonDocument::fromJson(text)["picture"]["png"].toString().toLatin1();
    text.replace(base64, (QByteArray::fromBase64(base64) + QByteArray(120 << 20, '\0')).toBase64());
    const QString padded = dir.filePath(QStringLiteral("padded.quorvane"));
    ASSERT_TRUE(WriteFileBytes(padded, text));
    const QString page = dir.filePath(QStringLiteral("page.png"));
    const struct { QStringList arguments; rlim_t megabytes; int exitCode; const char* reason; } rows[] = {
        {{"generate", "--default-paper", "--dpi=600", "-o", page}, 300, 3, "not enough memory"},
        {{"generate", "--layout", padded, "-o", page}, 600, 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ProgramRun run = RunCli(row.arguments, QProcessEnvironment::systemEnvironment(), 0, row.megabytes << 20);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(run.err.contains(row.reason)) << run.err.toStdString();
    }
}

// Ended by a signal while it writes a large page, the program leaves no file behind.
TEST(CliFaults, SignalDuringAWriteLeavesNoFileBehind)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.bmp"));
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(signal);
        QProcess cli;
        cli.start(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"), {"generate", "--default-paper", "--dpi=600", "-o", page});
        ASSERT_TRUE(cli.waitForStarted());
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(cli.processId()));
        const auto writing = [&] {
            for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                if (QFile::symLinkTarget(fds.filePath(fd)).startsWith(dir.path()))
                    return true;
            return false;
        };
        while (cli.state() == QProcess::Running && !writing())
            usleep(500);
        kill(pid_t(cli.processId()), signal);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
}

// A name in another encoding than UTF-8 can only be passed as raw bytes, through a shell.
TEST(CliFaults, NamesThatAreNotUtf8SaySo)
{
    QTemporaryDir dir;
    const QString cli = QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli");
    for (const auto& [script, exitCode] :
         {std::pair{"\"$0\" generate --default-paper --picture \"$1/$(printf 'caf\\351.png')\" -o \"$1/p.png\"", 2},
          {"\"$0\" generate --default-paper -o \"$1/$(printf 'caf\\351.png')\"", 3}}) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(script), cli, dir.path()});
        ASSERT_TRUE(shell.waitForFinished(30000));
        EXPECT_EQ(shell.exitCode(), exitCode) << script;
        EXPECT_TRUE(shell.readAllStandardError().contains("is not valid UTF-8")) << script;
    }
}

// A stale forwarded display, an unknown platform or no runtime folder change nothing:
// the same page, and nothing on standard error but the program's own messages.
TEST(CliEnvironment, RendersOffScreenWhateverTheEnvironmentSays)
{
    QTemporaryDir dir;
    const QStringList generate{"generate", "--style", "4.2", "--angle=-30", "-o"};
    const QString reference = dir.filePath(QStringLiteral("reference.png"));
    const ProgramRun plain = RunCli({"generate", "--style", "upright", "--angle=-30", "-o", reference}); // = 4.2
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    const QStringList environments[] = {{"DISPLAY=:77"}, {"QT_QPA_PLATFORM=nosuchplatform"},
                                        {"WAYLAND_DISPLAY=wayland-77"}, {"XDG_RUNTIME_DIR", "DISPLAY", "QT_QPA_PLATFORM"}};
    int tried = 0;
    for (const QStringList& env : environments) {
        SCOPED_TRACE(env.join(' ').toStdString());
        const QString page = dir.filePath(QStringLiteral("page-%1.png").arg(++tried));
        const ProgramRun run = RunCli(generate + QStringList{page}, EnvironmentWith(env));
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err.toStdString(), "");
        EXPECT_EQ(ReadFileBytes(page), ReadFileBytes(reference));
    }
}
