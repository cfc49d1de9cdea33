#include "app/designer/FormOpenGL.h"

#include <algorithm>
#include <optional>

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/common/BusyCursor.h"
#include "app/common/DialogGeometry.h"
#include "app/common/Messages.h"
#include "app/designer/DesignerArt.h"
#include "app/designer/DesignerView.h"
#include "core/designer/CameraInput.h"
#include "core/designer/CameraSetup.h"
#include "core/designer/CornerCheck.h"
#include "core/shell/PageStyle.h"

namespace quorvane {

namespace {

constexpr int kPanelWidth = 286;
// The panel's rows stand close enough to fit the client area's 450 pixels: the style's own
// margins at the sides, less above and below.
constexpr int kPanelSpacing = 4;
constexpr int kCaptionGap = 5; // above a camera caption or the setup line
constexpr QMargins kPanelMargins(9, kPanelSpacing, 9, kPanelSpacing);
constexpr QMargins kGroupMargins(9, 5, 9, 5);

struct CameraRowLook {
    const char* caption;
    const char* sliderName;
};

constexpr std::array<CameraRowLook, kCameraRowCount> kRowLooks{{
    {"Distance:", "SliderDistance"},
    {"Angle:", "SliderRotate"},
    {"Height:", "SliderEye"},
    {"FOV (field of view):", "SliderFOV"},
}};

// A camera field drops every typed character but digits, Backspace, the Angle field's
// leading minus and a length's decimal point; keys that move the focus or the caret, Delete,
// Select All and Copy still work.
bool DropsKey(CameraRow row, const QLineEdit& field, const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete)
        return false;
    if (key.matches(QKeySequence::SelectAll) || key.matches(QKeySequence::Copy))
        return false;
    if (key.text().isEmpty())
        return false;
    const QString text = field.text();
    const qsizetype start = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    const qsizetype end = field.hasSelectedText() ? field.selectionEnd() : start;
    return !AcceptsFieldCharacter(row, key.text().front(), QStringView(text).first(start),
                                  QStringView(text).sliced(end));
}

// A label of the camera group, spaced from the row before unless it is the first.
QLabel* SpacedLabel(const char* text, bool spaced)
{
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setContentsMargins(0, spaced ? kCaptionGap : 0, 0, 0);
    return label;
}

// A count of sheets across or down the paper.
QSpinBox* SheetCountBox(const char* name, const char* title)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(1, kMaxGridSheets);
    spin->setToolTip(QString::fromLatin1(title));
    spin->setAccessibleName(QString::fromLatin1(title));
    return spin;
}

// The focus moved to another control of the dialog, not to another window or a popup.
bool LeavesField(const QFocusEvent& focus)
{
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

} // namespace

FormOpenGL::FormOpenGL(const Document& doc, QWidget* parent)
    : QDialog(parent)
    , draft_(doc.Paper)
{
    setObjectName(QStringLiteral("FormOpenGL"));
    setWindowTitle(QStringLiteral("Design Paper"));
    setModal(true);
    camera_.Keep(doc.Camera(), doc.Paper); // a layout opened before the first Design brings its own
    camera_.Restore();
    PicMain = new DesignerView(camera_, draft_, this);
    PicTab = BuildPanel();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PicMain, 1);
    layout->addWidget(PicTab);
    resize(809, 450);
    CentreOnScreen(*this, nullptr);
    connect(PicMain, &DesignerView::DragStep, this,
            [this](int row, int value) { SliderOf(static_cast<CameraRow>(row))->setValue(value); });
    connect(PicMain, &DesignerView::RendererMessage, this,
            [this](const QString& text) { ShowPlainMessage(this, text); });
    ShowDraftPaper();
}

QWidget* FormOpenGL::BuildPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PicTab"));
    panel->setFixedWidth(kPanelWidth);
    CmdOK = new QPushButton(QStringLiteral("OK"), panel);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdCancel = new QPushButton(QStringLiteral("Cancel"), panel);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {CmdOK, CmdCancel}) {
        button->setFixedSize(117, 28);
        buttons->addWidget(button);
    }
    connect(CmdOK, &QPushButton::clicked, this, &FormOpenGL::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormOpenGL::reject);
    auto* column = new QVBoxLayout(panel);
    column->setSpacing(kPanelSpacing);
    column->setContentsMargins(kPanelMargins);
    column->addWidget(BuildStyleGroup());
    column->addWidget(BuildCameraGroup());
    column->addStretch(1);
    column->addLayout(buttons);
    return panel;
}

