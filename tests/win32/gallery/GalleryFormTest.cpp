// The gallery's window from its stored layout: the windows its menu opens, freeing it afterwards,
// and switching its skin package to a good, a missing and a damaged file, and
// to packages whose description cannot skin anything.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <optional>
#include <span>
#include <string>

#include "GalleryFormFixture.h"
#include "gallery/SkinPackageSwitch.h"
#include "skin/manage/SkinManage.h"
#include "skin/read/SkinRead.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/core/Streams.h"
#include "toolkit/graphics/Bitmap.h"
#include "tools/skinpack/SkinWrite.h"

namespace {

// Every window the "窗口" menu names, opened through its menu commands, and
// then the gallery freed with them open.
TEST_F(GalleryFormTest, MenuCommandsOpenTheirWindowsAndTheFormFreesThem) {
  ASSERT_TRUE(Skinned(form_->Handle()));
  const char* items[] = {"MenuSizeable",   "MenuSingle",    "MenuDialog",
                         "MenuToolWindow", "MenuNoCaption", "MenuMdi"};
  const wchar_t* captions[] = {L"可调边框窗体", L"单线边框窗体", L"对话框窗体",
                               L"工具窗口",     L"无标题窗体",   L"MDI 框架"};
  auto* closeAll = Find<TMenuItem>("MenuCloseAll");
  EXPECT_FALSE(closeAll->Enabled());
  for (size_t i = 0; i < std::size(items); ++i) {
    SendMessageW(form_->Handle(), WM_COMMAND, Find<TMenuItem>(items[i])->Command(), 0);
    Flush();
    const HWND shown = FindWindowW(nullptr, captions[i]);
    ASSERT_TRUE(shown) << items[i];
    EXPECT_TRUE(IsWindowVisible(shown)) << items[i];
    EXPECT_TRUE(Skinned(shown)) << items[i];
  }
  EXPECT_TRUE(closeAll->Enabled());
  SendMessageW(form_->Handle(), WM_COMMAND, closeAll->Command(), 0);
  Flush();
  EXPECT_FALSE(IsWindowVisible(FindWindowW(nullptr, L"可调边框窗体")));
  EXPECT_FALSE(FindWindowW(nullptr, L"MDI 框架"));
  EXPECT_FALSE(closeAll->Enabled());
  // Again, so that the form goes with a sample shown.
  SendMessageW(form_->Handle(), WM_COMMAND, Find<TMenuItem>("MenuDialog")->Command(), 0);
  Flush();
  form_.reset();
  EXPECT_FALSE(FindWindowW(nullptr, L"对话框窗体"));
}

// Twenty items in a drop-down list eight high: the list is cut to eight
// rows and scrolls to the rest, with the visual-styles combo box too.
TEST_F(GalleryFormTest, DropDownListShowsItsDropDownCountAndScrolls) {
  auto* combo = Find<TComboBox>("ComboDropDownList");
  ASSERT_TRUE(combo);
  auto* pages = Find<TPageControl>("PageControl1");
  pages->SetActivePage(Find<TTabSheet>("PageCombos"));
  Flush();
  const HWND window = combo->Handle();
  ASSERT_EQ(20, SendMessageW(window, CB_GETCOUNT, 0, 0));
  SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
  Flush();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(window, &info));
  ASSERT_TRUE(IsWindowVisible(info.hwndList));
  RECT rows{};
  GetClientRect(info.hwndList, &rows);
  const auto itemHeight = static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(itemHeight, 0);
  EXPECT_EQ(combo->DropDownCount(), rows.bottom / itemHeight);
  SendMessageW(info.hwndList, LB_SETTOPINDEX, 19, 0);
  EXPECT_GT(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(window, CB_SHOWDROPDOWN, FALSE, 0);
  Flush();
  EXPECT_FALSE(IsWindowVisible(info.hwndList));
}

TEST_F(GalleryFormTest, ADamagedOrMissingPackageIsRefusedAndTheCurrentOneKept) {
  const std::string good = ReadAll(TAPVANE_SKIN_PACKAGE);
  ASSERT_GT(good.size(), 100u);
  const std::string damaged = std::string(TAPVANE_TEST_OUTPUT) + "/damaged.skin";
  // Not a package at all: the reader cannot expand it.
  std::ofstream(damaged, std::ios::binary) << std::string(5000, 'x');
  const auto storedBefore = Skin().SkinStoreStream().Size();

  EXPECT_FALSE(SwitchSkinPackageFile(Skin(), damaged).Done());
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_FALSE(Skin().SkinPending());
  EXPECT_EQ(storedBefore, Skin().SkinStoreStream().Size());
  EXPECT_TRUE(Skinned(form_->Handle()));

  EXPECT_FALSE(
      SwitchSkinPackageFile(Skin(), std::string(TAPVANE_TEST_OUTPUT) + "/none.skin").Done());
  EXPECT_EQ(2u, boxes_.size());
  EXPECT_FALSE(Skin().SkinPending());

  EXPECT_TRUE(SwitchSkinPackageFile(Skin(), TAPVANE_SKIN_PACKAGE).Done());
  EXPECT_EQ(2u, boxes_.size());
  EXPECT_EQ(static_cast<long long>(good.size()),
            static_cast<long long>(Skin().SkinStoreStream().Size()));
  EXPECT_FALSE(Skin().SkinPending());
}

// Our package with its description replaced (dropped when text is absent),
// written to the output folder.
std::string PackageWithDescription(const std::string& name, const std::string* text) {
  const std::string good = ReadAll(TAPVANE_SKIN_PACKAGE);
  TSkinReader reader;
  EXPECT_TRUE(reader.Load(std::span(reinterpret_cast<const uint8_t*>(good.data()), good.size())));
  std::vector<TSkinFile> files;
  for (const std::string& entry : reader.Names()) {
    const bool description = entry.ends_with(".ini");
    if (description && !text) continue;
    TSkinFile file{entry, {}};
    if (description)
      file.bytes.assign(text->begin(), text->end());
    else
      reader.GetEntry(entry, file.bytes);
    files.push_back(std::move(file));
  }
  const std::vector<uint8_t> package = PackSkin(files);
  const std::string path = std::string(TAPVANE_TEST_OUTPUT) + "/" + name + ".skin";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(package.data()),
             static_cast<std::streamsize>(package.size()));
  return path;
}

