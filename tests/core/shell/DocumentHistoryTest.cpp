#include <gtest/gtest.h>

#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "core/shell/DocumentHistory.h"
#include "core/shell/DroppedFile.h"

using namespace quorvane;

namespace {

struct HistoryFixture : testing::Test {
    // Changes the document by `change` and records it as a step.
    template <typename Change>
    void Step(Change change, StepKind kind = StepKind::Single)
    {
        const Document before = doc;
        change(doc);
        history.Record(before, QStringLiteral("step"), kind);
    }
    void MoveBy(float dx, StepKind kind = StepKind::Single)
    {
        Step([dx](Document& d) { d.Place = d.Place.Shifted(dx, 0); }, kind);
    }

    Document doc;
    int restores = 0;
    Document lastPrevious;
    DocumentHistory history{doc, [this](const Document& previous) {
                                ++restores;
                                lastPrevious = previous;
                            }};
};

} // namespace

TEST_F(HistoryFixture, UndoAndRedoPutBackEveryPartOfTheDocument)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    Document start = doc;
    Step([&](Document& d) { d.PictureImage = picture; d.PictureFile = QStringLiteral("/a.png"); });
    Step([](Document& d) { d.Paper.Layout = PaperLayout::Flat; d.Outline.Camera.CameraAngle = -40; });
    MoveBy(7);
    doc.PageDpi = start.PageDpi = 600; // a setting chosen since: undo and redo keep it
    const Document end = doc;
    EXPECT_EQ(restores, 0); // recording changes nothing

    QUndoStack& stack = history.Stack();
    stack.undo();
    EXPECT_EQ(doc.Place, start.Place);
    EXPECT_EQ(lastPrevious, end); // the window learns what it showed before
    stack.undo();
    EXPECT_EQ(doc.Paper, start.Paper);
    EXPECT_EQ(doc.Camera(), start.Camera());
    stack.undo();
    EXPECT_EQ(doc, start);
    EXPECT_FALSE(stack.canUndo());
    for (int i = 0; i < 3; ++i)
        stack.redo();
    EXPECT_EQ(doc, end);
    EXPECT_EQ(restores, 6);
}

TEST_F(HistoryFixture, UnchangedDocumentIsNoStepAndAHundredStepsAreKept)
{
    Step([](Document&) {});
    EXPECT_EQ(history.Stack().count(), 0);
    for (int i = 1; i <= 150; ++i)
        MoveBy(1);
    for (int i = 0; i < 150; ++i)
        history.Stack().undo();
    EXPECT_EQ(doc.Place.SelX1, 50.0f); // the oldest 50 steps are gone, the last 100 undone
}

TEST_F(HistoryFixture, ArrowKeyRunsMergeIntoOneStepAndAWayBackIsNone)
{
    MoveBy(5);
    MoveBy(1, StepKind::KeyMove);
    MoveBy(10, StepKind::KeyMove);
    MoveBy(1, StepKind::KeyMove);
    EXPECT_EQ(history.Stack().count(), 2);
    history.Stack().undo();
    EXPECT_EQ(doc.Place.SelX1, 5.0f);
    history.Stack().redo();
    EXPECT_EQ(doc.Place.SelX1, 17.0f);

    MoveBy(5);
    MoveBy(1, StepKind::KeyMove);
    MoveBy(-1, StepKind::KeyMove);
    EXPECT_EQ(history.Stack().count(), 3);
    history.Stack().undo();
    EXPECT_EQ(doc.Place.SelX1, 17.0f);
}

TEST(DroppedFile, TakesOneLocalPictureOnly)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("cup.PNG"));
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QImage(2, 2, QImage::Format_RGB32).save(png, "png");
    QFile(text).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("album.png")));
    const QUrl pngUrl = QUrl::fromLocalFile(png);

    struct Row { QList<QUrl> urls; QString text; bool taken; };
    const Row rows[] = {
        {{pngUrl}, {}, true},
        {{}, pngUrl.toString() + QStringLiteral("\n"), true}, // a file:// address as text
        {{QUrl::fromLocalFile(text)}, {}, false},
        {{QUrl::fromLocalFile(dir.filePath(QStringLiteral("gone.png")))}, {}, false},
        {{QUrl(QStringLiteral("https://example.org/cup.png"))}, {}, false},
        {{pngUrl, pngUrl}, {}, false},
        {{QUrl::fromLocalFile(dir.filePath(QStringLiteral("album.png")))}, {}, false}, // a folder
    };
    for (const Row& row : rows) {
        QMimeData data;
        if (!row.urls.isEmpty())
            data.setUrls(row.urls);
        if (!row.text.isEmpty())
            data.setText(row.text);
        EXPECT_EQ(DroppedPicture(data), row.taken ? std::optional(png) : std::nullopt)
            << row.text.toStdString() << row.urls.size();
    }
}
