#include "app/WebLink.h"

#include "app/AppConstants.h"

namespace app {

namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string PercentEncode(const std::string& utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8.size());
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsUnreserved(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

std::string WebLinkAddress(const std::string& versionUtf8) {
  return std::string(kSiteRoot) + "?qq=Pointrel" + PercentEncode(versionUtf8);
}

std::string SiteShortcutTarget() { return std::string(kSiteRoot) + "?qq=PointrelD"; }

}  // namespace app
