#pragma once

// The pages of the maker's website that the program opens in the browser.

#include <QUrl>

namespace quorvane {

inline constexpr char kMakerSite[] = "https://tarnwick.example";

// The site's home page: the host alone, no path.
inline QUrl HomePageUrl()
{
    return QUrl(QString::fromLatin1(kMakerSite));
}

inline QUrl HelpContentsUrl()
{
    return QUrl(QString::fromLatin1(kMakerSite) + QStringLiteral("/quorvane/help.htm"));
}

inline QUrl DownloadPageUrl()
{
    return QUrl(QString::fromLatin1(kMakerSite) + QStringLiteral("/quorvane/download/"));
}

} // namespace quorvane
