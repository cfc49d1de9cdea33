#pragma once

// The designer dialog ("Design Paper"): the page style, the paper's format and grid of
// sheets, the camera, and on OK the paper outline as the camera sees it. It edits a draft of
// the paper and its camera and hands back a new paper and outline on OK; the document itself
// is changed by its owner. Made once and then only hidden and shown, so it keeps its state
// for the whole run.

#include <array>
#include <optional>

#include <QDialog>

#include "core/designer/DesignerCamera.h"
#include "core/shell/Document.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace quorvane {

class DesignerView;

class FormOpenGL : public QDialog {
    Q_OBJECT

public:
    // Opens on the document's paper and camera.
    FormOpenGL(const Document& doc, QWidget* parent);

    struct Designed {
        quorvane::Paper Paper;
        PaperOutline Outline;
    };

    // Shows the dialog until OK or Cancel; the new paper and outline after an OK.
    std::optional<Designed> Design();

    const DesignerCamera& Camera() const { return camera_; }
    const Paper& Draft() const { return draft_; }

    // Shows the document's camera and paper, kept as the last OK's: after an undo, a redo or
    // an opened layout put another document in place.
    void AdoptDocument(const Document& doc);

public slots:
    // Cancel, Escape and the close box: back to the last OK, then hidden.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildPanel();
    QGroupBox* BuildStyleGroup();
    QGroupBox* BuildCameraGroup();
    QToolButton* MakeStyleButton(const char* name, PaperLayout layout);
    QGridLayout* BuildPaperRows();

    void CmdOK_Click();
    void OnStyleClicked(PaperLayout layout);
    void OnFormatChosen(int index);
    void OnSheetsEdited();
    void OnGlueEdited(double glueMm);
    void MoveToPaper(const Paper& paper);
    void OnSliderChanged(CameraRow row, int value);
    void OnFieldEdited(CameraRow row, const QString& text);
    void OnFieldLeft(CameraRow row);
    void RestoreKept();
    void ShowDraftPaper();
    void ShowSetup();
    QSlider* SliderOf(CameraRow row) const;

    Paper draft_;
    DesignerCamera camera_;
    std::optional<Designed> designed_; // the last OK's, until Design hands it back

    DesignerView* PicMain = nullptr;
    QWidget* PicTab = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QButtonGroup* styleButtons_ = nullptr;
    QToolButton* Btn2Page = nullptr;
    QToolButton* Btn2Page1 = nullptr;
    QToolButton* Btn2Page2 = nullptr;
    QComboBox* ComboPaper = nullptr;
    QSpinBox* SpinColumns = nullptr;
    QSpinBox* SpinRows = nullptr;
    QDoubleSpinBox* SpinGlue = nullptr;
    QSlider* SliderDistance = nullptr;
    QSlider* SliderRotate = nullptr;
    QSlider* SliderEye = nullptr;
    QSlider* SliderFOV = nullptr;
    std::array<QLineEdit*, kCameraRowCount> TextPosition{};
    QLabel* LabelSetup = nullptr; // where the camera goes in the room
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;
};

} // namespace quorvane
