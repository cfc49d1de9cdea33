// The designer dialog driven through its real controls on the virtual display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "app/designer/FormOpenGL.h"
#include "core/designer/ProjectedOutline.h"
#include "scene/ViewCapture.h"
#include "support/ModalWatcher.h"

namespace quorvane {
namespace {

class Designer : public testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<FormOpenGL>(Document{}, nullptr);
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

    // Shows the dialog and waits until its view has drawn; or, as Design shows it again, lets
    // it settle without asking for a frame.
    void ShowAndDraw(bool askForAFrame = true)
    {
        auto* view = Child<QOpenGLWidget>("PicMain");
        QSignalSpy drawn(view, &QOpenGLWidget::frameSwapped);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        if (askForAFrame)
            view->grabFramebuffer(); // initialises and draws the view
        else if (drawn.isEmpty())
            drawn.wait(2000);
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

    // Clicks OK; returns "title|text" of the box it shows, closed again ("" for none). Neither
    // the box nor the window after the OK shows the busy pointer.
    std::string ClickOk()
    {
        MessageBoxWatcher box;
        Child<QPushButton>("CmdOK")->click();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(box.Seen().busyPointer);
        return box.Seen().shown ? (box.Seen().title + "|" + box.Seen().text).toStdString() : "";
    }

    std::unique_ptr<FormOpenGL> form_;
};

// What a field takes and how a drag turns the camera are the camera's own tests; here typing,
// leaving a field and a drag in the view reach the camera through the dialog.
TEST_F(Designer, FieldsAndViewDragsReachTheCamera)
{
    ShowAndDraw();
    QLabel* setup = Child<QLabel>("LabelSetup");
    EXPECT_EQ(setup->text(), "Camera: 54.5 cm left, 83.3 cm in front of the near edge, 53.1 cm above the table; zoom 91 mm");
    QLineEdit* angle = Field(1);
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier); // selects all, types nothing
    QTest::keyClicks(angle, "-3x-0");
    EXPECT_EQ(form_->Camera().Camera().CameraAngle, -30.0);
    QLineEdit* distance = Field(0);
    distance->selectAll();
    QTest::keyClicks(distance, "60.0");
    EXPECT_EQ(Slider("SliderDistance")->value(), 850); // 60 cm of printed paper, 85 scene units
    distance->selectAll();
    QTest::keyClicks(distance, "5000");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(distance, &leave);
    EXPECT_EQ(distance->text(), "282.4"); // the slider's end, 400 scene units

    QWidget* view = Child<QWidget>("PicMain");
    QWheelEvent notch(QPointF(100, 100), view->mapToGlobal(QPointF(100, 100)), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &notch);
    EXPECT_EQ(Slider("SliderDistance")->value(), 3900); // a notch forward: 10 units nearer, as a right drag goes
    EXPECT_EQ(distance->text(), "275.3");
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(130, 110)); // a degree per three pixels
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(130, 110));
    EXPECT_EQ(Field(1)->text(), "-20");
    EXPECT_TRUE(setup->text().startsWith("Camera: 94.2 cm right,")) << setup->text().toStdString(); // 390 sin 20° x 12/17
}

// Design shows the dialog again without asking for a frame; after an OK (whose markers go to a
// framebuffer of their own) and after a Cancel (whose camera the view drew last) it must draw
// the current scene.
TEST_F(Designer, CancelAndTheCloseBoxReturnToTheLastOkAndShowingAgainDrawsIt)
{
    ShowAndDraw();
    Child<QToolButton>("Btn2Page")->click();
    Slider("SliderRotate")->setValue(-20);
    ASSERT_EQ(ClickOk(), "");
    for (const bool closeBox : {false, true}) {
        ShowAndDraw(false);
        const QImage shown = Shown();
        Child<QOpenGLWidget>("PicMain")->grabFramebuffer(); // a fresh frame of the current scene
        EXPECT_EQ(shown, Shown());
        QSignalSpy drawn(Child<QOpenGLWidget>("PicMain"), &QOpenGLWidget::frameSwapped);
        Slider("SliderRotate")->setValue(60);
        Child<QToolButton>("Btn2Page2")->click();
        EXPECT_EQ(form_->Draft().Layout, PaperLayout::Upright);
        Child<QComboBox>("ComboPaper")->activated(2); // A3: the eye stands back as far as it is wider
        EXPECT_EQ(form_->Draft().Format, PaperFormat::A3);
        EXPECT_EQ(Slider("SliderDistance")->value(), 2121);
        EXPECT_TRUE(drawn.wait(2000)); // the view draws the camera about to be cancelled
        if (closeBox)
            form_->close();
        else
            Child<QPushButton>("CmdCancel")->click();
        EXPECT_FALSE(form_->isVisible());
        EXPECT_EQ(Field(1)->text(), "-20");
        EXPECT_EQ(form_->Draft(), Paper{});
        EXPECT_EQ(Child<QComboBox>("ComboPaper")->currentText(), "A4");
        EXPECT_EQ(Slider("SliderDistance")->value(), 1500);
        EXPECT_TRUE(Child<QToolButton>("Btn2Page")->isChecked());
    }
    for (const auto& [button, name] : {std::pair{"Btn2Page", "L-fold"}, {"Btn2Page1", "Flat"}, {"Btn2Page2", "Upright"}})
        EXPECT_TRUE(Child<QToolButton>(button)->accessibleName() == name && Child<QToolButton>(button)->toolTip() == name);
}

