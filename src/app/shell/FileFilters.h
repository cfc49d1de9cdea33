#pragma once

#include <QString>

namespace quorvane {

// Turns a filter in the form "Caption (*.a;*.b)|*.a;*.b|..." into Qt's name filters
// "Caption (*.a *.b);;...": the caption's pattern list is replaced by the patterns
// themselves, since Qt reads the patterns from the caption's parentheses.
QString ToQtNameFilters(const QString& pipeFilter);

} // namespace quorvane
