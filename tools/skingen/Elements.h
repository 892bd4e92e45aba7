#pragma once
// The painters of every skin element; each returns its bitmap files.
#include <vector>

#include "tools/skingen/Draw.h"

namespace skingen {

std::vector<SkinFile> WindowFrameArt();    // borders and caption text strip
std::vector<SkinFile> CaptionButtonArt();  // caption and MDI buttons
std::vector<SkinFile> ButtonArt();         // push, check and radio buttons, tool bars
std::vector<SkinFile> PanelArt();          // group box, tabs, status bar, header, menus
std::vector<SkinFile> FieldArt();          // combo box, sunk edge, progress, extra images
std::vector<SkinFile> ScrollArt();         // scroll bar strip, tracks and thumbs
std::vector<SkinFile> RangeArt();          // track bar thumbs and channels, up-down buttons

// Every file of the skin, in package order.
std::vector<SkinFile> AllSkinArt();

// Caption colour at row y of the caption band.
Rgb CaptionColour(double y, bool active);

}  // namespace skingen
