// The description and the bitmaps must agree: every bitmap it names exists,
// is a valid 24-bit bitmap whose frames divide it evenly in the count the
// engine uses, and is transparent where the description says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

#include "tests/host/skingen/BmpInfo.h"
#include "tools/skingen/Bmp.h"
#include "tools/skingen/Description.h"
#include "tools/skingen/Elements.h"
#include "tools/skingen/Theme.h"

namespace skingen::test {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The rendered text read back the way an ini reader does: trimmed lines,
// ";" comments, first section and first key win, keys without case.
class Ini {
 public:
  explicit Ini(const std::string& text) {
    std::string line, section;
    std::istringstream in(text);
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == ';') continue;
      if (line.front() == '[' && line.back() == ']') {
        section = line.substr(1, line.size() - 2);
        if (std::find(order_.begin(), order_.end(), section) == order_.end()) order_.push_back(section);
        continue;
      }
      const size_t eq = line.find('=');
      EXPECT_NE(eq, std::string::npos) << line;
      if (eq == std::string::npos) continue;
      values_[Lower(section)].emplace(Lower(line.substr(0, eq)), line.substr(eq + 1));
    }
  }
  const std::vector<std::string>& Sections() const { return order_; }
  std::string Get(const std::string& section, const std::string& key) const {
    const auto s = values_.find(Lower(section));
    if (s == values_.end()) return "";
    const auto k = s->second.find(Lower(key));
    return k == s->second.end() ? "" : k->second;
  }
  int Int(const std::string& section, const std::string& key, int fallback) const {
    const std::string v = Get(section, key);
    return v.empty() ? fallback : std::stoi(v);
  }

 private:
  std::vector<std::string> order_;
  std::map<std::string, std::map<std::string, std::string>> values_;
};

