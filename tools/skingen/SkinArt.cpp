#include "tools/skingen/Elements.h"

namespace skingen {

std::vector<SkinFile> AllSkinArt() {
  std::vector<SkinFile> all;
  for (auto part : {WindowFrameArt, CaptionButtonArt, ButtonArt, PanelArt, FieldArt, ScrollArt, RangeArt}) {
    std::vector<SkinFile> files = part();
    all.insert(all.end(), files.begin(), files.end());
  }
  return all;
}

}  // namespace skingen
