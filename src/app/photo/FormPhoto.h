#pragma once

// The From Photo dialog: the photo with the paper's corners as found (or, when none were,
// placed by default with the reason shown) for the user to check and move, and below it the
// camera those corners show: the designer's values, where it stands in the room, and how
// far the corners are from where it puts them. OK makes the outline; it stays open with the
// reason when the corners make none.

#include <optional>

#include <QDialog>

#include "core/shell/Paper.h"
#include "core/shell/PaperOutline.h"

class QLabel;

namespace quorvane {

class PhotoCornersView;

class FormPhoto : public QDialog {
    Q_OBJECT

public:
    // `found`: the corners found in the photo, or no value and `notFound` says why.
    FormPhoto(const QImage& photo, const std::optional<PhotoPoints>& found, const QString& notFound,
              const Paper& paper, QWidget* parent);

    // The outline after an OK; no value before it.
    const std::optional<PaperOutline>& Outline() const { return outline_; }
    PhotoCornersView* Corners() const { return view_; }

public slots:
    void accept() override;

private:
    void ShowCamera();

    QImage photo_;
    Paper paper_;
    PhotoCornersView* view_ = nullptr;
    QLabel* found_ = nullptr;  // LblFound: why no paper was found, or what to do
    QLabel* camera_ = nullptr; // LblCamera
    QLabel* setup_ = nullptr;  // LblSetup
    QLabel* error_ = nullptr;  // LblError
    std::optional<PaperOutline> outline_;
};

} // namespace quorvane
