#include "app/photo/FormPhoto.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/photo/PhotoCornersView.h"
#include "core/photo/CornerEdit.h"
#include "core/photo/PhotoOutline.h"

namespace quorvane {

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

} // namespace

FormPhoto::FormPhoto(const QImage& photo, const std::optional<PhotoPoints>& found, const QString& notFound,
                     const Paper& paper, QWidget* parent)
    : QDialog(parent)
    , photo_(photo)
    , paper_(paper)
{
    setObjectName(QStringLiteral("FormPhoto"));
    setWindowTitle(QStringLiteral("From Photo"));
    auto* layout = new QVBoxLayout(this);
    const CornerEdit edit(photo.size(), paper, found.value_or(DefaultPhotoCorners(photo.size(), paper)));
    view_ = new PhotoCornersView(photo, edit, this);
    view_->setObjectName(QStringLiteral("PicPhoto"));
    layout->addWidget(view_, 1);
    found_ = AddLabel(layout, "LblFound", this);
    found_->setText(found ? QStringLiteral("Check the corners: drag them, or select one and move it with the arrow "
                                           "keys (Shift: ten pixels).")
                          : notFound + QStringLiteral(" Place the corners on the paper's corners by hand."));
    camera_ = AddLabel(layout, "LblCamera", this);
    setup_ = AddLabel(layout, "LblSetup", this);
    error_ = AddLabel(layout, "LblError", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("CmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &FormPhoto::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FormPhoto::reject);
    connect(view_, &PhotoCornersView::CornersChanged, this, &FormPhoto::ShowCamera);
    ShowCamera();
    resize(900, 720);
}

void FormPhoto::ShowCamera()
{
    const CameraReport report = ReportCamera(view_->Edit().Corners(), photo_.size(), paper_);
    camera_->setText(report.camera);
    setup_->setText(report.setup);
    error_->setText(report.error);
    error_->setStyleSheet(report.warning ? QStringLiteral("color: #b00000; font-weight: bold") : QString());
}

void FormPhoto::accept()
{
    const OutlineCapture capture = PhotoOutline(photo_, view_->Edit().Corners(), paper_);
    if (!capture.outline) {
        found_->setText(capture.message);
        return;
    }
    outline_ = capture.outline;
    QDialog::accept();
}

} // namespace quorvane
