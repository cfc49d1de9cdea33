#pragma once

// The designer dialog ("Design Paper"): the page style, the camera, and on OK the paper
// outline as the camera sees it. Made once and then only hidden and shown, so it keeps its
// state for the whole run.

#include <array>
#include <functional>

#include <QDialog>

#include "core/designer/DesignerCamera.h"
#include "core/shell/Document.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace quorvane {

class DesignerView;

class FormOpenGL : public QDialog {
    Q_OBJECT

public:
    // `paperChanged` runs after an OK has stored a new outline with SetPaper: the main
    // window refits its paper and redraws.
    FormOpenGL(Document& doc, std::function<void()> paperChanged, QWidget* parent);

    const DesignerCamera& Camera() const { return camera_; }

    // Shows the document's camera and page style, kept as the last OK's: after an undo or
    // a redo put another document in place.
    void AdoptDocument();

public slots:
    // Cancel, Escape and the close box: back to the last OK, then hidden.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildPanel();
    QGroupBox* BuildStyleGroup();
    QGroupBox* BuildCameraGroup();
    QToolButton* MakeStyleButton(const char* name, double PageStyle);

    void CmdOK_Click();
    void OnStyleClicked(double PageStyle);
    void OnSliderChanged(CameraRow row, int value);
    void OnFieldEdited(CameraRow row, const QString& text);
    void OnFieldLeft(CameraRow row);
    void RestoreKept();
    void CheckStyleButton();
    QSlider* SliderOf(CameraRow row) const;

    Document& doc_;
    std::function<void()> paperChanged_;
    DesignerCamera camera_;

    DesignerView* PicMain = nullptr;
    QWidget* PicTab = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QButtonGroup* styleButtons_ = nullptr;
    QToolButton* Btn2Page = nullptr;
    QToolButton* Btn2Page1 = nullptr;
    QToolButton* Btn2Page2 = nullptr;
    QSlider* SliderDistance = nullptr;
    QSlider* SliderRotate = nullptr;
    QSlider* SliderEye = nullptr;
    QSlider* SliderFOV = nullptr;
    std::array<QLineEdit*, kCameraRowCount> TextPosition{};
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;
};

} // namespace quorvane
