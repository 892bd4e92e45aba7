#include "skin/data/SkinDescriptionReader.h"

#include <algorithm>

#include "skin/data/SkinCaptionButtonKeys.h"
#include "skin/data/SkinColour.h"
#include "skin/data/SkinDerivedImages.h"
#include "skin/data/SkinDescriptionKeys.h"
#include "skin/data/SkinFrameRules.h"
#include "skin/data/SkinImageName.h"
#include "skin/draw/SkinBounds.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/core/Streams.h"
#include "toolkit/graphics/Graphics.h"

namespace {

using namespace skinkey;
constexpr std::string_view kPersonality = kPersonalitySection;

// The description and the package files it names, for short lookups.
class TDescription {
 public:
  TDescription(const TQuickIni& ini, const TSkinEntrySource& entries,
               std::vector<std::string>& unreadable)
      : ini_(ini), entries_(entries), unreadable_(unreadable) {}
  TDescription(const TDescription&) = delete;
  TDescription& operator=(const TDescription&) = delete;

  int Int(std::string_view section, const TSkinKey& key) const {
    return ini_.ReadInteger(section, key.Name, key.Default);
  }
  // A key whose name is a prefix and the table's suffix key.
  int Int(std::string_view section, const std::string& prefix, const TSkinKey& key) const {
    return ini_.ReadInteger(section, prefix + std::string(key.Name), key.Default);
  }
  std::string Text(std::string_view section, const TSkinKey& key) const {
    return ini_.ReadString(section, key.Name, "");
  }
  std::unique_ptr<TBitmap> Bitmap(std::string_view section, const TSkinKey& key) const {
    return Load(section, Text(section, key));
  }
  // A file the package holds but no bitmap reader understands is noted once,
  // with the first section that names it, so a skin author can be told.
  std::unique_ptr<TBitmap> Load(std::string_view section, std::string_view value) const {
    bool unreadable = false;
    auto bitmap = LoadSkinBitmap(value, entries_, &unreadable, &pixelsLeft_);
    if (unreadable) {
      const std::string tail = ": " + SkinImageEntryName(value);
      const auto named = [&tail](const std::string& line) { return line.ends_with(tail); };
      if (std::none_of(unreadable_.begin(), unreadable_.end(), named))
        unreadable_.push_back(std::string(section) + tail);
    }
    return bitmap;
  }
  TColor Colour2(std::string_view section, const TSkinKey& key, TColor fallback) const {
    return ParseSkinColourOr(Text(section, key), fallback);
  }
  const TQuickIni& Ini() const { return ini_; }

