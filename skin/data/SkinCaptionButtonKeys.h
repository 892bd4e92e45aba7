// Caption buttons of a skin description: which BUTTON... sections make one
// and the keys each one reads. Images and frame counts are the caller's.
#pragma once

#include <string>
#include <vector>

class TQuickIni;

struct TCaptionButtonKeys {
  std::string Name;  // the section name, upper-cased
  int Action = 0;
  int Align = 0;
  int Xcoord = 0;
  int Ycoord = 0;
  int Visibility = 0;
  int Visibility1 = 0;
  int CombineOp = -1;
  int Frame = 0;           // 0: decided from the image later
  std::string ImageValue;  // value of "ButtonImage"
};

// Caption buttons a skin may define: more than any caption has room for;
// the BUTTON sections after them are ignored.
inline constexpr int kMaxCaptionButtons = 32;

// Sections are taken in order, up to kMaxCaptionButtons buttons. Push button, check box and radio button
// sections are not caption buttons, nor sections hidden with Action -1 and
// a Visibility other than 0. A button with Action 4 takes the position of
// the last button before it with Action 1 and Visibility 2 (its own when
// there is none).
std::vector<TCaptionButtonKeys> ReadCaptionButtonKeys(const TQuickIni& ini,
                                                      const std::vector<std::string>& sections);
