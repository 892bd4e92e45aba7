#include "toolkit/controls/Memo.h"

#include "toolkit/controls/PropertyTypes.h"

namespace {

const TEnumInfo& ScrollStyleInfo() {
  static const TEnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
  return info;
}

const String kLineBreak = "\r\n";

}  // namespace

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMemo>("TMemo", &TWinControl::StaticClass())
          .Enum("BorderStyle", BorderStyleInfo(), &TMemo::BorderStyle, &TMemo::SetBorderStyle)
          .Object("Lines", &TMemo::Lines)
          .Bool("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly)
          .Enum("ScrollBars", ScrollStyleInfo(), &TMemo::ScrollBars, &TMemo::SetScrollBars)
          .Bool("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
          .Event("OnChange", &TMemo::OnChange)
          .Build();
  return info;
}

// A break at the very end closes the last line rather than opening an empty one.
std::vector<String> TMemoLines::Split() const {
  const String text = memo_.Text();
  std::vector<String> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find(kLineBreak, start);
    if (end == String::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + kLineBreak.size();
  }
  return lines;
}

void TMemoLines::Join(const std::vector<String>& lines) {
  String text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kLineBreak;
    text += lines[i];
  }
  memo_.SetText(text);
}

String TMemoLines::Get(int index) const {
  const std::vector<String> lines = Split();
  CheckIndex(index, static_cast<int>(lines.size()));
  return lines[static_cast<size_t>(index)];
}

int TMemoLines::GetCount() const { return static_cast<int>(Split().size()); }

void TMemoLines::Insert(int index, const String& s) {
  std::vector<String> lines = Split();
  CheckIndex(index, static_cast<int>(lines.size()) + 1);
  lines.insert(lines.begin() + index, s);
  Join(lines);
}

void TMemoLines::Delete(int index) {
  std::vector<String> lines = Split();
  CheckIndex(index, static_cast<int>(lines.size()));
  lines.erase(lines.begin() + index);
  Join(lines);
}

void TMemoLines::Clear() { memo_.SetText({}); }

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<TMemoLines>(*this)) {
  SetBounds(0, 0, 185, 89);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

// The window goes while the lines object still exists.
TMemo::~TMemo() { DestroyHandle(); }

void TMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"EDIT";
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_LEFT;
  // Without wrapping, long lines scroll sideways instead.
  if (!wordWrap_ || scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
    params.Style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (readOnly_) params.Style |= ES_READONLY;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TMemo::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TMemo::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TMemo::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    if (OnChange && !ComponentState().Contains(csLoading)) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}
