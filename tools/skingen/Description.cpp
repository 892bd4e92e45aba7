#include "tools/skingen/Description.h"

#include <tuple>

#include "tools/skingen/Theme.h"

namespace skingen {

using namespace theme;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string Colour(Rgb c) {
  return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b);
}

std::string N(int v) { return std::to_string(v); }

Keys Margins(int left, int top, int right, int bottom) {
  return {{"LeftWidth", N(left)}, {"TopHeight", N(top)}, {"RightWidth", N(right)}, {"BottomHeight", N(bottom)}};
}

// A standard element section: image, frame count, margins, transparency.
IniSection Element(const std::string& name, const std::string& image, int frames, Keys margins,
                   bool trans, Keys extra = {}) {
  Keys keys{{"Image", image}, {"Frame", N(frames)}};
  keys.insert(keys.end(), margins.begin(), margins.end());
  keys.emplace_back("Trans", trans ? "1" : "0");
  keys.emplace_back("Tile", "0");
  keys.insert(keys.end(), extra.begin(), extra.end());
  return {name, keys};
}

// Only the side pieces hold the rounded corners, so only they are transparent.
Keys Border(const std::string& piece, const std::string& image, int lead, int trail, bool trans) {
  return {{piece, image},
          {piece + "Frame", "2"},
          {piece + "TopHeight", N(lead)},
          {piece + "BotHeight", N(trail)},
          {piece + "Stretch", "1"},
          {piece + "Trans", trans ? "1" : "0"}};
}

IniSection CaptionButton(const std::string& name, int action, int x, int visibility,
                         int visibility1, const std::string& image) {
  Keys keys{{"Action", N(action)}, {"Align", "1"}, {"Xcoord", N(x)},
            {"Ycoord", N(kCaptionButtonTop)}, {"Visibility", N(visibility)}};
  if (visibility1 != 0) keys.emplace_back("Visibility1", N(visibility1));
  keys.emplace_back("frame", "4");
  keys.emplace_back("ButtonImage", image);
  return {name, keys};
}

IniSection Personality() {
  Keys keys;
  for (const auto& [piece, image, lead, trail, trans] :
       {std::tuple{"Left", "left.bmp", kCaption, 8, true}, {"Right", "right.bmp", kCaption, 8, true},
        {"Top", "top.bmp", 8, 8, false}, {"Bottom", "bottom.bmp", 2, 2, false}}) {
    const Keys border = Border(piece, image, lead, trail, trans);
    keys.insert(keys.end(), border.begin(), border.end());
  }
  const Keys title{{"TextBack", "textback.bmp"}, {"TextShift", "30"}, {"TextShiftVert", "0"},
                   {"TextRightClip", N(3 * kCaptionButtonWidth + 2 * kBorder + 2)},
                   {"TextAlignment", "0"}, {"TXTBackleft", "4"}, {"TXTBackRight", "4"},
                   {"ActiveTextR", N(kCaptionText.r)}, {"ActiveTextG", N(kCaptionText.g)},
                   {"ActiveTextB", N(kCaptionText.b)}, {"InActiveTextR", N(kCaptionTextInactive.r)},
                   {"InActiveTextG", N(kCaptionTextInactive.g)},
                   {"InActiveTextB", N(kCaptionTextInactive.b)}};
  keys.insert(keys.end(), title.begin(), title.end());
  const Keys menuBar{{"menuBar", "menubar.bmp"}, {"TileMenu", "1"}, {"TileLeftMenu", "2"},
                     {"TileRightMenu", "2"}};
  keys.insert(keys.end(), menuBar.begin(), menuBar.end());
  return {"Personality", keys};
}

IniSection Colours() {
  return {"Colours",
          {{"WindowText", Colour(kText)},
           {"ButtonFace", Colour(kFace)},
           {"Scrollbar", Colour(kTrack)},
           {"HilightText", Colour(kWindow)},
           {"Hilight", Colour(kAccent)},
           {"Menubar", Colour(kFace)},
           {"Menu", Colour(kWindow)},
           {"MenuText", Colour(kText)},
           {"ButtonText", Colour(kText)},
           {"ButtonHilight", Colour(kWindow)},
           {"Buttonlight", Colour(Rgb{250, 251, 252})},
           {"ButtonShadow", Colour(kEdge)},
           {"ButtonDkShadow", Colour(kEdgeDark)},
           {"MenuBarText", Colour(kText)},
           {"TitleTextActive", Colour(kCaptionText)},
           {"TitleTextNoActive", Colour(kCaptionTextInactive)}}};
}

}  // namespace

