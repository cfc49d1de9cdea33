#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// Turns a filter in the form "Caption (*.a;*.b)|*.a;*.b|..." into Qt's name filters
// "Caption (*.a *.b)", one per entry: the caption's pattern list is replaced by the
// patterns themselves, since Qt reads the patterns from the caption's parentheses.
QStringList ToQtNameFilters(const QString& pipeFilter);

// The first file ending a Qt name filter names, without its dot: "jpg" for
// "JPG format (*.jpg *.jpeg)"; empty when it names none.
QString FirstEndingOf(const QString& nameFilter);

} // namespace quorvane