 private:
  const TQuickIni& ini_;
  const TSkinEntrySource& entries_;
  std::vector<std::string>& unreadable_;
  // Shared by every image the description names.
  mutable std::int64_t pixelsLeft_ = kSkinPixelBudget;
};

// A tile value above 1 becomes 0 in most sections, 1 in a few.
int CapTile(int tile, int above1) { return CapSkinTile(tile, above1); }

void ReadBorder(const TDescription& d, TDataSkinBorder& border, bool marginsAlongHeight) {
  const String& p = border.Name;
  const int first = d.Int(kPersonality, p, BorderLead);
  const int second = d.Int(kPersonality, p, BorderTrail);
  border.LeftWidth = marginsAlongHeight ? 0 : first;
  border.RightWidth = marginsAlongHeight ? 0 : second;
  border.TopHeight = marginsAlongHeight ? first : 0;
  border.BottomHeight = marginsAlongHeight ? second : 0;
  border.Frame = FrameCountOf(d.Int(kPersonality, p, BorderFrame));
  border.Tile = CapTile(d.Int(kPersonality, p, BorderStretch), 1);
  border.Trans = d.Int(kPersonality, p, BorderTrans);
  border.Image =
      d.Load(kPersonality, d.Text(kPersonality, TSkinKey{.Name = p, .Kind = TSkinKeyKind::Image}));
}

void ReadElementKeys(const TDescription& d, const TSkinElementSection& keys, TColor buttonText,
                     TDataSkinObject& r) {
  const std::string_view section = keys.Name;
  r.Style = d.Int(section, Style);
  r.LeftWidth = d.Int(section, LeftWidth);
  r.RightWidth = d.Int(section, RightWidth);
  r.TopHeight = d.Int(section, TopHeight);
  r.BottomHeight = d.Int(section, BottomHeight);
  if (keys.ReadsFrame) r.Frame = d.Int(section, Frame);
  r.Trans = d.Int(section, Trans);
  r.Tile = CapTile(d.Int(section, Tile), keys.TileAbove1);
  if (!keys.Colours) return;
  r.NormalColour = d.Int(section, NormalColour);
  r.MouseOverColour = d.Int(section, MouseOverColour);
  r.PressedColour = d.Int(section, PressedColour);
  r.NormalColour2 = d.Colour2(section, NormalColour2, buttonText);
  r.MouseOverColour2 = d.Colour2(section, MouseOverColour2, buttonText);
  r.PressedColour2 = d.Colour2(section, PressedColour2, buttonText);
}

// An element section makes a record only when its image key has a value.
template <typename R>
std::unique_ptr<R> ReadElement(const TDescription& d, std::string_view name, TColor buttonText) {
  const TSkinElementSection& keys = SkinElementSection(name);
  const std::string value = d.Text(keys.Name, *keys.ImageKey);
  if (value.empty()) return nullptr;
  auto record = std::make_unique<R>(String(keys.Name));
  record->Image = d.Load(keys.Name, value);
  ReadElementKeys(d, keys, buttonText, *record);
  return record;
}

void ReadCaptionButtons(const TDescription& d, const std::vector<std::string>& sections,
                        TSkinElements& skin) {
  skin.CaptionButtons.clear();
  for (const TCaptionButtonKeys& keys : ReadCaptionButtonKeys(d.Ini(), sections)) {
    auto button = std::make_unique<TDataSkinSysButton>(keys.Name);
    button->Action = keys.Action;
    button->Align = keys.Align;
    button->Xcoord = keys.Xcoord;
    button->Ycoord = keys.Ycoord;
    button->Visibility = keys.Visibility;
    button->Visibility1 = keys.Visibility1;
    button->CombineOp = keys.CombineOp;
    button->Image = d.Load(keys.Name, keys.ImageValue);
    button->Frame = CaptionButtonFrame(keys.Frame, button->Image->Width(), button->Image->Height(),
                                       keys.Action);
    if (keys.Frame == 0 && (keys.Action == 3 || keys.Action == 11))
      button->Image = std::make_unique<TBitmap>();
    skin.CaptionButtons.push_back(std::move(button));
  }
  for (const int action : {7, 8, 9}) {
    auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
    button->Action = action;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->Frame = 4;
    skin.CaptionButtons.push_back(std::move(button));
  }
  SplitMdiButtons(*d.Bitmap(SkinElementSection("MDICONTROLS").Name, Image), skin);
}

void ReadPushButtons(const TDescription& d, TColor buttonText, TDataSkinButton& b) {
  const std::string_view s = kPushButtonSection;
  b.LeftWidth = d.Int(s, LeftWidth);
  b.RightWidth = d.Int(s, RightWidth);
  b.TopHeight = d.Int(s, TopHeight);
  b.BottomHeight = d.Int(s, BottomHeight);
  b.Trans = d.Int(s, Trans);
  b.Tile = CapTile(d.Int(s, Tile), 0);
  b.Image = d.Bitmap(s, Bitmap);
  b.CheckImage = d.Bitmap(s, CheckButton);
  b.RadioImage = d.Bitmap(s, RadioButton);
  b.NormalColour = d.Int(s, NormalColour);
  b.MouseOverColour = d.Int(s, MouseOverColour);
  b.PressedColour = d.Int(s, PressedColour);
  b.RadioButtonFrame = d.Int(s, RadioButtonFrame);
  b.CheckButtonFrame = d.Int(s, CheckButtonFrame);
  b.HasNormalColour2 = !d.Text(s, NormalColour2).empty();
  b.HasMouseOverColour2 = !d.Text(s, MouseOverColour2).empty();
  b.HasPressedColour2 = !d.Text(s, PressedColour2).empty();
  b.NormalColour2 = d.Colour2(s, NormalColour2, buttonText);
  b.MouseOverColour2 = d.Colour2(s, MouseOverColour2, buttonText);
  b.PressedColour2 = d.Colour2(s, PressedColour2, buttonText);
}

// Caption text colours come as three channel keys; all three or none.
TColor ReadTextColour(const TDescription& d, std::string_view key) {
  const std::string name(key);
  const int r = d.Int(kPersonality, name + "R", TextChannel);
  const int g = d.Int(kPersonality, name + "G", TextChannel);
  const int b = d.Int(kPersonality, name + "B", TextChannel);
  return r >= 0 && g >= 0 && b >= 0 ? RGBColor(r, g, b) : clNone;
}

void ReadCaptionText(const TDescription& d, TDataSkinTitle& t) {
  t.Image = d.Bitmap(kPersonality, TextBack);
  t.LeftWidth = d.Int(kPersonality, TextShift);
  t.TopHeight = d.Int(kPersonality, TextShiftVert);
  t.RightWidth = d.Int(kPersonality, TextRightClip);
  t.BottomHeight = 0;
  t.TextAlignment = d.Int(kPersonality, TextAlignment);
  t.Textbackground = d.Int(kPersonality, Textbackground);
  t.FontHeight = d.Int(kFontsSection, FontHeight);
  t.TXTBackleft = d.Int(kPersonality, TXTBackleft);
  t.TXTBackRight = d.Int(kPersonality, TXTBackRight);
  t.ActiveText = ReadTextColour(d, ActiveText);
  t.InActiveText = ReadTextColour(d, InActiveText);
}

std::unique_ptr<TDataSkinObject> ReadMenuBar(const TDescription& d) {
  const std::string value = d.Text(kPersonality, MenuBar);
  if (value.empty()) return nullptr;
  auto bar = std::make_unique<TDataSkinObject>(String(MenuBar.Name));
  bar->Image = d.Load(kPersonality, value);
  bar->Tile = CapTile(d.Int(kPersonality, TileMenu), 1);
  bar->LeftWidth = d.Int(kPersonality, TileLeftMenu);
  bar->RightWidth = d.Int(kPersonality, TileRightMenu);
  return bar;
}

// The track of track bars falls back on the program's own bitmap.
std::unique_ptr<TDataSkinObject> ReadTrack(const TDescription& d, const char* section,
                                           TColor buttonText, HINSTANCE module) {
  auto track = ReadElement<TDataSkinObject>(d, section, buttonText);
  if (!track) {
    track = std::make_unique<TDataSkinObject>(section);
    ReadElementKeys(d, SkinElementSection(section), buttonText, *track);
  }
  if (track->Image->Empty()) {
    track->Image->LoadFromResourceName(module, section);
    track->LeftWidth = track->RightWidth = track->TopHeight = track->BottomHeight = 3;
    track->Tile = 0;
    track->Frame = 1;
  }
  track->Frame = FrameCountOf(track->Frame);
  return track;
}

// The image of a section's extra key, or null without the section's record.
template <typename R>
std::unique_ptr<TBitmap> ExtraImage(const TDescription& d, const std::unique_ptr<R>& record,
                                    const TSkinKey& key) {
  return record ? d.Bitmap(record->Name, key) : nullptr;
}

void ReadElements(const TDescription& d, TColor text, TSkinElements& s, HINSTANCE module) {
  s.Progress = ReadElement<TDataSkinBorder>(d, "Progress", text);
  s.ProgressChunk = ReadElement<TDataSkinObject>(d, "Progress.Chunk", text);
  s.MenuBar = ReadMenuBar(d);
  s.GroupBoxEdge = ReadElement<TDataSkinObject>(d, "GroupBoxEdge", text);
  s.GroupBox = ReadElement<TDataSkinBoxLabel>(d, "GroupBox", text);
  if (s.GroupBox) {
    s.GroupBox->BackgroundAlignment = d.Int(s.GroupBox->Name, BackgroundAlignment);
    s.GroupBox->BackgroundLeftShift = d.Int(s.GroupBox->Name, BackgroundLeftShift);
    s.GroupBox->BackgroundRightShift = d.Int(s.GroupBox->Name, BackgroundRightShift);
  }
  s.Tabs = ReadElement<TDataSkinBorder>(d, "Tabs", text);
  if (s.Tabs) s.Tabs->Image2 = ExtraImage(d, s.Tabs, TabBorder);
  s.StatusBarEdges = ReadElement<TDataSkinObject>(d, "StatusBarEdges", text);
  s.TabPane = ReadElement<TDataSkinObject>(d, "Tab.Pane", text);
  if (s.TabPane) {
    const int cap = SkinElementSection(s.TabPane->Name).MarginCap;
    for (int* margin : {&s.TabPane->LeftWidth, &s.TabPane->RightWidth, &s.TabPane->TopHeight,
                        &s.TabPane->BottomHeight})
      *margin = std::min(*margin, cap);
  }
  s.ToolBars = ReadElement<TDataSkinObject>(d, "ToolBars", text);
  s.ComboButton = ReadElement<TDataSkinBorder>(d, "ComboButton", text);
  s.SunkEdge = ReadElement<TDataSkinObject>(d, "SunkEdge", text);
  if (s.ComboButton && !s.ComboButton->Image->Empty())
    s.ComboButton->Image2 = MirroredCopy(*s.ComboButton->Image);
  s.ExtraImages = ReadElement<TDataSkinObject>(d, "ExtraImages", text);
  s.Headerbar = ReadElement<TDataSkinObject>(d, "Headerbar", text);
  s.MenuItem = ReadElement<TDataSkinObject>(d, "MenuItem", text);
  // The item's left margin is a piece of its image; it widens every menu.
  if (s.MenuItem)
    s.MenuItem->LeftWidth = ClampToRange(s.MenuItem->LeftWidth, 0, s.MenuItem->Image->Width());
  s.MenuBackground = ReadElement<TDataSkinObject>(d, "MenuBackground", text);
  s.Scrollbar = ReadElement<TDataSkinObject>(d, "Scrollbar", text);
  s.HorzScroll = ReadElement<TDataSkinObject>(d, "HorzScroll", text);
  s.VertScroll = ReadElement<TDataSkinObject>(d, "VertScroll", text);
  s.HorzScrollThumb = ReadElement<TDataSkinObject>(d, "HorzScrollThumb", text);
  s.VertScrollThumb = ReadElement<TDataSkinObject>(d, "VertScrollThumb", text);
  s.ThumbHorz = ReadElement<TDataSkinObject>(d, "Trackbar.ThumbHorz", text);
  s.ThumbVert = ReadElement<TDataSkinObject>(d, "Trackbar.ThumbVert", text);
  s.ThumbLeft = ReadElement<TDataSkinObject>(d, "Trackbar.ThumbLeft", text);
  s.ThumbRight = ReadElement<TDataSkinObject>(d, "Trackbar.ThumbRight", text);
  s.ThumbUp = ReadElement<TDataSkinObject>(d, "Trackbar.ThumbUp", text);
  s.ThumbDown = ReadElement<TDataSkinObject>(d, "Trackbar.ThumbDown", text);
  s.UpDownHorz = ReadElement<TDataSkinBorder>(d, "UpDown.Horz", text);
  if (s.UpDownHorz) s.UpDownHorz->Image2 = ExtraImage(d, s.UpDownHorz, GlyphImage);
  s.UpDownVert = ReadElement<TDataSkinBorder>(d, "UpDown.Vert", text);
  if (s.UpDownVert) s.UpDownVert->Image2 = ExtraImage(d, s.UpDownVert, GlyphImage);
  s.Track = ReadTrack(d, "Track", text, module);
  s.TrackVert = ReadTrack(d, "TRACKVERT", text, module);
}

void SetFrame(TDataSkinObject* record, int frame) {
  if (record) record->Frame = frame;
}

// Most elements are drawn with a fixed number of frames whatever the skin says.
void FixFrameCounts(const TDescription& d, TSkinElements& s) {
  TDataSkinButton& b = *s.Buttons;
  b.Frame = kPushButtonFrames;
  if (b.RadioButtonFrame == 0)
    b.RadioButtonFrame = CheckRadioFrame(b.RadioImage->Width(), b.RadioImage->Height());
  if (b.CheckButtonFrame == 0)
    b.CheckButtonFrame = CheckRadioFrame(b.CheckImage->Width(), b.CheckImage->Height());
  b.RadioButtonFrame = FrameCountOf(b.RadioButtonFrame);
  b.CheckButtonFrame = FrameCountOf(b.CheckButtonFrame);
  s.Title->Frame = kCaptionTextFrames;
  SetFrame(s.MenuBar.get(), kMenuBarFrames);
  SetFrame(s.Toolbar.get(), 1);
  for (TDataSkinObject* r : std::initializer_list<TDataSkinObject*>{
           s.Progress.get(),        s.ProgressChunk.get(),  s.GroupBoxEdge.get(),
           s.GroupBox.get(),        s.Tabs.get(),           s.StatusBarEdges.get(),
           s.TabPane.get(),         s.ToolBars.get(),       s.ComboButton.get(),
           s.SunkEdge.get(),        s.ExtraImages.get(),    s.Headerbar.get(),
           s.MenuItem.get(),        s.MenuBackground.get(), s.Scrollbar.get(),
           s.HorzScroll.get(),      s.VertScroll.get(),     s.HorzScrollThumb.get(),
           s.VertScrollThumb.get(), s.ThumbHorz.get(),      s.ThumbVert.get(),
           s.ThumbLeft.get(),       s.ThumbRight.get(),     s.ThumbUp.get(),
           s.ThumbDown.get(),       s.UpDownHorz.get(),     s.UpDownVert.get()})
    if (r) r->Frame = SkinElementFrames(SkinElementSection(r->Name), d.Ini());
}

}  // namespace

