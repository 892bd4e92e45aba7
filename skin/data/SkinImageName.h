// Image keys of a skin description name a bitmap file of the package.
#pragma once

#include <string>
#include <string_view>

// The package entry an image value names: only its file-name part counts and
// only a name ending exactly in ".bmp" (lower case) is loaded. Empty when the
// value names nothing loadable.
std::string SkinImageEntryName(std::string_view value);
