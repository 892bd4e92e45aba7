// The description's own text: encoding, sections, keys and their values.
#include <algorithm>
#include <map>

#include "skin/data/SkinFindingContext.h"
#include "skin/data/SkinText.h"
#include "skin/read/WinSkinIni.h"

namespace {

constexpr auto kError = TSkinSeverity::Error;
constexpr auto kWarning = TSkinSeverity::Warning;

// Length of the UTF-8 sequence at text[at], or 0 when it is not one
// (overlong forms, surrogates and values past U+10FFFF included).
size_t Utf8SequenceLength(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  if (lead == 0xE0 && byte(1) < 0xA0) return 0;
  if (lead == 0xED && byte(1) >= 0xA0) return 0;
  if (lead == 0xF0 && byte(1) < 0x90) return 0;
  if (lead == 0xF4 && byte(1) >= 0x90) return 0;
  return length;
}

// The engine reads the text as UTF-8: one finding per line that is not.
void FindEncodingFaults(TSkinFindingContext& context, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  int line = 1;
  bool reported = false;
  for (size_t at = 0; at < text.size();) {
    if (text[at] == '\n' || (text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n'))) {
      ++line;
      reported = false;
    }
    const size_t length = Utf8SequenceLength(text, at);
    if (length == 0 && !reported) {
      context.Add(line, kWarning,
                  "text is not valid UTF-8; the engine reads descriptions as UTF-8");
      reported = true;
    }
    at += length == 0 ? 1 : length;
  }
}

std::string Quote(std::string_view section) { return "[" + std::string(section) + "]"; }

// Why a number lies outside what the engine takes, or "".
std::string RangeFault(const TSkinKey& key, int number) {
  if (number < key.Low) return " is below " + std::to_string(key.Low) + ", the least";
  if (number > key.High) return " is above " + std::to_string(key.High) + ", the most";
  return {};
}

// Digit runs of a colour text: three channels, each taken modulo 256.
void FindColourFaults(TSkinFindingContext& context, int line, std::string_view name,
                      std::string_view value) {
  int runs = 0;
  bool wrapped = false;
  for (size_t at = 0; at < value.size();) {
    const size_t end = value.find_first_not_of("0123456789", at);
    const size_t stop = end == std::string_view::npos ? value.size() : end;
    if (stop > at) {
      ++runs;
      const std::string_view digits = value.substr(at, stop - at);
      wrapped |= digits.size() > 3 || std::stoi(std::string(digits)) > 255;
    }
    at = stop + 1;
  }
  const std::string what = std::string(name) + "=" + std::string(value);
  if (runs < 3)
    context.Add(line, kWarning,
                what + " gives fewer than three numbers; the missing channels are 0");
  if (runs > 3)
    context.Add(line, kWarning, what + " gives more than three numbers; the rest are ignored");
  if (wrapped)
    context.Add(line, kWarning, what + " has a channel above 255; the engine takes it modulo 256");
}

// Frames of a section that does not take them from its Frame key.
std::optional<int> FramesNotFromFrameKey(std::string_view section, const TQuickIni& ini) {
  if (SkinSameName(section, kPushButtonSection)) return kPushButtonFrames;
  const TSkinElementSection* element = FindSkinElementSection(section);
  if (!element || element->Frames == TSkinFrameRule::FromFrame ||
      element->Frames == TSkinFrameRule::FrameOrFive)
    return std::nullopt;
  return SkinElementFrames(*element, ini);
}

void FindIntegerFaults(TSkinFindingContext& context, int line, std::string_view section,
                       const TKnownSkinKey& known, std::string_view value) {
  const std::string what = known.Name + "=" + std::string(value);
  const std::optional<int> number = context.Integer(section, known.Name);
  if (!number) {
    context.Add(
        line, kWarning,
        what + " is not a whole number; the engine uses " + std::to_string(known.Key.Default));
    return;
  }
  if (const std::string fault = RangeFault(known.Key, *number); !fault.empty())
    context.Add(line, kWarning, what + fault + " the engine takes as written");
  const TSkinElementSection* element = FindSkinElementSection(section);
  const bool margin =
      known.Key.Name == skinkey::LeftWidth.Name || known.Key.Name == skinkey::RightWidth.Name ||
      known.Key.Name == skinkey::TopHeight.Name || known.Key.Name == skinkey::BottomHeight.Name;
  if (element && margin && *number > element->MarginCap)
    context.Add(line, kWarning,
                what + " is above " + std::to_string(element->MarginCap) +
                    ", the most the engine takes here; it is clamped");
  if (known.Key.Name != skinkey::Frame.Name) return;
  if (const std::optional<int> frames = FramesNotFromFrameKey(section, context.Ini());
      frames && *frames != *number)
    context.Add(line, kWarning,
                what + " is not used: the engine draws " + Quote(section) + " with " +
                    std::to_string(*frames) + " frames");
}

void FindValueFaults(TSkinFindingContext& context, size_t index, std::string_view section,
                     const TKnownSkinKey& known) {
  const std::string_view value = context.Ini().ValueOf(index);
  if (value.empty()) return;  // read as the default
  const int line = context.LineOf(index);
  switch (known.Key.Kind) {
    case TSkinKeyKind::Integer:
      return FindIntegerFaults(context, line, section, known, value);
    case TSkinKeyKind::Colour:
      return FindColourFaults(context, line, known.Name, value);
    case TSkinKeyKind::Image:
    case TSkinKeyKind::Text:
      return;
  }
}

// What the walk over the lines knows of the section it is in.
struct TSectionState {
  std::string Name;
  std::optional<std::vector<TKnownSkinKey>> Keys;
  bool Read = false;  // neither before the first section nor a repeat
  std::map<std::string, int> KeyLines;
};

void EnterSection(TSkinFindingContext& context, size_t index, TSectionState& state,
                  std::map<std::string, int>& seen) {
  const std::string_view header = context.Ini().Line(index);
  state = TSectionState{};
  state.Name = header.substr(1, header.size() - 2);
  const int line = context.LineOf(index);
  const auto [first, fresh] = seen.emplace(SkinUpperCase(state.Name), line);
  if (!fresh) {
    context.Add(line, kError,
                "section " + Quote(state.Name) + " repeats the one at line " +
                    std::to_string(first->second) + "; the engine reads only the first");
    return;
  }
  state.Keys = KnownSkinKeys(state.Name);
  state.Read = true;
  if (!state.Keys)
    context.Add(line, kWarning, "unknown section " + Quote(state.Name) + "; the engine ignores it");
}

void CheckKeyLine(TSkinFindingContext& context, size_t index, TSectionState& state) {
  const int line = context.LineOf(index);
  if (state.Name.empty()) {
    context.Add(line, kWarning, "key before any section; the engine never reads it");
    return;
  }
  if (!state.Read || !state.Keys) return;
  const std::string key(context.Ini().KeyOf(index));
  const auto known =
      std::find_if(state.Keys->begin(), state.Keys->end(),
                   [&](const TKnownSkinKey& k) { return SkinSameName(k.Name, key); });
  if (known == state.Keys->end()) {
    context.Add(line, kWarning,
                "unknown key " + key + " in " + Quote(state.Name) + "; the engine ignores it");
    return;
  }
  const auto [first, fresh] = state.KeyLines.emplace(SkinUpperCase(key), line);
  if (!fresh) {
    context.Add(
        line, kWarning,
        key + " repeats line " + std::to_string(first->second) + "; the engine reads the first");
    return;
  }
  FindValueFaults(context, index, state.Name, *known);
}

}  // namespace

void FindTextFaults(TSkinFindingContext& context, std::string_view text) {
  FindEncodingFaults(context, text);
  const TQuickIni& ini = context.Ini();
  TSectionState state;
  std::map<std::string, int> seen;
  for (size_t i = 0; i < ini.LineCount(); ++i) {
    if (ini.IsHeaderLine(i)) {
      EnterSection(context, i, state, seen);
    } else if (ini.IsKeyLine(i)) {
      CheckKeyLine(context, i, state);
    } else {
      context.Add(context.LineOf(i), kWarning,
                  "neither a [section] nor a key=value line; the engine ignores it");
    }
  }
}