QGroupBox* FormOpenGL::BuildStyleGroup()
{
    GroupBox1 = new QGroupBox(QStringLiteral("Style"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    styleButtons_ = new QButtonGroup(this);
    styleButtons_->setExclusive(true);
    Btn2Page = MakeStyleButton("Btn2Page", PaperLayout::LFold);
    Btn2Page1 = MakeStyleButton("Btn2Page1", PaperLayout::Flat);
    Btn2Page2 = MakeStyleButton("Btn2Page2", PaperLayout::Upright);
    auto* row = new QHBoxLayout;
    for (QToolButton* button : {Btn2Page, Btn2Page1, Btn2Page2})
        row->addWidget(button);
    row->addStretch(1);
    auto* column = new QVBoxLayout(GroupBox1);
    column->setContentsMargins(kGroupMargins);
    column->addLayout(row);
    column->addLayout(BuildPaperRows());
    return GroupBox1;
}

// The format, and the grid of sheets the paper is assembled from with its glue margin.
QGridLayout* FormOpenGL::BuildPaperRows()
{
    ComboPaper = new QComboBox;
    ComboPaper->setObjectName(QStringLiteral("ComboPaper"));
    for (PaperFormat format : PaperFormats())
        ComboPaper->addItem(FormatTitle(format));
    connect(ComboPaper, &QComboBox::activated, this, &FormOpenGL::OnFormatChosen);
    SpinColumns = SheetCountBox("SpinColumns", "Sheets across");
    SpinRows = SheetCountBox("SpinRows", "Sheets down");
    for (QSpinBox* spin : {SpinColumns, SpinRows})
        connect(spin, &QSpinBox::valueChanged, this, &FormOpenGL::OnSheetsEdited);
    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(kPanelSpacing);
    auto* sheets = new QHBoxLayout;
    sheets->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing)); // not the rows' closer spacing
    sheets->addWidget(SpinColumns);
    sheets->addWidget(new QLabel(QStringLiteral("x")));
    sheets->addWidget(SpinRows);
    sheets->addStretch(1);
    SpinGlue = new QDoubleSpinBox;
    SpinGlue->setObjectName(QStringLiteral("SpinGlue"));
    SpinGlue->setRange(0.0, kMaxGlueMm);
    SpinGlue->setDecimals(1);
    SpinGlue->setSingleStep(1.0);
    SpinGlue->setSuffix(QStringLiteral(" mm"));
    SpinGlue->setToolTip(QStringLiteral("The strip of each sheet that lies under its neighbour"));
    SpinGlue->setKeyboardTracking(false); // a typed margin counts once it is complete
    connect(SpinGlue, &QDoubleSpinBox::valueChanged, this, &FormOpenGL::OnGlueEdited);
    const auto addRow = [rows](int row, const QString& caption, QWidget* buddy) {
        auto* label = new QLabel(caption);
        label->setBuddy(buddy);
        rows->addWidget(label, row, 0);
    };
    addRow(0, QStringLiteral("Paper:"), ComboPaper);
    addRow(1, QStringLiteral("Sheets:"), SpinColumns);
    addRow(2, QStringLiteral("Glue:"), SpinGlue);
    rows->addWidget(ComboPaper, 0, 1);
    rows->addLayout(sheets, 1, 1);
    rows->addWidget(SpinGlue, 2, 1, Qt::AlignLeft);
    rows->setColumnStretch(1, 1);
    return rows;
}

QToolButton* FormOpenGL::MakeStyleButton(const char* name, PaperLayout layout)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setFixedSize(56, 51);
    button->setIcon(StyleIcon(layout));
    button->setIconSize(QSize(44, 40));
    if (const PageStyleName* style = NameOf(PageStyleOf(layout))) {
        button->setToolTip(QString::fromLatin1(style->caption));
        button->setAccessibleName(QString::fromLatin1(style->caption));
    }
    styleButtons_->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, layout] { OnStyleClicked(layout); });
    return button;
}

