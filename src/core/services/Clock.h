#pragma once

// Today's date, behind an interface so tests can choose the day.

#include <QDate>

namespace quorvane {

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date, without time.
    virtual QDate Today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate Today() const override { return QDate::currentDate(); }
};

} // namespace quorvane
