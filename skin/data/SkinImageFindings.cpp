// The images a description names: there, readable, cut into whole frames
// and wide enough for the margins the description gives.
#include <algorithm>
#include <cstdint>
#include <functional>

#include "skin/data/SkinCaptionButtonKeys.h"
#include "skin/data/SkinFindingContext.h"
#include "skin/data/SkinFrameRules.h"
#include "skin/data/SkinImageName.h"
#include "skin/data/SkinText.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"

namespace {

using namespace skinkey;
constexpr auto kError = TSkinSeverity::Error;

// One key that names an image, and how the engine cuts and draws it.
struct TImageUse {
  std::string Section;
  std::string Key;
  std::function<int(const TSkinImageInfo&)> Frames = [](const TSkinImageInfo&) { return 1; };
  bool Vertical = false;  // frames stacked rather than side by side
  int Left = 0, Right = 0, Top = 0, Bottom = 0;
};

std::function<int(const TSkinImageInfo&)> Count(int frames) {
  return [frames](const TSkinImageInfo&) { return frames; };
}

void CheckFrames(TSkinFindingContext& context, int line, const TImageUse& use,
                 const std::string& entry, const TSkinImageInfo& info) {
  const int frames = use.Frames(info);
  const int length = use.Vertical ? info.Height : info.Width;
  const std::string side = use.Vertical ? "height " : "width ";
  if (length % frames != 0) {
    context.Add(line, kError,
                entry + ": " + std::to_string(frames) + " frames do not divide its " + side +
                    std::to_string(length));
    return;
  }
  const int frameWidth = use.Vertical ? info.Width : info.Width / frames;
  const int frameHeight = use.Vertical ? info.Height / frames : info.Height;
  const auto margins = [&](int a, int b, int room, const char* what) {
    if (std::int64_t{std::max(a, 0)} + std::max(b, 0) > room)
      context.Add(line, kError,
                  entry + ": " + what + " margins " + std::to_string(a) + "+" + std::to_string(b) +
                      " are more than a frame's " + std::to_string(room) + " pixels");
  };
  margins(use.Left, use.Right, frameWidth, "left and right");
  margins(use.Top, use.Bottom, frameHeight, "top and bottom");
}

void CheckImageUse(TSkinFindingContext& context, const TImageUse& use) {
  const std::string value = context.Ini().ReadString(use.Section, use.Key, "");
  if (value.empty()) return;
  const int line = context.LineOfKey(use.Section, use.Key);
  const std::string entry = SkinImageEntryName(value);
  if (entry.empty()) {
    context.Add(line, kError,
                use.Key + "=" + value + " names no .bmp file; the engine loads no image");
    return;
  }
  const TSkinImageInfo& info = context.Image(entry);
  if (!info.Present) {
    context.Add(line, kError, "image " + entry + " is not in the skin");
    return;
  }
  if (info.Readable) CheckFrames(context, line, use, entry, info);
}

int Read(const TSkinFindingContext& context, std::string_view section, std::string_view key,
         int fallback) {
  return context.Ini().ReadInteger(section, key, fallback);
}

void CheckPersonality(TSkinFindingContext& context) {
  const std::string section(kPersonalitySection);
  for (const std::string_view name : kBorderPieces) {
    const std::string piece(name);
    const auto border = [&](const TSkinKey& suffix) {
      return Read(context, section, piece + std::string(suffix.Name), suffix.Default);
    };
    const int frames = FrameCountOf(border(BorderFrame));
    const int lead = border(BorderLead);
    const int trail = border(BorderTrail);
    // Left and right pieces run down the window, top and bottom across it.
    const bool across = piece == "Top" || piece == "Bottom";
    TImageUse use{section, piece, Count(frames), across};
    (across ? use.Left : use.Top) = lead;
    (across ? use.Right : use.Bottom) = trail;
    CheckImageUse(context, use);
  }
  CheckImageUse(context, {section, std::string(TextBack.Name), Count(kCaptionTextFrames), true});
  TImageUse bar{section, std::string(MenuBar.Name), Count(kMenuBarFrames), true};
  bar.Left = Read(context, section, TileLeftMenu.Name, TileLeftMenu.Default);
  bar.Right = Read(context, section, TileRightMenu.Name, TileRightMenu.Default);
  CheckImageUse(context, bar);
}

void CheckCaptionButtons(TSkinFindingContext& context) {
  std::vector<std::string> sections;
  context.Ini().ReadSections(&sections);
  for (const TCaptionButtonKeys& keys : ReadCaptionButtonKeys(context.Ini(), sections)) {
    TImageUse use{keys.Name, std::string(ButtonImage.Name)};
    use.Frames = [keys](const TSkinImageInfo& info) {
      return CaptionButtonFrame(keys.Frame, info.Width, info.Height, keys.Action);
    };
    CheckImageUse(context, use);
  }
}

void ReadMargins(const TSkinFindingContext& context, int cap, TImageUse& use) {
  const auto margin = [&](const TSkinKey& key) {
    return std::min(Read(context, use.Section, key.Name, key.Default), cap);
  };
  use.Left = margin(LeftWidth);
  use.Right = margin(RightWidth);
  use.Top = margin(TopHeight);
  use.Bottom = margin(BottomHeight);
}

void CheckPushButtons(TSkinFindingContext& context) {
  const std::string section(kPushButtonSection);
  TImageUse face{section, std::string(Bitmap.Name), Count(kPushButtonFrames)};
  ReadMargins(context, INT32_MAX, face);
  CheckImageUse(context, face);
  for (const auto& [image, frameKey] :
       {std::pair{CheckButton, CheckButtonFrame}, std::pair{RadioButton, RadioButtonFrame}}) {
    const int given = Read(context, section, frameKey.Name, 0);
    TImageUse use{section, std::string(image.Name)};
    use.Frames = [given](const TSkinImageInfo& info) {
      return FrameCountOf(given == 0 ? CheckRadioFrame(info.Width, info.Height) : given);
    };
    CheckImageUse(context, use);
  }
}

void CheckElements(TSkinFindingContext& context) {
  for (const TSkinElementSection& element : SkinElementSections()) {
    const std::string section(element.Name);
    TImageUse use{section, std::string(element.ImageKey->Name),
                  Count(SkinElementFrames(element, context.Ini()))};
    if (!element.OnlyImage) ReadMargins(context, element.MarginCap, use);
    CheckImageUse(context, use);
    for (const TSkinKey& extra : element.Extra)
      if (extra.Kind == TSkinKeyKind::Image)
        CheckImageUse(context, {section, std::string(extra.Name)});
  }
}

// Files of the skin that nothing loads: most often a misspelt key value.
void FindUnusedFiles(TSkinFindingContext& context, std::string_view description) {
  for (const std::string& name : context.Files().Names) {
    const std::string lower = SkinLowerCase(name);
    if (lower == SkinLowerCase(description) || context.NamedImages().count(lower)) continue;
    context.AddForFile(name, TSkinSeverity::Warning,
                       "no key names this file; the engine never loads it");
  }
}

}  // namespace

void FindImageFaults(TSkinFindingContext& context, std::string_view description) {
  CheckPersonality(context);
  CheckCaptionButtons(context);
  CheckPushButtons(context);
  CheckElements(context);
  FindUnusedFiles(context, description);
}