QGroupBox* FormOpenGL::BuildCameraGroup()
{
    GroupBox2 = new QGroupBox(QStringLiteral("Camera"));
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* grid = new QGridLayout(GroupBox2);
    grid->setContentsMargins(kGroupMargins);
    grid->setVerticalSpacing(0); // each caption sits on its slider; SpacedLabel spaces the pairs
    std::array<QSlider**, kCameraRowCount> sliders{&SliderDistance, &SliderRotate, &SliderEye, &SliderFOV};
    for (CameraRow row : kCameraRows) {
        const int i = static_cast<int>(row);
        const SliderRange& range = RangeOf(row);
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setObjectName(QString::fromLatin1(kRowLooks[i].sliderName));
        slider->setRange(range.Min, range.Max);
        slider->setPageStep(range.LargeChange);
        slider->setSingleStep(range.SmallChange);
        slider->setValue(camera_.SliderValue(row));
        *sliders[i] = slider;
        auto* field = new QLineEdit(camera_.FieldText(row));
        field->setObjectName(QStringLiteral("TextPosition%1").arg(i));
        field->setFixedSize(45, 21);
        field->installEventFilter(this);
        TextPosition[i] = field;
        grid->addWidget(SpacedLabel(kRowLooks[i].caption, i > 0), 2 * i, 0, 1, 3);
        grid->addWidget(slider, 2 * i + 1, 0);
        grid->addWidget(field, 2 * i + 1, 1);
        grid->addWidget(new QLabel(DesignerCamera::FieldUnit(row)), 2 * i + 1, 2);
        connect(slider, &QSlider::valueChanged, this, [this, row](int v) { OnSliderChanged(row, v); });
        connect(field, &QLineEdit::textEdited, this, [this, row](const QString& t) { OnFieldEdited(row, t); });
    }
    LabelSetup = SpacedLabel("", true);
    LabelSetup->setObjectName(QStringLiteral("LabelSetup"));
    LabelSetup->setWordWrap(true);
    grid->addWidget(LabelSetup, 2 * kCameraRowCount, 0, 1, 3);
    ShowSetup();
    return GroupBox2;
}

std::optional<FormOpenGL::Designed> FormOpenGL::Design()
{
    designed_.reset();
    exec();
    return std::exchange(designed_, std::nullopt);
}

void FormOpenGL::CmdOK_Click()
{
    std::optional<BusyCursor> busy(std::in_place); // the capture
    const FoundCorners found = PicMain->CaptureCorners();
    const OutlineCapture capture = CaptureOutline(found, draft_, camera_.Camera(), PicMain->size());
    if (!capture.outline) {
        busy.reset();
        ShowError(this, capture.message);
        return;
    }
    designed_ = Designed{draft_, *capture.outline};
    camera_.Commit(draft_); // only an accepted OK: a Cancel returns to the document's camera
    accept();
}

void FormOpenGL::AdoptDocument(const Document& doc)
{
    camera_.Keep(doc.Camera(), doc.Paper);
    RestoreKept();
}

void FormOpenGL::reject()
{
    RestoreKept();
    QDialog::reject();
}

void FormOpenGL::OnStyleClicked(PaperLayout layout)
{
    draft_.Layout = layout;
    ShowDraftPaper();
    ShowSetup();
    PicMain->update();
}

void FormOpenGL::OnFormatChosen(int index)
{
    Paper paper = draft_;
    paper.Format = PaperFormats()[size_t(index)];
    MoveToPaper(paper);
}

// The glue margin is kept as it is: the box shows it to one decimal only.
void FormOpenGL::OnSheetsEdited()
{
    Paper paper = draft_;
    paper.Grid.Columns = SpinColumns->value();
    paper.Grid.Rows = SpinRows->value();
    SpinGlue->setEnabled(!paper.Grid.IsSingle());
    MoveToPaper(paper);
}

void FormOpenGL::OnGlueEdited(double glueMm)
{
    Paper paper = draft_;
    paper.Grid.GlueMm = glueMm;
    MoveToPaper(paper);
}

