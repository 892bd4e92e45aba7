// The skin data component on its own: initial state, properties by name,
// the window-skinning decision, loading, activation without a manager,
// caption hints and the refusal of an unknown package.
#include <gtest/gtest.h>
#include <windows.h>

#include "SkinTestFiles.h"
#include "skin/data/Skin3rdDefaults.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace {

std::vector<std::uint8_t> PackageWithText(const std::string& text) {
  return MakePackage({{"skin.ini", std::vector<std::uint8_t>(text.begin(), text.end())},
                      {"top.bmp", MakeBmp(30, 60, clRed)}});
}

std::vector<std::uint8_t> SmallPackage() { return PackageWithText("[Personality]\nTop=top.bmp\n"); }

void StorePackage(TSkinData& data, const std::vector<std::uint8_t>& package) {
  TMemoryStream& store = data.SkinStoreStream();
  store.Clear();
  store.WriteBuffer(package.data(), static_cast<int64_t>(package.size()));
}

TEST(SkinDataComponent, InitialValues) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(99, data.DisableTag());
  EXPECT_EQ(kDefaultSkinControls, data.SkinControls());
  EXPECT_FALSE(data.SkinControls().Contains(xcMenuItem));
  EXPECT_FALSE(data.SkinControls().Contains(xcFastReport));
  EXPECT_TRUE(data.SkinControls().Contains(xcSystemMenu));
  EXPECT_EQ((TSkinOptions{xoPreview, xoToolbarBK, xoCaptionButtonHint}), data.Options());
  ASSERT_EQ(118, data.Skin3rd()->Count());
  const auto rows = Skin3rdDefaultRows();
  for (int i = 0; i < 118; ++i) EXPECT_EQ(rows[i], data.Skin3rd()->Strings(i)) << i;
  EXPECT_EQ("", data.SkinFile());
  EXPECT_EQ("(none)", data.SkinStore());
  EXPECT_EQ(sfMainform, data.SkinFormtype());
  EXPECT_EQ("5.40.07.15", data.Version());
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_FALSE(data.OnFormSkin || data.OnSkinChanged || data.OnSkinControl ||
               data.OnBeforeSkinForm || data.OnAfterSkinForm);
  EXPECT_TRUE(data.SkinPending());
  EXPECT_EQ(1, data.FramePaint);
  EXPECT_TRUE(data.FormFlag);
  EXPECT_EQ(0, data.SkinStoreStream().Size());
  EXPECT_EQ("Left", data.Skin().Left->Name);
  EXPECT_EQ("Bottom", data.Skin().Bottom->Name);
  EXPECT_EQ("Title", data.Skin().Title->Name);
  EXPECT_EQ("Buttons", data.Skin().Buttons->Name);
  EXPECT_EQ(nullptr, data.Skin().Progress);
}

TEST(SkinDataComponent, MenuGlyphsComeFromTheProgramBitmap) {
  TSkinData data(nullptr);
  ASSERT_NE(nullptr, data.MenuGlyphs());
  EXPECT_EQ(16, data.MenuGlyphs()->Width());
  EXPECT_EQ(16, data.MenuGlyphs()->Height());
  EXPECT_EQ(4, data.MenuGlyphs()->Count());
}

TEST(SkinDataComponent, PublishedPropertiesInTheirOrder) {
  TSkinData data(nullptr);
  std::vector<String> names;
  for (const TPropInfo* p : GetPropList(&data)) names.push_back(p->Name);
  const std::vector<String> own = {
      "Active",        "DisableTag",    "SkinControls",     "Options",
      "Skin3rd",       "SkinFile",      "SkinStore",        "SkinFormtype",
      "Version",       "MenuUpdate",    "MenuMerge",        "OnFormSkin",
      "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"};
  ASSERT_GE(names.size(), own.size());
  EXPECT_EQ(own, std::vector<String>(names.end() - own.size(), names.end()));
  EXPECT_EQ("xoPreview,xoToolbarBK,xoCaptionButtonHint", GetSetProp(&data, "Options"));
  EXPECT_EQ("sfMainform", GetEnumProp(&data, "SkinFormtype"));
  EXPECT_EQ("True", GetEnumProp(&data, "MenuUpdate"));
  EXPECT_EQ(99, GetOrdProp(&data, "DisableTag"));
}