std::string OurDescription() {
  const std::string good = ReadAll(TAPVANE_SKIN_PACKAGE);
  TSkinReader reader;
  EXPECT_TRUE(reader.Load(std::span(reinterpret_cast<const uint8_t*>(good.data()), good.size())));
  std::vector<uint8_t> text;
  std::string name;
  reader.FindEntry(".ini", text, name);
  return {text.begin(), text.end()};
}

// A description that cannot skin anything is refused like a damaged
// package, through the gallery and through SkinFile alike: one message
// naming what is missing, and the current package and skin stay. With a
// UTF-8 byte-order mark in front, our description still skins.
TEST_F(GalleryFormTest, ADescriptionThatCannotSkinIsRefusedAndTheCurrentOneKept) {
  const std::string ours = OurDescription();
  ASSERT_NE(std::string::npos, ours.find("[Personality]"));
  std::string noTop = ours;
  for (size_t at = noTop.find("\nTop="); at != std::string::npos; at = noTop.find("\nTop="))
    noTop.replace(at, 5, "\nXTop=");
  std::string utf16 = "\xFF\xFE";
  for (const char ch : ours) utf16 += {ch, '\0'};
  std::string noPersonality = ours;
  noPersonality.replace(noPersonality.find("[Personality]"), 13, "[Persona]");
  const struct {
    const char* name;
    std::optional<std::string> text;
    const wchar_t* reason;
  } cases[] = {
      {"no_description", std::nullopt, L"没有皮肤描述"},
      {"empty", std::string(), L"是空的"},
      {"utf16", utf16, L"UTF-16"},
      {"nul_byte", ours.substr(0, 40) + '\0' + ours.substr(40), L"NUL"},
      {"no_personality", noPersonality, L"缺少 [Personality] 段"},
      {"no_top", noTop, L"没有给出标题栏图像 (Top)"},
  };
  const auto storedBefore = Skin().SkinStoreStream().Size();
  const int topWidth = Skin().Skin().Top->Image->Width();
  ASSERT_GT(topWidth, 0);
  for (const auto& c : cases) {
    const std::string path = PackageWithDescription(c.name, c.text ? &*c.text : nullptr);
    boxes_.clear();
    EXPECT_FALSE(SwitchSkinPackageFile(Skin(), path).Done()) << c.name;
    Skin().SetSkinFile(path);
    ASSERT_EQ(2u, boxes_.size()) << c.name;
    for (const std::wstring& box : boxes_) {
      EXPECT_NE(std::wstring::npos, box.find(c.reason)) << c.name;
      EXPECT_EQ(0u, box.find(L"皮肤包无法使用")) << c.name;
    }
    EXPECT_FALSE(Skin().SkinPending()) << c.name;
    EXPECT_EQ(storedBefore, Skin().SkinStoreStream().Size()) << c.name;
    EXPECT_EQ(topWidth, Skin().Skin().Top->Image->Width()) << c.name;
    EXPECT_TRUE(Skinned(form_->Handle())) << c.name;
  }

  boxes_.clear();
  const std::string marked = "\xEF\xBB\xBF" + ours;
  const std::string path = PackageWithDescription("marked", &marked);
  EXPECT_TRUE(SwitchSkinPackageFile(Skin(), path).Done());
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(Skin().SkinPending());
  EXPECT_EQ(topWidth, Skin().Skin().Top->Image->Width());
  EXPECT_GT(Skin().SkinStoreStream().Size(), 0);
  EXPECT_TRUE(Skinned(form_->Handle()));
}

// Switching packages while skinned: every switch re-skins the window and
// its controls, and a hundred of them hold no more objects than the first.
// The pages take turns in front, so that every page is drawn in both skins.
TEST_F(GalleryFormTest, SwitchingPackagesAHundredTimesHoldsNoMoreObjects) {
  const std::string good = ReadAll(TAPVANE_SKIN_PACKAGE);
  ASSERT_GT(good.size(), 100u);
  const std::string copy = std::string(TAPVANE_TEST_OUTPUT) + "/copy.skin";
  std::ofstream(copy, std::ios::binary) << good;
  const HWND window = form_->Handle();
  auto* pages = Find<TPageControl>("PageControl1");
  ASSERT_TRUE(pages);
  const auto switchTo = [&](const std::string& path) {
    ASSERT_TRUE(SwitchSkinPackageFile(Skin(), path).Done());
    TSkinManage::Instance()->RunPendingCommand();
    Flush();
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  // Every page once in both skins before counting: what a page keeps from
  // its first paint on is not what the switches leave behind.
  for (int page = 0; page < pages->PageCount(); ++page) {
    pages->SetActivePageIndex(page);
    switchTo(copy);
    switchTo(TAPVANE_SKIN_PACKAGE);
  }
  ASSERT_TRUE(Skinned(window));
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 50; ++i) {
    pages->SetActivePageIndex(i % pages->PageCount());
    switchTo(copy);
    switchTo(TAPVANE_SKIN_PACKAGE);
  }
  EXPECT_TRUE(Skinned(window));
  EXPECT_TRUE(boxes_.empty());
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
