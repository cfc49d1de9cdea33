#pragma once

// The file dialogs of Open Layout and Save Layout. Both give "" when cancelled.

#include <QString>

class QWidget;

namespace quorvane {

QString AskLayoutToOpen(QWidget* parent, const QString& folder);

// A name without the ".quorvane" ending gets it.
QString AskLayoutToSave(QWidget* parent, const QString& suggested);

} // namespace quorvane
