#pragma once

// When the program asks whether the user wants to look for a newer version: at the first
// start, then at the first start more than 15 days after the last question, or when the
// stored date lies in the future (the clock was set back). Whatever the answer, today's
// date is stored.

#include <optional>

#include <QDate>
#include <QString>

namespace quorvane {

class Clock;
class SettingsStore;

// The date assumed when none is stored.
inline constexpr char kDefaultLastCheckUpdate[] = "2005-1-1";
// Days after the last question during which it is not asked again.
inline constexpr qint64 kUpdateQuietDays = 15;

// The question and its consequence, supplied by the caller.
class UpdateQuestion {
public:
    virtual ~UpdateQuestion() = default;
    // Asks whether to visit the maker's website; true for Yes.
    virtual bool AskToVisitWebsite() = 0;
    // Opens the maker's home page; called after a Yes.
    virtual void OpenHomePage() = 0;
};

// The stored form of a date: year-month-day without leading zeros ("2026-12-6").
QString FormatStoredDate(QDate date);

// Reads year-month-day, with or without leading zeros ("2005-1-1", "2005-01-01").
// No value for any other text or an impossible date.
std::optional<QDate> ParseStoredDate(const QString& text);

// True when the question is due on `today` given the stored text ("" means never asked;
// text that is not a date makes it due).
bool IsUpdateDue(const QString& stored, QDate today);

// Reads the stored date, asks when due, opens the home page after a Yes and stores
// today's date. Returns true when the question was asked.
bool RunUpdatePrompt(SettingsStore& store, const Clock& clock, UpdateQuestion& question);

} // namespace quorvane
