#pragma once

// The main window's file dialogs: Open, Open Layout and Save Layout. Each gives "" when
// cancelled.

#include <QString>

class QWidget;

namespace quorvane {

// Starts on "All pictures", then the types one by one; `start` is a folder or a file.
QString AskPictureToOpen(QWidget* parent, const QString& start);

QString AskLayoutToOpen(QWidget* parent, const QString& folder);

// A photo of the laid-out paper: JPG, PNG or TIF.
QString AskPhotoToOpen(QWidget* parent, const QString& folder);

// A name without the ".quorvane" ending gets it.
QString AskLayoutToSave(QWidget* parent, const QString& suggested);

} // namespace quorvane