std::unique_ptr<TBitmap> LoadSkinBitmap(std::string_view value, const TSkinEntrySource& entries,
                                        bool* unreadable, std::int64_t* pixelsLeft) {
  auto bitmap = std::make_unique<TBitmap>();
  const std::string name = SkinImageEntryName(value);
  if (name.empty()) return bitmap;
  std::vector<std::uint8_t> bytes;
  entries(name, bytes);
  if (bytes.empty()) return bitmap;
  const std::int64_t budget = pixelsLeft ? *pixelsLeft : kMaxBmpPixels;
  bitmap->LoadFromBmpImage(ReadBmpFile(bytes, budget));
  if (pixelsLeft) *pixelsLeft -= static_cast<std::int64_t>(bitmap->Width()) * bitmap->Height();
  if (unreadable) *unreadable = bitmap->Empty();
  return bitmap;
}

void ReadSkinRecords(const TQuickIni& ini, const TSkinEntrySource& entries, TSkinElements& skin,
                     HINSTANCE module) {
  skin.UnreadableImages.clear();
  const TDescription d(ini, entries, skin.UnreadableImages);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);

  ReadBorder(d, *skin.Left, true);
  ReadBorder(d, *skin.Right, true);
  ReadBorder(d, *skin.Top, false);
  ReadBorder(d, *skin.Bottom, false);

  ReadSkinColours(ini, sections, skin.Colours);
  const TColor buttonText = skin.Colour(scButtonText);

  ReadCaptionButtons(d, sections, skin);
  ReadPushButtons(d, buttonText, *skin.Buttons);
  ReadCaptionText(d, *skin.Title);
  ReadElements(d, buttonText, skin, module);
  FixFrameCounts(d, skin);
}

void ReadSkinDescription(const TQuickIni& ini, const TSkinEntrySource& entries, TSkinElements& skin,
                         HINSTANCE module) {
  ReadSkinRecords(ini, entries, skin, module);
  MakeDerivedImages(skin);
  skin.FaceBrush.Reset(CreateSolidBrush(ColorToRGB(skin.Colour(scButtonFace))));
}
