// Addresses of the maker's web site opened by the about page and the
// "检测更新" button.
#pragma once

#include <string>

namespace app {

// Percent-encodes every byte of the UTF-8 text that is not an unreserved URL
// character (A-Z a-z 0-9 - . _ ~), so that whatever the user typed into the
// version field the shell gets one well-formed http address.
std::string PercentEncode(const std::string& utf8);

// Site root + "?qq=Pointrel" + the encoded version text.
std::string WebLinkAddress(const std::string& versionUtf8);

// Target of the site shortcut written at each start of a run.
std::string SiteShortcutTarget();

}  // namespace app
