// Draws the program's sample picture: a tyrannosaurus rearing up, seen from the side,
// shaded in colour, on a transparent background cut close around it. It is tall and
// narrow so that, placed by the default rule, it stands inside the default paper.
// Usage: draw_sample_picture OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int kDrawSize = 1400;          // the drawing board, cut to the animal afterwards
constexpr int kPadding = 12;             // transparent border left around the animal
constexpr QPointF kBoardOffset(300, 500); // where the drawing's origin lies on the board
constexpr QPointF kHip(430, 400);         // the body turns up about this point
constexpr double kRearAngle = -70.0;      // degrees the body turns up from level
constexpr double kGroundY = 752.0;

const QColor kSkinDark(58, 78, 34);
const QColor kSkinMid(104, 132, 56);
const QColor kSkinLight(150, 170, 84);
const QColor kBelly(222, 208, 150);
const QColor kOutline(34, 44, 20);
const QColor kMouth(120, 30, 36);
const QColor kTooth(250, 246, 230);

// Fills a path with a top-to-bottom gradient (dark back, lit flank, pale
// underside), adds a soft highlight near the top and a dark outline.
void FillShaded(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& mid,
                const QColor& bottom, double bellyStart = 0.62)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, top);
    g.setColorAt(0.35, mid);
    g.setColorAt(bellyStart, mid.lighter(108));
    g.setColorAt(1.0, bottom);
    p.fillPath(path, g);

    p.save();
    p.setClipPath(path);
    QRadialGradient shine(r.center().x(), r.top() + r.height() * 0.3, r.width() * 0.45);
    shine.setColorAt(0.0, QColor(255, 255, 220, 60));
    shine.setColorAt(1.0, QColor(255, 255, 220, 0));
    p.fillRect(r, shine);
    p.restore();

    p.strokePath(path, QPen(kOutline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Soft contact shadow on the ground under both feet.
void DrawShadow(QPainter& p)
{
    constexpr double kCentreX = 440.0;
    constexpr double kRadius = 200.0;
    QRadialGradient g(QPointF(kCentreX, kGroundY), kRadius);
    g.setColorAt(0.0, QColor(0, 0, 0, 110));
    g.setColorAt(0.6, QColor(0, 0, 0, 40));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(kCentreX, kGroundY);
    p.scale(1.0, 0.09);
    p.translate(-kCentreX, -kGroundY);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(kCentreX, kGroundY), kRadius, kRadius);
    p.restore();
}

// One hind leg: heavy thigh, shin sloping back, upright foot with three toes.
QPainterPath LegPath()
{
    QPainterPath leg;
    leg.moveTo(365, 350);
    leg.cubicTo(450, 325, 535, 370, 545, 450);      // front of the thigh
    leg.cubicTo(552, 505, 540, 545, 512, 570);      // knee
    leg.cubicTo(488, 600, 472, 640, 478, 690);      // shin sloping back
    leg.cubicTo(510, 712, 560, 722, 600, 734);      // top of the front toe
    leg.cubicTo(616, 740, 614, kGroundY, 598, kGroundY); // claw tip
    leg.lineTo(440, kGroundY);                       // sole
    leg.cubicTo(418, kGroundY, 412, 722, 424, 698); // heel
    leg.cubicTo(432, 660, 425, 625, 410, 600);      // back of the ankle
    leg.cubicTo(385, 565, 350, 505, 348, 435);      // back of the thigh
    leg.cubicTo(347, 395, 350, 365, 365, 350);
    leg.closeSubpath();
    return leg;
}

// Claws of one foot, drawn over the toes.
void DrawToes(QPainter& p)
{
    p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(545, 733), QPointF(550, kGroundY - 2));
    p.drawLine(QPointF(500, 732), QPointF(503, kGroundY - 2));
    QPainterPath claw;
    claw.moveTo(598, 738);
    claw.cubicTo(618, 738, 628, 746, 626, kGroundY);
    claw.lineTo(600, kGroundY);
    claw.closeSubpath();
    p.fillPath(claw, QColor(70, 60, 45));
}

