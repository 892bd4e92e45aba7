// TSkinData: the component a form carries to be skinned. It holds the skin
// package (streamed with the form as "SkinStream"), the settings saying
// which windows and controls are skinned and how, and, once the package is
// read, the skin's element records, colours and derived images.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "skin/data/SkinDataTypes.h"
#include "skin/data/SkinDescriptionReader.h"
#include "skin/data/SkinElements.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Strings.h"

class TBitmap;
class TControl;
class THintWindow;
class TImageList;
class TMemoryStream;
class TQuickIni;
class TSkinData;

using TOnFormSkin = std::function<void(TObject* Sender, const String& aName, bool& DoSkin)>;
using TOnSkinForm = std::function<void(TObject* Sender, HWND ahwnd, const String& aName)>;
using TOnSkinControl =
    std::function<void(TComponent* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                       const String& ControlClass, TComponent*& SkinnedControl)>;

const TEnumInfo& SkinOptionInfo();
const TEnumInfo& SkinControlTypeInfo();
const TEnumInfo& SkinFormTypeInfo();

class TSkinData : public TComponent {
  TAPVANE_CLASS(TSkinData)
 public:
  static constexpr const char* kVersion = "5.40.07.15";

  explicit TSkinData(TComponent* AOwner);
  ~TSkinData() override;

  void DefineProperties(TFiler& Filer) override;
  void Loaded() override;

  // Published properties, in their stored order.
  bool Active() const { return active_; }
  void SetActive(bool value);
  int DisableTag() const { return disableTag_; }
  void SetDisableTag(int value) { disableTag_ = value; }
  TSkinControlTypes SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControlTypes value);
  TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions value);
  TStringList* Skin3rd() const { return skin3rd_.get(); }
  void SetSkin3rd(TStringList* value);  // copies the lines
  const String& SkinFile() const { return skinFile_; }
  void SetSkinFile(const String& value);
  String SkinStore() const;  // "(Good)" or "(none)"; writes are ignored
  TSkinFormType SkinFormtype() const { return skinFormtype_; }
  void SetSkinFormtype(TSkinFormType value) { skinFormtype_ = value; }
  String Version() const { return kVersion; }  // writes are ignored
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool value) { menuUpdate_ = value; }
  bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool value) { menuMerge_ = value; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // Opens the stored package and reads its description; false when the
  // package cannot be opened or its description cannot skin anything (the
  // reason is shown; the records stay and the skin stays pending).
  bool LoadSkinStore();
  // Takes package bytes: read whole, stored and applied, or refused, which
  // leaves the current skin, its package and its state. True when taken.
  bool TakePackage(std::span<const std::uint8_t> package);
  // Reads a loaded description whose files come from entries. The skin
  // stops being pending only when the whole read succeeds.
  void ReadSkin(const TQuickIni& ini, const TSkinEntrySource& entries);
  // Makes the forms that use this component take the current skin.
  void ApplySkin();
  // True from creation and from the start of every load until a read
  // completes; a pending component refuses to activate.
  bool SkinPending() const { return skinPending_; }

  // Whether a window of class className is skinned, given the manager's
  // own verdict.
  bool DecideWindowSkin(HWND window, const String& className, bool verdict);

  void ShowCaptionHint(const RECT& rect, const String& text);
  void HideCaptionHint();
  bool CaptionHintShown() const { return hintShown_; }
  THintWindow* HintWindow() const { return hintWindow_.get(); }

  void FireSkinChanged();

  const TSkinElements& Skin() const { return *skin_; }
  TMemoryStream& SkinStoreStream() { return *skinStore_; }
  TImageList* MenuGlyphs() const { return menuGlyphs_.get(); }
  TBitmap& AppIconBitmap() { return *appIcon_; }

  // The caption and border are painted only while this is 1; the form skin
  // object turns it off while the toolkit handles a menu change.
  std::uint8_t FramePaint = 1;
  // Milliseconds the mouse has rested on a caption button.
  int HoverTime = 0;
  // Read and cleared by the form skinning around some of its operations.
  bool FormFlag = true;

 private:
  void ReadSkinStream(TStream& stream);
  // Reads a package into the records; false, and the records untouched,
  // when it is refused.
  bool ReadPackage(std::span<const std::uint8_t> package);
  void WriteSkinStream(TStream& stream);
  void FillAppIconBitmap();
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool DesigningOrReading() const;

  bool active_ = false;
  int disableTag_ = 99;
  TSkinControlTypes skinControls_ = kDefaultSkinControls;
  TSkinOptions options_ = kDefaultSkinOptions;
  std::unique_ptr<TStringList> skin3rd_;
  String skinFile_;
  TSkinFormType skinFormtype_ = sfMainform;
  bool menuUpdate_ = true;
  bool menuMerge_ = false;

  bool skinPending_ = true;
  bool hintShown_ = false;
  std::unique_ptr<TMemoryStream> skinStore_;
  std::unique_ptr<TBitmap> appIcon_;
  std::unique_ptr<TSkinElements> skin_;
  // Unowned components, so that a layout never sees them as children.
  std::unique_ptr<TImageList> menuGlyphs_;
  std::unique_ptr<THintWindow> hintWindow_;
};

// Makes TSkinData known to the layout reader by class name. A form whose
// layout holds a skin data component calls it before reading the layout.
void RegisterSkinDataClasses();
