// The designer dialog driven through its real controls on the virtual display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/designer/FormOpenGL.h"
#include "core/designer/CornerCheck.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/PageStyle.h"
#include "scene/OffscreenView.h"
#include "scene/ViewCapture.h"

namespace quorvane {
namespace {

class Designer : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultPaper(doc_);
        form_ = std::make_unique<FormOpenGL>(doc_, [this] {
            ++paperChanges_;
            busyAtRefit_ = QGuiApplication::overrideCursor() != nullptr;
        }, nullptr);
    }

    template <typename T>
    T* Child(const char* name) const
    {
        T* child = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QSlider* Slider(const char* name) const { return Child<QSlider>(name); }
    QLineEdit* Field(int i) const { return Child<QLineEdit>(QStringLiteral("TextPosition%1").arg(i).toLatin1()); }

    // Shows the dialog and waits until its view has drawn.
    void ShowAndDraw()
    {
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Child<QOpenGLWidget>("PicMain")->grabFramebuffer(); // initialises and draws the view
    }

    // What the view shows: its framebuffer as last drawn, read without drawing again.
    QImage Shown() const
    {
        auto* view = Child<QOpenGLWidget>("PicMain");
        view->makeCurrent();
        const QImage shown = CaptureBitsToImage(ReadViewPixels());
        view->doneCurrent();
        return shown;
    }

    // Shows the dialog again as Design does and lets it settle, without asking for a frame.
    void ShowAgain()
    {
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        QTest::qWait(100);
    }

    // Clicks OK and returns the title and text of the box it shows, closing it ("" for none).
    std::string ClickOk()
    {
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + "|" + box->text();
                if (QGuiApplication::overrideCursor())
                    shown += "|busy pointer";
                box->accept();
            }
        });
        poll.start(10);
        Child<QPushButton>("CmdOK")->click();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        return shown.toStdString();
    }

    void Mouse(QEvent::Type type, Qt::MouseButton button, QPointF at)
    {
        QWidget* view = Child<QWidget>("PicMain");
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, view->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    Document doc_;
    int paperChanges_ = 0;
    bool busyAtRefit_ = false; // the busy pointer was up while the main window refitted
    std::unique_ptr<FormOpenGL> form_;
};

TEST_F(Designer, FieldsTakeDigitsMoveTheSliderInRangeAndClampOnLeaving)
{
    QLineEdit* angle = Field(1);
    angle->selectAll();
    QTest::keyClick(angle, Qt::Key_Backspace); // emptied: 0 lies in range, so at once
    EXPECT_EQ(angle->text(), "0");
    angle->selectAll();
    QTest::keyClicks(angle, "-");
    EXPECT_EQ(angle->text(), "-"); // kept while the number is still to come
    QTest::keyClicks(angle, "3x-0");
    EXPECT_EQ(angle->text(), "-30");
    EXPECT_EQ(form_->Camera().Camera().CameraAngle, -30.0);
    angle->setCursorPosition(0);
    QTest::keyClicks(angle, "-");
    EXPECT_EQ(angle->text(), "-30"); // one sign only
    angle->selectAll();
    QTest::keyClicks(angle, "45");
    EXPECT_EQ(form_->Camera().Camera().CameraAngle, 45.0);

    QLineEdit* distance = Field(0);
    distance->selectAll();
    QTest::keyClicks(distance, "-5000"); // the other fields take no sign
    EXPECT_EQ(Slider("SliderDistance")->value(), 500); // "500" was in range on the way
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(distance, &leave);
    EXPECT_EQ(distance->text(), "4000");
    EXPECT_DOUBLE_EQ(form_->Camera().Camera().CameraDistance, 400.0);
}

TEST_F(Designer, MouseDragsMoveTheSlidersAndSwapThePointer)
{
    ShowAndDraw();
    QWidget* view = Child<QWidget>("PicMain");
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, {100, 100});
    Mouse(QEvent::MouseMove, Qt::LeftButton, {130, 110});
    EXPECT_EQ(Field(1)->text(), "41");
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {130, 110});
    EXPECT_EQ(view->cursor().hotSpot(), QPoint(7, 8));
    Mouse(QEvent::MouseButtonPress, Qt::RightButton, {140, 140});
    EXPECT_EQ(view->cursor().hotSpot(), QPoint(6, 6));
    Mouse(QEvent::MouseMove, Qt::RightButton, {140, 170});
    EXPECT_EQ(Slider("SliderDistance")->value(), 1600);
    Mouse(QEvent::MouseButtonRelease, Qt::RightButton, {140, 170});
    EXPECT_EQ(view->cursor().hotSpot(), QPoint(7, 8));
}