// Muscle line of the thigh and knee crease, for volume.
void DrawLegDetails(QPainter& p)
{
    p.setPen(QPen(QColor(34, 44, 20, 110), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath m;
    m.moveTo(372, 470);
    m.cubicTo(400, 520, 440, 548, 490, 560);
    p.drawPath(m);
}

// Tail, torso and neck as one silhouette, from the tail tip round to the throat.
QPainterPath BodyPath()
{
    QPainterPath b;
    b.moveTo(20, 318);                                // tail tip
    b.cubicTo(140, 290, 260, 242, 400, 238);          // top of the tail
    b.cubicTo(500, 234, 580, 258, 640, 268);          // back
    b.cubicTo(690, 272, 718, 225, 745, 192);          // nape of the neck
    b.lineTo(790, 330);                               // under the skull
    b.cubicTo(772, 360, 760, 390, 740, 420);          // throat
    b.cubicTo(710, 480, 640, 510, 560, 505);          // chest and belly
    b.cubicTo(480, 500, 420, 470, 350, 400);          // belly to groin
    b.cubicTo(250, 360, 140, 335, 20, 324);           // underside of the tail
    b.closeSubpath();
    return b;
}

// Faint darker bands across the back and tail, clipped to the body.
void DrawStripes(QPainter& p, const QPainterPath& body)
{
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 56, 22, 70));
    for (int i = 0; i < 9; ++i) {
        const double x = 110 + i * 65;
        QPainterPath s;
        s.moveTo(x, 230);
        s.cubicTo(x + 20, 270, x + 14, 300, x + 6, 330);
        s.lineTo(x + 22, 330);
        s.cubicTo(x + 34, 300, x + 40, 270, x + 30, 230);
        s.closeSubpath();
        p.drawPath(s);
    }
    p.restore();
}

// Small two-fingered arm hanging from the chest.
QPainterPath ArmPath()
{
    QPainterPath a;
    a.moveTo(690, 430);
    a.cubicTo(715, 440, 735, 460, 745, 480);          // upper arm
    a.cubicTo(760, 485, 775, 488, 785, 498);          // forearm to the wrist
    a.lineTo(790, 512);                               // first finger
    a.lineTo(775, 502);
    a.lineTo(772, 514);                               // second finger
    a.cubicTo(760, 502, 740, 500, 728, 494);          // underside of the forearm
    a.cubicTo(712, 480, 690, 462, 680, 450);
    a.closeSubpath();
    return a;
}

// Skull with upper jaw (the lower jaw is separate so the mouth can gape).
QPainterPath SkullPath()
{
    QPainterPath s;
    s.moveTo(722, 220);
    s.cubicTo(735, 160, 785, 128, 850, 130);          // back of the skull and brow
    s.cubicTo(905, 132, 955, 145, 978, 168);          // top of the snout
    s.cubicTo(992, 182, 994, 210, 984, 228);          // snout tip
    s.cubicTo(930, 238, 870, 252, 822, 268);          // upper jaw line
    s.cubicTo(800, 280, 775, 295, 752, 298);          // jaw hinge
    s.cubicTo(728, 280, 718, 250, 722, 220);
    s.closeSubpath();
    return s;
}

// Lower jaw, dropped a little to show the mouth.
QPainterPath JawPath()
{
    QPainterPath j;
    j.moveTo(760, 292);
    j.cubicTo(830, 300, 900, 306, 955, 304);          // biting edge
    j.cubicTo(966, 312, 960, 328, 944, 332);          // chin
    j.cubicTo(880, 345, 820, 352, 782, 345);          // underside
    j.cubicTo(760, 335, 752, 310, 760, 292);
    j.closeSubpath();
    return j;
}

// Dark inside of the mouth between the jaws.
void DrawMouth(QPainter& p)
{
    QPainterPath m;
    m.moveTo(800, 278);
    m.cubicTo(870, 256, 935, 240, 982, 230);
    m.lineTo(955, 304);
    m.cubicTo(900, 306, 840, 302, 785, 296);
    m.closeSubpath();
    p.fillPath(m, kMouth);
}