TEST(SkinDataComponent, SettersByName) {
  TSkinData data(nullptr);
  EXPECT_TRUE(SetSetProp(&data, "SkinControls", "[xcButton, xcFastReport]"));
  EXPECT_EQ((TSkinControlTypes{xcButton, xcFastReport}), data.SkinControls());
  EXPECT_TRUE(SetEnumProp(&data, "SkinFormtype", "sfDialog"));
  EXPECT_EQ(sfDialog, data.SkinFormtype());
  EXPECT_TRUE(SetSetBits(&data, "Options", 1u << xoMenuBG));
  EXPECT_EQ(TSkinOptions{xoMenuBG}, data.Options());
  // Bits beyond the storage widths do not survive.
  data.SetOptions(TSkinOptions::FromBits(~std::uint64_t{0}));
  EXPECT_EQ(0xFFFFu, data.Options().Bits());
  data.SetSkinControls(TSkinControlTypes::FromBits(~std::uint64_t{0}));
  EXPECT_EQ(0xFFFFFFu, data.SkinControls().Bits());
}

TEST(SkinDataComponent, VersionAndSkinStoreIgnoreWrites) {
  TSkinData data(nullptr);
  SetStrProp(&data, "Version", "1.0");
  SetStrProp(&data, "SkinStore", "(Good)");
  EXPECT_EQ("5.40.07.15", GetStrProp(&data, "Version"));
  EXPECT_EQ("(none)", GetStrProp(&data, "SkinStore"));
}

TEST(SkinDataComponent, SkinStoreReadsNoneAtRunTimeEvenWithAPackage) {
  TSkinData data(nullptr);
  StorePackage(data, SmallPackage());
  EXPECT_EQ("(none)", data.SkinStore());
  data.SetDesigning(true);
  EXPECT_EQ("(Good)", data.SkinStore());
  data.SkinStoreStream().Clear();
  EXPECT_EQ("(none)", data.SkinStore());
}

TEST(SkinDataComponent, Skin3rdSetterCopiesTheLines) {
  TSkinData data(nullptr);
  TStringList other{"TMyGrid=scrollbar", "TMyButton=button"};
  data.SetSkin3rd(&other);
  other.Add("TLater=panel");
  ASSERT_EQ(2, data.Skin3rd()->Count());
  EXPECT_EQ("TMyButton=button", data.Skin3rd()->Strings(1));
  EXPECT_NE(&other, data.Skin3rd());
}

TEST(SkinDataComponent, WindowSkinningDecision) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.DecideWindowSkin(nullptr, "SysMonthCal32", true));
  EXPECT_TRUE(data.DecideWindowSkin(nullptr, "sysmonthcal32", true));   // case-sensitive
  EXPECT_FALSE(data.DecideWindowSkin(nullptr, "TForm1", false));        // the verdict stands
  EXPECT_TRUE(data.DecideWindowSkin(nullptr, "TfrPreviewForm", true));  // no xcFastReport
  data.SetSkinControls(data.SkinControls() + TSkinControlTypes{xcFastReport});
  EXPECT_FALSE(data.DecideWindowSkin(nullptr, "TfrPreviewForm", true));
  EXPECT_TRUE(data.DecideWindowSkin(nullptr, "TFRPreviewForm", true));
}

TEST(SkinDataComponent, AFormSkinHandlerReplacesTheBuiltInRules) {
  TSkinData data(nullptr);
  std::vector<std::pair<String, bool>> calls;
  data.OnFormSkin = [&](TObject* sender, const String& name, bool& doSkin) {
    EXPECT_EQ(&data, sender);
    calls.emplace_back(name, doSkin);
    doSkin = name == "SysMonthCal32";
  };
  EXPECT_TRUE(data.DecideWindowSkin(nullptr, "SysMonthCal32", false));
  EXPECT_FALSE(data.DecideWindowSkin(nullptr, "TForm1", true));
  ASSERT_EQ(2u, calls.size());
  EXPECT_FALSE(calls[0].second);
  EXPECT_TRUE(calls[1].second);
}

TEST(SkinDataComponent, FireSkinChanged) {
  TSkinData data(nullptr);
  data.FireSkinChanged();  // nothing assigned: nothing happens
  TObject* sender = nullptr;
  data.OnSkinChanged = [&](TObject* s) { sender = s; };
  data.FireSkinChanged();
  EXPECT_EQ(&data, sender);
}