TEST_F(Designer, FailedOkShowsWhyAndCancelThenReturnsToTheDocumentsCamera)
{
    ShowAndDraw();
    Slider("SliderDistance")->setValue(50); // too close: corners fall outside the view
    EXPECT_EQ(ClickOk(), "Error|Please make sure that all parts of the paper are visible.");
    EXPECT_TRUE(form_->isVisible()); // no outline handed back
    Slider("SliderDistance")->setValue(1500);
    Child<QToolButton>("Btn2Page1")->click();
    Slider("SliderRotate")->setValue(0); // the flat paper seen square-on: all corners in view
    Slider("SliderEye")->setValue(99);
    EXPECT_EQ(ClickOk(), "Error|The paper area is too small.");
    Child<QPushButton>("CmdCancel")->click();
    ShowAndDraw(false);
    EXPECT_EQ(Slider("SliderEye")->value(), 752);
    EXPECT_EQ(Field(0)->text(), "105.9");
    EXPECT_EQ(form_->Draft().Layout, PaperLayout::LFold);
}

// A grid of sheets goes with the paper as its format does: the eye stands back as far as the
// assembled paper is wider, OK hands back the grid with the outline of the whole piece, and
// Cancel and an adopted document bring their own grid back into the boxes.
TEST_F(Designer, SheetGridIsDesignedKeptAndCancelledWithThePaper)
{
    auto* columns = Child<QSpinBox>("SpinColumns");
    auto* rows = Child<QSpinBox>("SpinRows");
    auto* glue = Child<QDoubleSpinBox>("SpinGlue");
    EXPECT_FALSE(glue->isEnabled());
    ModalWatcher<FormOpenGL> watcher([&](FormOpenGL&) {
        Child<QOpenGLWidget>("PicMain")->grabFramebuffer();
        // The panel's rows fit beside the view in full: the setup line is not cut off.
        EXPECT_EQ(Child<QWidget>("PicMain")->size(), QSize(523, 450));
        auto* setup = Child<QLabel>("LabelSetup");
        EXPECT_GE(setup->height(), setup->heightForWidth(setup->width()));
        columns->setValue(2);
        rows->setValue(2);
        EXPECT_TRUE(glue->isEnabled());
        EXPECT_EQ(Slider("SliderDistance")->value(), 2929); // 1500 x 410 / 210 mm
        EXPECT_EQ(ClickOk(), "");
    });
    const std::optional<FormOpenGL::Designed> designed = form_->Design();
    ASSERT_TRUE(designed);
    const Paper piece{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2, 10.0}};
    EXPECT_EQ(designed->Paper, piece);
    const OutlineCapture projected = ProjectedOutline(piece, designed->Outline.Camera, designed->Outline.View);
    ASSERT_TRUE(projected.outline);
    EXPECT_EQ(designed->Outline.PaperPoint, projected.outline->PaperPoint); // the assembled paper's corners

    ShowAndDraw(false);
    columns->setValue(3);
    glue->setValue(25.0);
    EXPECT_EQ(form_->Draft().Grid, (SheetGrid{3, 2, 25.0}));
    Child<QPushButton>("CmdCancel")->click();
    EXPECT_EQ(form_->Draft(), piece);
    EXPECT_EQ(columns->value(), 2);
    EXPECT_EQ(glue->value(), 10.0);
    EXPECT_EQ(Slider("SliderDistance")->value(), 2929);
    form_->AdoptDocument(Document{});
    EXPECT_EQ(columns->value(), 1);
    EXPECT_FALSE(glue->isEnabled());
}

} // namespace
} // namespace quorvane
