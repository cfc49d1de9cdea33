// Draws the README's picture of the From Photo dialog: a photo of the L-folded paper made by
// the tests' photo maker, its corners found, one of them selected so the magnifier shows.
// Run under a display (scripts/with-xvfb.sh): draw_photo_dialog docs/from-photo-dialog.png
#include <cstdio>

#include <QApplication>
#include <QMouseEvent>

#include "app/photo/FormPhoto.h"
#include "app/photo/PhotoCornersView.h"
#include "core/photo/PhotoCorners.h"
#include "support/PaperPhoto.h"

using namespace quorvane;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_photo_dialog OUT.png\n");
        return 1;
    }
    const Paper paper{PaperFormat::A4, PaperLayout::LFold};
    const test::PaperPhoto photo = test::DrawPaperPhoto(paper.Layout, {90, 55, 20, 25, 0, 0}, {}, QSize(1500, 1000));
    const CornerSearch found = FindPaperCorners(photo.image, paper.Layout);
    FormPhoto dialog(photo.image, found.corners, found.message, paper, nullptr);
    dialog.resize(900, 720);
    dialog.show();
    app.processEvents();
    PhotoCornersView* view = dialog.Corners();
    const QPointF corner = view->ToWidget(view->Edit().Corners()[3]);
    QMouseEvent press(QEvent::MouseButtonPress, corner, view->mapToGlobal(corner), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, corner, view->mapToGlobal(corner), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(view, &press);
    QApplication::sendEvent(view, &release);
    app.processEvents();
    if (!dialog.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "draw_photo_dialog: could not write %s\n", argv[1]);
        return 3;
    }
    return 0;
}
