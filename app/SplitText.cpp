#include "app/SplitText.h"

namespace app {

std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.push_back(text);
    return pieces;
  }
  std::string::size_type start = 0;
  for (;;) {
    const auto at = text.find(delimiter, start);
    if (at == std::string::npos) break;
    pieces.push_back(text.substr(start, at - start));
    start = at + delimiter.size();
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

}  // namespace app
