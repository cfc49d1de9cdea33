#pragma once

// The Help entries that open a page of the maker's website in the user's browser.
// Fire and forget: a page that cannot be opened shows nothing. (Help Contents shows the
// installed guide, which links to its copy on the website.)

namespace quorvane {

void OpenHomePage();
void OpenDownloadPage();

} // namespace quorvane
