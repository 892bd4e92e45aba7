// Splits a click item into its fields.
#pragma once

#include <string>
#include <vector>

namespace app {

// Pieces between occurrences of delimiter, left to right, empty pieces kept;
// an empty text gives no pieces at all. An empty delimiter does not split.
std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter);

}  // namespace app
