// Colour texts of a skin description ("230 235 245", "230,235,245").
#pragma once

#include <string_view>

#include "toolkit/graphics/Colors.h"

// Digit runs are red, green and blue in that order (each modulo 256), any
// other character separates them. A run counts when a separator follows it;
// a run that ends the text counts only as the third number. Missing numbers
// are 0, numbers after the third are ignored; an empty text gives 0.
TColor ParseSkinColour(std::string_view text);

// ParseSkinColour, or the default when the text is empty.
TColor ParseSkinColourOr(std::string_view text, TColor defaultColour);