// One bitmap named by the description, with what the engine makes of it.
struct Use {
  std::string section, key, file;
  int frames = 1;
  bool vertical = false;      // frames stacked
  bool transparent = false;   // drawn with magenta left out
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Frame counts the engine imposes whatever the description says.
const std::map<std::string, int> kFixedFrames = {
    {"Buttons", 5},         {"Progress", 2},           {"GroupBoxEdge", 2}, {"GroupBox", 1},
    {"Tab.Pane", 1},        {"MenuBackground", 1},     {"StatusBarEdges", 3},
    {"ComboButton", 4},     {"SunkEdge", 4},           {"HorzScroll", 4},   {"VertScroll", 4},
    {"ToolBars", 5},        {"Tabs", 5},               {"ExtraImages", 5},  {"MenuItem", 5},
    {"Headerbar", 5},       {"UpDown.Horz", 8},        {"UpDown.Vert", 8},  {"Scrollbar", 23},
    {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5},
    {"Trackbar.ThumbRight", 5}, {"Trackbar.ThumbUp", 5}, {"Trackbar.ThumbDown", 5}};

class SkinDescriptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const SkinFile& f : AllSkinArt()) files_.emplace(f.name, EncodeBmp24(f.image));
    ini_ = std::make_unique<Ini>(RenderIni(SkinDescription()));
    CollectUses();
  }

  void Add(Use use) { uses_.push_back(std::move(use)); }

  void Margins(Use& use) const {
    use.left = ini_->Int(use.section, "LeftWidth", 0);
    use.top = ini_->Int(use.section, "TopHeight", 0);
    use.right = ini_->Int(use.section, "RightWidth", 0);
    use.bottom = ini_->Int(use.section, "BottomHeight", 0);
  }

  void CollectUses() {
    const Ini& ini = *ini_;
    for (const std::string piece : {"Left", "Right", "Top", "Bottom"}) {
      const bool across = piece == "Top" || piece == "Bottom";
      Use use{"Personality", piece, ini.Get("Personality", piece), ini.Int("Personality", piece + "Frame", 1),
              across, ini.Int("Personality", piece + "Trans", 1) == 1};
      const int lead = ini.Int("Personality", piece + "TopHeight", 0);
      const int trail = ini.Int("Personality", piece + "BotHeight", 0);
      (across ? use.left : use.top) = lead;
      (across ? use.right : use.bottom) = trail;
      Add(use);
    }
    Add({"Personality", "TextBack", ini.Get("Personality", "TextBack"), 2, true, true,
         ini.Int("Personality", "TXTBackleft", 0), 0, ini.Int("Personality", "TXTBackRight", 0), 0});
    Add({"MDICONTROLS", "Image", ini.Get("MDICONTROLS", "Image"), 12, false, true});
    // The menu bar band: active over inactive, opaque.
    Add({"Personality", "menuBar", ini.Get("Personality", "menuBar"), 2, true, false,
         ini.Int("Personality", "TileLeftMenu", 1), 0, ini.Int("Personality", "TileRightMenu", 1), 0});
    for (const std::string& section : ini.Sections()) {
      const std::string upper = Lower(section);
      if (upper.rfind("button", 0) == 0 && upper != "buttons" && !ini.Get(section, "ButtonImage").empty())
        Add({section, "ButtonImage", ini.Get(section, "ButtonImage"), ini.Int(section, "frame", 0), false, true});
    }
    const bool buttonsTrans = ini.Int("Buttons", "Trans", 0) == 1;
    Use push{"Buttons", "Bitmap", ini.Get("Buttons", "Bitmap"), 5, false, buttonsTrans};
    Margins(push);
    Add(push);
    Add({"Buttons", "CheckButton", ini.Get("Buttons", "CheckButton"), ini.Int("Buttons", "CheckButtonFrame", 0)});
    Add({"Buttons", "RadioButton", ini.Get("Buttons", "RadioButton"), ini.Int("Buttons", "RadioButtonFrame", 0)});
    for (const auto& [section, fixed] : kFixedFrames) {
      if (section == "Buttons") continue;
      const std::string key = section == "Progress" ? "Bitmap" : "Image";
      Use use{section, key, ini.Get(section, key), fixed, false, ini.Int(section, "Trans", 0) == 1};
      Margins(use);
      Add(use);
    }
    for (const std::string section : {"Progress.Chunk", "Track", "TRACKVERT"}) {
      Use use{section, "Image", ini.Get(section, "Image"), ini.Int(section, "Frame", 0), false,
              ini.Int(section, "Trans", 0) == 1};
      Margins(use);
      Add(use);
    }
    for (const std::string section : {"HorzScrollThumb", "VertScrollThumb"}) {
      Use use{section, "Image", ini.Get(section, "Image"), ini.Int(section, "FrameCount", 3), false,
              ini.Int("HorzScrollThumb", "Trans", 0) == 1};
      Margins(use);
      Add(use);
    }
    Add({"Tabs", "Border", ini.Get("Tabs", "Border"), 1});
    Add({"UpDown.Horz", "GlyphImage", ini.Get("UpDown.Horz", "GlyphImage"), 8, false, true});
    Add({"UpDown.Vert", "GlyphImage", ini.Get("UpDown.Vert", "GlyphImage"), 8, false, true});
  }

  BmpInfo Read(const std::string& name) const {
    const auto found = files_.find(name);
    EXPECT_NE(found, files_.end()) << name;
    if (found == files_.end()) return {};
    const std::optional<BmpInfo> info = ReadBmp(found->second);
    EXPECT_TRUE(info.has_value()) << name;
    return info.value_or(BmpInfo{});
  }

  std::map<std::string, std::vector<std::uint8_t>> files_;
  std::unique_ptr<Ini> ini_;
  std::vector<Use> uses_;
};

TEST_F(SkinDescriptionTest, EveryNamedBitmapExistsAndSplitsIntoItsFrames) {
  ASSERT_GE(uses_.size(), 40u);
  for (const Use& use : uses_) {
    SCOPED_TRACE(use.section + "." + use.key + " = " + use.file);
    ASSERT_FALSE(use.file.empty());
    ASSERT_GE(use.file.size(), 5u);
    EXPECT_EQ(use.file.substr(use.file.size() - 4), ".bmp");  // the engine loads only this exact extension
    const BmpInfo bmp = Read(use.file);
    ASSERT_EQ(bmp.bits, 24);
    ASSERT_GT(use.frames, 0);
    const int length = use.vertical ? bmp.height : bmp.width;
    EXPECT_EQ(length % use.frames, 0) << length << " / " << use.frames;
    const int fw = use.vertical ? bmp.width : bmp.width / use.frames;
    const int fh = use.vertical ? bmp.height / use.frames : bmp.height;
    EXPECT_LE(use.left + use.right, fw) << "margins wider than a frame";
    EXPECT_LE(use.top + use.bottom, fh) << "margins taller than a frame";
    if (use.transparent) {
      EXPECT_GT(std::count(bmp.pixels.begin(), bmp.pixels.end(), kMagenta), 0);
    }
  }
}

