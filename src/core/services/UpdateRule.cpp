#include "core/services/UpdateRule.h"

#include "core/services/Clock.h"
#include "core/services/SettingsStore.h"

namespace quorvane {

namespace {

const QString kStoredDateFormat = QStringLiteral("yyyy-M-d");

} // namespace

QString FormatStoredDate(QDate date)
{
    return date.toString(kStoredDateFormat);
}

std::optional<QDate> ParseStoredDate(const QString& text)
{
    // The single-letter fields accept one or two digits, so padded dates read too.
    const QDate date = QDate::fromString(text, kStoredDateFormat);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool IsUpdateDue(const QString& stored, QDate today)
{
    if (!today.isValid())
        return false;
    const QString text = stored.isEmpty() ? QString::fromLatin1(kDefaultLastCheckUpdate) : stored;
    const std::optional<QDate> last = ParseStoredDate(text);
    if (!last)
        return true;
    const qint64 days = last->daysTo(today);
    return days > kUpdateQuietDays || days < 0;
}

bool RunUpdatePrompt(SettingsStore& store, const Clock& clock, UpdateQuestion& question)
{
    const QDate today = clock.Today();
    if (!IsUpdateDue(store.ReadSetting(QString::fromLatin1(kLastCheckUpdate)), today))
        return false;
    if (question.AskToVisitWebsite())
        question.OpenHomePage();
    // A failed write is not reported: the question simply comes again at the next start.
    store.WriteSetting(QString::fromLatin1(kLastCheckUpdate), FormatStoredDate(today));
    return true;
}

} // namespace quorvane