TEST(SkinDataComponent, LoadSkinStoreReadsThePackage) {
  TSkinData data(nullptr);
  StorePackage(data, PackageWithText("[Personality]\nTop=top.bmp\nTopFrame=3\n"));
  EXPECT_TRUE(data.LoadSkinStore());
  EXPECT_FALSE(data.SkinPending());
  EXPECT_EQ(30, data.Skin().Top->Image->Width());
  EXPECT_EQ(3, data.Skin().Top->Frame);
}

TEST(SkinDataComponent, AnUnknownPackageVersionIsRefusedWithAMessage) {
  std::vector<std::wstring> shown;
  const TMessageBoxFunc saved = Application->MessageBoxFunc;
  Application->MessageBoxFunc = [&](HWND, const std::wstring& text, const std::wstring&, UINT) {
    shown.push_back(text);
    return IDOK;
  };
  TSkinData data(nullptr);
  StorePackage(data, MakePackage({{"skin.ini", {}}}, 10000));
  EXPECT_FALSE(data.LoadSkinStore());
  Application->MessageBoxFunc = saved;
  EXPECT_TRUE(data.SkinPending());
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(L"This is Older Skin File\rPlease update to new version !", shown[0]);
}

TEST(SkinDataComponent, AnUnreadablePackageLeavesTheSkinPending) {
  TSkinData data(nullptr);
  StorePackage(data, PackageWithText("[Personality]\nTop=top.bmp\n"));
  ASSERT_TRUE(data.LoadSkinStore());
  ASSERT_FALSE(data.SkinPending());
  // A stated size the data cannot account for: refused without a message,
  // and the records of the previous skin stay as they were.
  StorePackage(data, {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
  EXPECT_FALSE(data.LoadSkinStore());
  EXPECT_TRUE(data.SkinPending());
  EXPECT_EQ(30, data.Skin().Top->Image->Width());
}

// A stored description that cannot skin anything: refused with its reason,
// and the records of the previous skin stay as they were.
TEST(SkinDataComponent, ADescriptionThatCannotSkinIsRefusedWithItsReason) {
  std::vector<std::wstring> shown;
  const TMessageBoxFunc saved = Application->MessageBoxFunc;
  Application->MessageBoxFunc = [&](HWND, const std::wstring& text, const std::wstring&, UINT) {
    shown.push_back(text);
    return IDOK;
  };
  TSkinData data(nullptr);
  StorePackage(data, SmallPackage());
  ASSERT_TRUE(data.LoadSkinStore());
  StorePackage(data, PackageWithText("[Colours]\nTop=top.bmp\n"));
  EXPECT_FALSE(data.LoadSkinStore());
  Application->MessageBoxFunc = saved;
  EXPECT_TRUE(data.SkinPending());
  EXPECT_EQ(30, data.Skin().Top->Image->Width());
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(L"皮肤包无法使用:\r皮肤描述 skin.ini 缺少 [Personality] 段", shown[0]);
}

TEST(SkinDataComponent, SkinFileLoadsAnExistingFileOnly) {
  TSkinData data(nullptr);
  data.SetSkinFile("Z:\\nonexistent\\skin.skn");
  EXPECT_EQ("Z:\\nonexistent\\skin.skn", data.SkinFile());
  EXPECT_TRUE(data.SkinPending());
  EXPECT_EQ(0, data.SkinStoreStream().Size());

  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const String path = String(folder) + "skin_data_test.skn";
  const auto package = PackageWithText("[Personality]\nTop=top.bmp\n");
  {
    TFileStream file(path, fmCreate);
    file.WriteBuffer(package.data(), static_cast<int64_t>(package.size()));
  }
  data.SetSkinFile(path);
  DeleteFileA(path.c_str());
  EXPECT_EQ(static_cast<int64_t>(package.size()), data.SkinStoreStream().Size());
  EXPECT_FALSE(data.SkinPending());
  EXPECT_EQ(30, data.Skin().Top->Image->Width());
}

TEST(SkinDataComponent, DesigningASkinFileClearsTheStore) {
  TSkinData data(nullptr);
  StorePackage(data, SmallPackage());
  data.SetDesigning(true);
  data.SetSkinFile("");
  EXPECT_GT(data.SkinStoreStream().Size(), 0);
  data.SetSkinFile("other.skn");
  EXPECT_EQ(0, data.SkinStoreStream().Size());
  EXPECT_FALSE(data.LoadSkinStore());  // never while designing
}

// Loaded as the layout reader runs it, without a skin manager.
void LoadAsFromLayout(TSkinData& data, bool active) {
  data.SetComponentStateItem(csLoading, true);
  data.SetActive(active);
  data.Loaded();
}

TEST(SkinDataComponent, LoadedRefusesToActivateAPendingSkin) {
  TSkinData data(nullptr);
  LoadAsFromLayout(data, true);
  EXPECT_FALSE(data.Active());
}

TEST(SkinDataComponent, LoadedKeepsAnActiveParsedSkin) {
  TSkinData data(nullptr);
  StorePackage(data, SmallPackage());
  ASSERT_TRUE(data.LoadSkinStore());
  LoadAsFromLayout(data, true);
  EXPECT_TRUE(data.Active());
}

TEST(SkinDataComponent, LoadedAdjustsMenuKinds) {
  TSkinData withMainMenu(nullptr);
  withMainMenu.SetSkinControls({xcMainMenu, xcMenuItem, xcSystemMenu, xcButton});
  LoadAsFromLayout(withMainMenu, false);
  EXPECT_EQ((TSkinControlTypes{xcMainMenu, xcSystemMenu, xcButton}), withMainMenu.SkinControls());

  TSkinData without(nullptr);
  without.SetSkinControls({xcMenuItem, xcSystemMenu, xcButton});
  LoadAsFromLayout(without, false);
  EXPECT_EQ((TSkinControlTypes{xcMenuItem, xcButton}), without.SkinControls());
}

TEST(SkinDataComponent, OtherScopesKeepTheirMenuKinds) {
  TSkinData data(nullptr);
  data.SetSkinFormtype(sfDialog);
  data.SetSkinControls({xcMenuItem, xcSystemMenu});
  LoadAsFromLayout(data, false);
  EXPECT_EQ((TSkinControlTypes{xcMenuItem, xcSystemMenu}), data.SkinControls());
}

TEST(SkinDataComponent, AppIconBitmapFromTheApplicationWindow) {
  const HWND app = Application->Handle();
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  SendMessageW(app, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  TSkinData data(nullptr);
  LoadAsFromLayout(data, false);
  SendMessageW(app, WM_SETICON, ICON_BIG, 0);
  TBitmap& bitmap = data.AppIconBitmap();
  ASSERT_FALSE(bitmap.Empty());
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), bitmap.Width());
  EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), bitmap.Height());
  EXPECT_TRUE(bitmap.Transparent());
  EXPECT_EQ(0xFF00FF, bitmap.TransparentColor());
  // The icon covers some of the magenta background, not all of it.
  int magenta = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) magenta += PixelAt(bitmap, x, y) == 0xFF00FF;
  EXPECT_LT(magenta, bitmap.Width() * bitmap.Height());
}