std::vector<IniSection> SkinDescription() {
  // Caption buttons sit flush from the right border, right to left.
  const int close = kBorder + 1 + kCaptionButtonWidth;
  const int maximise = close + kCaptionButtonWidth;
  const int minimise = maximise + kCaptionButtonWidth;
  return {
      {"Skin", {{"Name", "Tapvane"}, {"Version", "1.0"}}},
      Personality(),
      {"Fonts", {{"FontHeight", "12"}}},
      Colours(),
      CaptionButton("ButtonClose", 0, close, 0, 0, "close.bmp"),
      CaptionButton("ButtonMaximize", 1, maximise, 2, 6, "maximize.bmp"),
      CaptionButton("ButtonRestore", 1, maximise, 1, 6, "restore.bmp"),
      CaptionButton("ButtonMinimize", 2, minimise, 8, 0, "minimize.bmp"),
      CaptionButton("ButtonHelp", 4, maximise, 10, 0, "help.bmp"),
      {"ButtonIcon", {{"Action", "3"}, {"Align", "0"}, {"Xcoord", "8"}, {"Ycoord", "7"}, {"Visibility", "0"}}},
      {"MDICONTROLS", {{"Image", "mdicontrols.bmp"}}},
      {"Buttons",
       {{"Bitmap", "button.bmp"}, {"Frame", "5"}, {"LeftWidth", "5"}, {"TopHeight", "5"},
        {"RightWidth", "5"}, {"BottomHeight", "5"}, {"Trans", "1"}, {"Tile", "0"},
        {"CheckButton", "checkbox.bmp"}, {"CheckButtonFrame", "12"},
        {"RadioButton", "radio.bmp"}, {"RadioButtonFrame", "8"},
        {"NormalColour2", Colour(kText)}, {"MouseOverColour2", Colour(kAccentDark)},
        {"PressedColour2", Colour(kAccentDark)}}},
      {"Progress",
       {{"Bitmap", "progress.bmp"}, {"Frame", "2"}, {"Style", "0"}, {"LeftWidth", "4"},
        {"TopHeight", "3"}, {"RightWidth", "4"}, {"BottomHeight", "3"}, {"Trans", "1"}, {"Tile", "0"}}},
      Element("Progress.Chunk", "chunk.bmp", 1, Margins(2, 2, 2, 2), true),
      Element("GroupBoxEdge", "groupedge.bmp", 2, Margins(5, 5, 5, 5), true),
      Element("GroupBox", "groupbox.bmp", 1, Margins(5, 5, 5, 5), true,
              {{"BackgroundAlignment", "0"}, {"BackgroundLeftShift", "4"}, {"BackgroundRightShift", "4"}}),
      Element("Tabs", "tabs.bmp", 5, Margins(5, 5, 5, 2), true,
              {{"Border", "pane.bmp"}, {"Style", "0"}, {"NormalColour2", Colour(kTextMuted)},
               {"MouseOverColour2", Colour(kText)}}),
      Element("StatusBarEdges", "statusbar.bmp", 3, Margins(2, 2, 2, 2), false,
              {{"NormalColour2", Colour(kTextMuted)}}),
      Element("Tab.Pane", "pane.bmp", 1, Margins(4, 4, 4, 4), false),
      Element("ToolBars", "toolbar.bmp", 5, Margins(5, 5, 5, 5), true),
      Element("ComboButton", "combobutton.bmp", 4, Margins(3, 3, 3, 3), true, {{"Style", "0"}}),
      Element("SunkEdge", "sunkedge.bmp", 4, Margins(4, 4, 4, 4), true),
      Element("ExtraImages", "extra.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("Headerbar", "header.bmp", 5, Margins(3, 3, 3, 3), false),
      Element("MenuItem", "menuitem.bmp", 5, Margins(4, 4, 4, 4), true),
      Element("MenuBackground", "menuback.bmp", 1, Margins(3, 3, 3, 3), false),
      Element("Scrollbar", "scrollbar.bmp", 23, Margins(0, 0, 0, 0), true),
      Element("HorzScroll", "scrolltrack.bmp", 4, Margins(0, 0, 0, 0), false),
      Element("VertScroll", "scrolltrack.bmp", 4, Margins(0, 0, 0, 0), false),
      Element("HorzScrollThumb", "hthumb.bmp", 3, Margins(6, 0, 6, 0), true, {{"FrameCount", "3"}}),
      Element("VertScrollThumb", "vthumb.bmp", 3, Margins(0, 6, 0, 6), true, {{"FrameCount", "3"}}),
      Element("Trackbar.ThumbHorz", "thumbhorz.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("Trackbar.ThumbVert", "thumbvert.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("Trackbar.ThumbLeft", "thumbleft.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("Trackbar.ThumbRight", "thumbright.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("Trackbar.ThumbUp", "thumbup.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("Trackbar.ThumbDown", "thumbdown.bmp", 5, Margins(0, 0, 0, 0), true),
      Element("UpDown.Horz", "updown.bmp", 8, Margins(3, 3, 3, 3), false, {{"GlyphImage", "updownh.bmp"}}),
      Element("UpDown.Vert", "updown.bmp", 8, Margins(3, 3, 3, 3), false, {{"GlyphImage", "updownv.bmp"}}),
      Element("Track", "track.bmp", 1, Margins(3, 1, 3, 1), false),
      Element("TRACKVERT", "trackvert.bmp", 1, Margins(1, 3, 1, 3), false),
  };
}

std::string RenderIni(const std::vector<IniSection>& sections) {
  std::string out = "; Tapvane skin: calm blue-grey, for 96 dpi and a 9-point font\r\n";
  for (const IniSection& section : sections) {
    out += "\r\n[" + section.name + "]\r\n";
    for (const auto& [key, value] : section.keys) out += key + "=" + value + "\r\n";
  }
  return out;
}

}  // namespace skingen
