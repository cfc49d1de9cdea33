#pragma once

// The Help entries that open a page of the maker's website in the user's browser.
// Fire and forget: a page that cannot be opened shows nothing.

namespace quorvane {

void OpenHelpContents();
void OpenHomePage();
void OpenDownloadPage();

} // namespace quorvane