TEST_F(Designer, CancelAndTheCloseBoxReturnToTheLastOk)
{
    ShowAndDraw();
    Slider("SliderDistance")->setValue(900);
    Child<QToolButton>("Btn2Page2")->click();
    EXPECT_EQ(doc_.PageStyle, kStyleUpright);
    Child<QPushButton>("CmdCancel")->click();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(Field(0)->text(), "1500");
    EXPECT_EQ(doc_.PageStyle, kStyleLFold);

    ShowAndDraw();
    Child<QToolButton>("Btn2Page1")->click();
    Slider("SliderRotate")->setValue(-20);
    ASSERT_EQ(ClickOk(), "");
    ShowAndDraw();
    Slider("SliderRotate")->setValue(60);
    Child<QToolButton>("Btn2Page")->click();
    form_->close();
    EXPECT_EQ(Field(1)->text(), "-20");
    EXPECT_DOUBLE_EQ(form_->Camera().Camera().CameraAngle, -20.0);
    EXPECT_EQ(doc_.PageStyle, kStyleFlat);
    EXPECT_TRUE(Child<QToolButton>("Btn2Page1")->isChecked());
}

// After a Cancel the framebuffer holds the cancelled camera (the markers of an OK go to a
// framebuffer of their own): showing the dialog again must draw the current scene.
TEST_F(Designer, EveryShowingShowsTheCurrentScene)
{
    ShowAndDraw();
    ASSERT_EQ(ClickOk(), "");
    ShowAgain();
    const QImage afterOk = Shown();
    Child<QOpenGLWidget>("PicMain")->grabFramebuffer(); // a fresh frame of the current scene
    EXPECT_EQ(afterOk, Shown());

    Slider("SliderRotate")->setValue(60);
    QTest::qWait(100); // the view draws the camera about to be cancelled
    Child<QPushButton>("CmdCancel")->click();
    ShowAgain();
    const QImage afterCancel = Shown();
    Child<QOpenGLWidget>("PicMain")->grabFramebuffer();
    EXPECT_EQ(afterCancel, Shown());
    EXPECT_EQ(afterCancel, afterOk); // the same camera as at the OK
}

TEST_F(Designer, OkStoresTheOutlineTheHeadlessViewFinds)
{
    const std::pair<double, const char*> styles[] = {
        {kStyleLFold, "Btn2Page"}, {kStyleFlat, "Btn2Page1"}, {kStyleUpright, "Btn2Page2"}};
    for (const auto& [style, button] : styles) {
        ShowAndDraw();
        Child<QToolButton>(button)->click();
        Slider("SliderRotate")->setValue(-25);
        ASSERT_EQ(ClickOk(), "") << style;
        EXPECT_FALSE(form_->isVisible());

        OffscreenView headless(Child<QWidget>("PicMain")->size());
        const CameraValues& camera = form_->Camera().Camera();
        const PaperOutlineResult expected =
            PaperOutlineFromCorners(headless.CaptureCorners(camera, style), style, camera);
        ASSERT_TRUE(expected.ok);
        EXPECT_EQ(doc_.PaperPoint, expected.PaperPoint) << style;
        EXPECT_EQ(doc_.Camera.CameraAngle, -25.0) << style; // the document keeps the camera of the OK
        EXPECT_TRUE(busyAtRefit_) << style;
    }
    EXPECT_EQ(paperChanges_, 3);
}

TEST_F(Designer, FailedOkShowsWhyKeepsTheOutlineAndCommitsTheCamera)
{
    ShowAndDraw();
    Slider("SliderDistance")->setValue(50); // too close: corners fall outside the view
    EXPECT_EQ(ClickOk(), "Error|Please make sure that all parts of the paper are visible.");
    EXPECT_EQ(doc_.PaperPoint, kDefaultPaperPoint);
    EXPECT_EQ(paperChanges_, 0);
    Slider("SliderDistance")->setValue(1500);
    Child<QToolButton>("Btn2Page1")->click();
    Slider("SliderRotate")->setValue(0); // the flat paper seen square-on: all corners in view
    Slider("SliderEye")->setValue(99);
    EXPECT_EQ(ClickOk(), "Error|The paper area is too small.");
    Child<QPushButton>("CmdCancel")->click();
    EXPECT_EQ(Slider("SliderEye")->value(), 99); // the failed OK still committed
    EXPECT_EQ(doc_.PageStyle, kStyleFlat);
}

} // namespace
} // namespace quorvane
