#include "app/services/WebLinks.h"

#include <QDesktopServices>

#include "core/services/WebAddresses.h"

namespace quorvane {

void OpenHomePage()
{
    QDesktopServices::openUrl(HomePageUrl());
}

void OpenDownloadPage()
{
    QDesktopServices::openUrl(DownloadPageUrl());
}

} // namespace quorvane