// Another format or grid keeps the paper where it was in the view: the eye moves back and up
// as far as the paper grows, and the field of view opens where the sliders end.
void FormOpenGL::MoveToPaper(const Paper& paper)
{
    const CameraValues moved = CameraOnPaper(camera_.Camera(), draft_, paper);
    draft_ = paper;
    for (CameraRow row : {CameraRow::FieldOfView, CameraRow::Distance, CameraRow::Height})
        SliderOf(row)->setValue(DesignerCamera::SliderValueOf(row, moved));
    ShowSetup();
    PicMain->update();
}

void FormOpenGL::OnSliderChanged(CameraRow row, int value)
{
    camera_.SetSliderValue(row, value);
    // A field being typed into keeps its text while that already reads as the slider's value
    // ("6" and "6.0" alike).
    QLineEdit* field = TextPosition[static_cast<int>(row)];
    if (FieldValueWhileTyping(row, field->text()) != value)
        field->setText(camera_.FieldText(row));
    ShowSetup();
    PicMain->update(); // a new field of view also rebuilds the projection there
}

void FormOpenGL::OnFieldEdited(CameraRow row, const QString& text)
{
    if (const std::optional<int> n = FieldValueWhileTyping(row, text))
        SliderOf(row)->setValue(*n);
}

void FormOpenGL::OnFieldLeft(CameraRow row)
{
    QLineEdit* field = TextPosition[static_cast<int>(row)];
    const int n = FieldValueOnLeave(row, field->text());
    SliderOf(row)->setValue(n);
    field->setText(camera_.FieldText(row));
}

bool FormOpenGL::eventFilter(QObject* watched, QEvent* event)
{
    const auto it = std::find(TextPosition.begin(), TextPosition.end(), watched);
    if (it == TextPosition.end())
        return QDialog::eventFilter(watched, event);
    const auto row = static_cast<CameraRow>(it - TextPosition.begin());
    if (event->type() == QEvent::KeyPress && DropsKey(row, **it, *static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::FocusOut && LeavesField(*static_cast<QFocusEvent*>(event)))
        OnFieldLeft(row);
    return QDialog::eventFilter(watched, event);
}

void FormOpenGL::RestoreKept()
{
    draft_ = camera_.Restore();
    for (CameraRow row : kCameraRows) {
        SliderOf(row)->setValue(camera_.SliderValue(row)); // runs the slider update if it moves
        TextPosition[static_cast<int>(row)]->setText(camera_.FieldText(row));
    }
    ShowDraftPaper();
    ShowSetup();
    PicMain->update();
}

void FormOpenGL::ShowSetup()
{
    LabelSetup->setText(SetupLine(SetupOf(draft_, camera_.Camera())));
}

void FormOpenGL::ShowDraftPaper()
{
    const auto formats = PaperFormats();
    ComboPaper->setCurrentIndex(int(std::find(formats.begin(), formats.end(), draft_.Format) - formats.begin()));
    const QSignalBlocker columns(SpinColumns), rows(SpinRows), glue(SpinGlue); // shown, not edited
    SpinColumns->setValue(draft_.Grid.Columns);
    SpinRows->setValue(draft_.Grid.Rows);
    SpinGlue->setValue(draft_.Grid.GlueMm);
    SpinGlue->setEnabled(!draft_.Grid.IsSingle());
    switch (draft_.Layout) {
    case PaperLayout::LFold:
        Btn2Page->setChecked(true);
        break;
    case PaperLayout::Flat:
        Btn2Page1->setChecked(true);
        break;
    case PaperLayout::Upright:
        Btn2Page2->setChecked(true);
        break;
    case PaperLayout::None:
        break;
    }
}

QSlider* FormOpenGL::SliderOf(CameraRow row) const
{
    switch (row) {
    case CameraRow::Distance:
        return SliderDistance;
    case CameraRow::Angle:
        return SliderRotate;
    case CameraRow::Height:
        return SliderEye;
    case CameraRow::FieldOfView:
        return SliderFOV;
    }
    return SliderDistance;
}

} // namespace quorvane
