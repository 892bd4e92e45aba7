#include "skin/data/WinSkinData.h"

#include "skin/data/Skin3rdDefaults.h"
#include "skin/data/SkinManagerLink.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ClassRegistry.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace {

template <std::size_t N>
TEnumInfo MakeEnumInfo(const char* name, const std::array<std::string_view, N>& identifiers) {
  TEnumInfo info{name, {}};
  for (const std::string_view id : identifiers) info.Identifiers.emplace_back(id);
  return info;
}

void IgnoreWrite(TSkinData&, const String&) {}

// Tests and tools that link this file can read layouts without asking.
const bool registered = (RegisterSkinDataClasses(), true);

}  // namespace

void RegisterSkinDataClasses() { RegisterComponentClass(TSkinData::StaticClass()); }

const TEnumInfo& SkinOptionInfo() {
  static const TEnumInfo info = MakeEnumInfo("TSkinOption", kSkinOptionNames);
  return info;
}
const TEnumInfo& SkinControlTypeInfo() {
  static const TEnumInfo info = MakeEnumInfo("TSkinControlType", kSkinControlTypeNames);
  return info;
}
const TEnumInfo& SkinFormTypeInfo() {
  static const TEnumInfo info = MakeEnumInfo("TSkinFormType", kSkinFormTypeNames);
  return info;
}

const TClassInfo& TSkinData::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinData>("TSkinData", &TComponent::StaticClass())
          .Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
          .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
          .Set("SkinControls", SkinControlTypeInfo(), &TSkinData::SkinControls,
               &TSkinData::SetSkinControls)
          .Set("Options", SkinOptionInfo(), &TSkinData::Options, &TSkinData::SetOptions)
          .Object("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd)
          .Str("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
          .Str("SkinStore", &TSkinData::SkinStore, &IgnoreWrite)
          .Enum("SkinFormtype", SkinFormTypeInfo(), &TSkinData::SkinFormtype,
                &TSkinData::SetSkinFormtype)
          .Str("Version", &TSkinData::Version, &IgnoreWrite)
          .Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
          .Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
          .Event("OnFormSkin", &TSkinData::OnFormSkin)
          .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
          .Event("OnSkinControl", &TSkinData::OnSkinControl)
          .Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm)
          .Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm)
          .Build();
  return info;
}

TSkinData::TSkinData(TComponent* AOwner)
    : TComponent(AOwner),
      skin3rd_(std::make_unique<TStringList>()),
      skinStore_(std::make_unique<TMemoryStream>()),
      appIcon_(std::make_unique<TBitmap>()),
      skin_(std::make_unique<TSkinElements>()),
      menuGlyphs_(std::make_unique<TImageList>(nullptr)),
      hintWindow_(std::make_unique<THintWindow>(nullptr)) {
  (void)registered;
  appIcon_->SetPixelFormat(pf24bit);
  skin3rd_->BeginUpdate();
  for (const std::string_view row : Skin3rdDefaultRows()) skin3rd_->Add(String(row));
  skin3rd_->EndUpdate();

  menuGlyphs_->SetWidth(16);
  menuGlyphs_->SetHeight(16);
  TBitmap glyphs;
  glyphs.LoadFromResourceName(GetModuleHandleW(nullptr), "LUMBRAMENU");
  if (!glyphs.Empty()) menuGlyphs_->AddMasked(glyphs, clWhite);
}

TSkinData::~TSkinData() {
  if (ISkinManager* manager = SkinManager()) manager->UnregisterSkinData(this);
}

void TSkinData::SetSkinControls(TSkinControlTypes value) {
  skinControls_ = TSkinControlTypes::FromBits(value.Bits() & kSkinControlTypesMask);
}

void TSkinData::SetOptions(TSkinOptions value) {
  options_ = TSkinOptions::FromBits(value.Bits() & kSkinOptionsMask);
}

void TSkinData::SetSkin3rd(TStringList* value) {
  if (value)
    skin3rd_->Assign(value);
  else
    skin3rd_->Clear();
}

String TSkinData::SkinStore() const {
  return Designing() && skinStore_->Size() > 0 ? "(Good)" : "(none)";
}

bool TSkinData::DesigningOrReading() const {
  const TComponentState state = ComponentState();
  return state.Contains(csDesigning) || state.Contains(csReading) || state.Contains(csLoading);
}

bool TSkinData::DecideWindowSkin(HWND /*window*/, const String& className, bool verdict) {
  if (OnFormSkin) {
    OnFormSkin(this, className, verdict);
    return verdict;
  }
  if (className == "SysMonthCal32") return false;
  if (skinControls_.Contains(xcFastReport) && className.rfind("Tfr", 0) == 0) return false;
  return verdict;
}

void TSkinData::ShowCaptionHint(const RECT& rect, const String& text) {
  if (!options_.Contains(xoCaptionButtonHint) || hintShown_) return;
  RECT hint = hintWindow_->CalcHintRect(500, text);
  OffsetRect(&hint, rect.left, rect.top);
  hintWindow_->ActivateHint(hint, text);
  hintShown_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hintShown_) return;
  if (hintWindow_->HandleAllocated()) ShowWindow(hintWindow_->Handle(), SW_HIDE);
  hintShown_ = false;
}

void TSkinData::FireSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}
