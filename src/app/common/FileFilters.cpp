#include "app/common/FileFilters.h"

namespace quorvane {

QStringList ToQtNameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i].trimmed();
        const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
        if (open > 0 && caption.endsWith(QLatin1Char(')')))
            caption = caption.left(open).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(caption, patterns);
    }
    return filters;
}

QString FirstEndingOf(const QString& nameFilter)
{
    const qsizetype start = nameFilter.indexOf(QLatin1String("(*."));
    if (start < 0)
        return {};
    const qsizetype from = start + 3;
    qsizetype end = from;
    while (end < nameFilter.size() && nameFilter[end] != u' ' && nameFilter[end] != u')')
        ++end;
    return nameFilter.mid(from, end - from);
}

} // namespace quorvane
