// Small text helpers of the description reading (ASCII only, as the
// description's section and key names are).
#pragma once

#include <string>
#include <string_view>

std::string SkinUpperCase(std::string_view text);
bool SkinStartsWith(std::string_view text, std::string_view prefix);
// Equal without regard to ASCII case, without copying either text.
bool SkinSameName(std::string_view a, std::string_view b);