TEST(SkinDataComponent, CaptionHintShowsOnceAndHides) {
  TSkinData data(nullptr);
  data.ShowCaptionHint(RECT{300, 200, 320, 220}, "Close");
  ASSERT_TRUE(data.CaptionHintShown());
  const HWND hint = data.HintWindow()->Handle();
  EXPECT_TRUE(IsWindowVisible(hint));
  RECT shown{};
  GetWindowRect(hint, &shown);
  EXPECT_EQ(300, shown.left);
  EXPECT_EQ(200, shown.top);
  const RECT size = data.HintWindow()->CalcHintRect(500, "Close");
  EXPECT_EQ(size.right - size.left, shown.right - shown.left);
  // A second hint while one is shown is ignored.
  data.ShowCaptionHint(RECT{10, 10, 20, 20}, "Minimize");
  GetWindowRect(hint, &shown);
  EXPECT_EQ(300, shown.left);
  data.HideCaptionHint();
  EXPECT_FALSE(data.CaptionHintShown());
  EXPECT_FALSE(IsWindowVisible(hint));
}

TEST(SkinDataComponent, NoCaptionHintWithoutTheOption) {
  TSkinData data(nullptr);
  data.SetOptions(TSkinOptions{xoPreview});
  data.ShowCaptionHint(RECT{300, 200, 320, 220}, "Close");
  EXPECT_FALSE(data.CaptionHintShown());
  EXPECT_FALSE(data.HintWindow()->HandleAllocated() &&
               IsWindowVisible(data.HintWindow()->Handle()));
  data.HideCaptionHint();
  EXPECT_FALSE(data.CaptionHintShown());
}

}  // namespace