// Row of pointed teeth along one jaw edge; dir is -1 for upward, +1 for downward.
void DrawTeeth(QPainter& p, const QPainterPath& edge, int count, double length, int dir)
{
    p.setPen(QPen(QColor(90, 80, 60), 1.0));
    p.setBrush(kTooth);
    for (int i = 0; i < count; ++i) {
        const double t = 0.08 + 0.86 * i / (count - 1);
        const QPointF a = edge.pointAtPercent(t - 0.03);
        const QPointF b = edge.pointAtPercent(t + 0.03);
        const QPointF mid = (a + b) / 2.0;
        const double len = length * (0.75 + 0.35 * t);
        QPainterPath tooth;
        tooth.moveTo(a);
        tooth.quadTo(QPointF(mid.x() - 2, mid.y() + dir * len * 0.6), QPointF(mid.x() - 3, mid.y() + dir * len));
        tooth.quadTo(QPointF(mid.x() + 3, mid.y() + dir * len * 0.5), b);
        tooth.closeSubpath();
        p.drawPath(tooth);
    }
}

// Eye with brow ridge, nostril and a cheek crease.
void DrawFace(QPainter& p)
{
    QRadialGradient eye(QPointF(820, 178), 11);
    eye.setColorAt(0.0, QColor(255, 210, 60));
    eye.setColorAt(1.0, QColor(200, 120, 20));
    p.setPen(QPen(kOutline, 2.0));
    p.setBrush(eye);
    p.drawEllipse(QPointF(820, 180), 11, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(823, 180), 3, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(816, 176), 2.5, 2.5);

    p.setPen(QPen(kOutline, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath brow;
    brow.moveTo(798, 168);
    brow.cubicTo(812, 156, 834, 154, 850, 162);
    p.drawPath(brow);

    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(966, 170), 6, 3.5);

    p.setPen(QPen(QColor(34, 44, 20, 140), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cheek;
    cheek.moveTo(752, 215);
    cheek.cubicTo(762, 245, 780, 265, 800, 276);
    p.drawPath(cheek);
}

// Turns what is drawn next up about the hip, head high and tail down to the ground.
void RearUp(QPainter& p)
{
    p.translate(kHip);
    p.rotate(kRearAngle);
    p.translate(-kHip);
}

// Draws the whole animal, back to front. The legs stand on the ground; the body, head and
// arms are turned up about the hip.
void DrawTyrannosaurus(QPainter& p)
{
    DrawShadow(p);

    // Far leg, stepping back, and far arm, both in shade.
    const QPainterPath leg = LegPath();
    p.save();
    p.translate(-95, 6);
    p.rotate(2.0);
    FillShaded(p, leg, kSkinDark.darker(130), kSkinDark, kSkinMid.darker(140));
    DrawToes(p);
    p.restore();

    p.save();
    RearUp(p);
    p.save();
    p.translate(-22, -6);
    FillShaded(p, ArmPath(), kSkinDark.darker(130), kSkinDark, kSkinMid.darker(130));
    p.restore();

    const QPainterPath body = BodyPath();
    FillShaded(p, body, kSkinDark, kSkinMid, kBelly);
    DrawStripes(p, body);

    DrawMouth(p);
    FillShaded(p, JawPath(), kSkinDark, kSkinMid, kBelly, 0.45);
    const QPainterPath skull = SkullPath();
    FillShaded(p, skull, kSkinDark, kSkinLight, kSkinMid);

    QPainterPath upperEdge;
    upperEdge.moveTo(815, 272);
    upperEdge.cubicTo(870, 254, 930, 240, 976, 232);
    DrawTeeth(p, upperEdge, 11, 15, +1);
    QPainterPath lowerEdge;
    lowerEdge.moveTo(805, 298);
    lowerEdge.cubicTo(860, 303, 905, 306, 950, 305);
    DrawTeeth(p, lowerEdge, 9, 14, -1);
    DrawFace(p);
    p.restore();

    // Near leg and arm in full light.
    FillShaded(p, leg, kSkinDark, kSkinLight, kSkinMid);
    DrawLegDetails(p);
    DrawToes(p);
    p.save();
    RearUp(p);
    FillShaded(p, ArmPath(), kSkinMid, kSkinLight, kBelly);
    p.restore();
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect OpaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_sample_picture OUT.png\n");
        return 2;
    }
    QImage board(kDrawSize, kDrawSize, QImage::Format_ARGB32);
    board.fill(Qt::transparent);
    {
        QPainter p(&board);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(kBoardOffset);
        DrawTyrannosaurus(p);
    }
    const QImage image = board.copy(OpaqueBounds(board).adjusted(-kPadding, -kPadding, kPadding, kPadding));
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