TEST_F(SkinDescriptionTest, DeclaredFrameCountsMatchTheEngine) {
  for (const auto& [section, fixed] : kFixedFrames) {
    EXPECT_EQ(ini_->Int(section, "Frame", fixed), fixed) << section;
  }
  EXPECT_EQ(ini_->Int("HorzScrollThumb", "FrameCount", 3), ini_->Int("VertScrollThumb", "FrameCount", 3));
  // Check and radio cells are 13 pixels, the size the engine assumes for
  // strips lower than 16 pixels when no count is given.
  for (const std::string key : {"CheckButton", "RadioButton"}) {
    const BmpInfo bmp = Read(ini_->Get("Buttons", key));
    ASSERT_LT(bmp.height, 16);
    EXPECT_EQ(bmp.width / 13, ini_->Int("Buttons", key + "Frame", 0)) << key;
  }
  EXPECT_EQ(ini_->Int("Buttons", "CheckButtonFrame", 0), 12);
  EXPECT_EQ(ini_->Int("Buttons", "RadioButtonFrame", 0), 8);
}

TEST_F(SkinDescriptionTest, EveryBitmapIsNamedAndNamesAreLowerCase) {
  std::set<std::string> named;
  for (const Use& use : uses_) named.insert(use.file);
  for (const auto& [name, bytes] : files_) {
    EXPECT_TRUE(named.count(name)) << name << " is never named";
    EXPECT_EQ(name, Lower(name));
  }
  EXPECT_EQ(files_.size(), named.size());
}

TEST_F(SkinDescriptionTest, FrameGeometryFitsTheCaption) {
  const BmpInfo left = Read("left.bmp"), top = Read("top.bmp");
  EXPECT_EQ(left.width / 2, theme::kBorder);
  EXPECT_EQ(top.height / 2, theme::kCaption);
  EXPECT_EQ(left.At(0, 0), kMagenta) << "the rounded corner is cut from the window region";
  EXPECT_NE(left.At(0, left.height / 2), kMagenta);
  // The caption sample colour is read at a third of the first frame.
  EXPECT_NE(top.At(top.width / 3, (top.height / 2) / 3), kMagenta);
  for (const std::string section : {"ButtonClose", "ButtonMaximize", "ButtonMinimize", "ButtonHelp"}) {
    const BmpInfo button = Read(ini_->Get(section, "ButtonImage"));
    EXPECT_LE(ini_->Int(section, "Ycoord", 0) + button.height, theme::kCaption) << section;
    EXPECT_GE(ini_->Int(section, "Xcoord", 0) - button.width / 4, theme::kBorder) << section;
  }
  const BmpInfo scroll = Read("scrollbar.bmp");
  EXPECT_EQ(scroll.width / 23, scroll.height);
}

TEST_F(SkinDescriptionTest, ColourTextsAreThreeNumbers) {
  for (const std::string key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar",
                                "Menu", "MenuText", "ButtonText", "ButtonHilight", "Buttonlight",
                                "ButtonShadow", "ButtonDkShadow", "MenuBarText", "TitleTextActive",
                                "TitleTextNoActive"}) {
    std::istringstream in(ini_->Get("Colours", key));
    int r = -1, g = -1, b = -1;
    std::string rest;
    in >> r >> g >> b >> rest;
    EXPECT_TRUE(r >= 0 && r < 256 && g >= 0 && g < 256 && b >= 0 && b < 256 && rest.empty()) << key;
  }
}

TEST_F(SkinDescriptionTest, GeneratingTwiceGivesTheSameBytes) {
  std::map<std::string, std::vector<std::uint8_t>> again;
  for (const SkinFile& f : AllSkinArt()) again.emplace(f.name, EncodeBmp24(f.image));
  EXPECT_EQ(again, files_);
  EXPECT_EQ(RenderIni(SkinDescription()), RenderIni(SkinDescription()));
}

}  // namespace
}  // namespace skingen::test
