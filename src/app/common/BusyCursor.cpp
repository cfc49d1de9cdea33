#include "app/common/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace quorvane {

namespace {
int shownCount = 0;
}

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ++shownCount;
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

int BusyCursor::ShownCount()
{
    return shownCount;
}

} // namespace quorvane
