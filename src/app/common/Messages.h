#pragma once

// Every message the program shows to the user goes through these helpers, so one
// search finds them all.

#include <optional>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace quorvane {

// A message box titled "Error" with a stop icon and an OK button.
void ShowError(QWidget* parent, const QString& text);

// A plain message box (no title text of its own, no icon) with an OK button.
void ShowPlainMessage(QWidget* parent, const QString& text);

// A question with Yes and No, Yes the default. Returns true for Yes.
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);

// Asked when a page is saved as PDF: "Add a setup sheet" checked as `preset`, with Save (the
// default) and Cancel. The check box's state; no value for Cancel, Esc and the close box.
std::optional<bool> AskSetupSheet(QWidget* parent, bool preset);

enum class SaveChoice { Save, Discard, Cancel };

// "Save changes to the layout?" with Save (the default), Discard and Cancel; Esc and the
// close box answer Cancel.
SaveChoice AskSaveChanges(QWidget* parent);

} // namespace quorvane
