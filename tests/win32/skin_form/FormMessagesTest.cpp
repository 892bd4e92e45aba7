// What a skinned toolkit form answers of the engine's own messages, and the
// keys that reach its menus: Alt and a letter opens the menu bar item (of
// the main form, for a second form without one), Alt+Space the system menu.
#include <memory>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/form/SkinMenuBar.h"
#include "tests/win32/support/MessageRecorders.h"
#include "tests/win32/support/OpenMenuWatch.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"

namespace {

class FormMessagesTest : public SkinManagerTest {
 protected:
  TWinSkinForm& Skinned(TCustomForm& form, int left = 40) {
    form.SetBounds(left, 40, 320, 220);
    form.Show();
    SetForegroundWindow(form.Handle());
    return SkinnedObject(form.Handle());
  }
  // A main menu with one drop-down per caption, each with one entry.
  static TMainMenu* MenuOf(TCustomForm& form, std::initializer_list<const char*> captions) {
    auto* menu = new TMainMenu(&form);
    for (const char* caption : captions) {
      auto* drop = new TMenuItem(&form);
      drop->SetCaption(caption);
      auto* entry = new TMenuItem(&form);
      entry->SetCaption("Entry");
      drop->Add(entry);
      menu->Items()->Add(drop);
    }
    form.SetMenu(menu);
    return menu;
  }
};

TEST_F(FormMessagesTest, PingAndPaintFrameAnswerOnlyWithTheMagicAndPaintTheFrame) {
  TForm form(nullptr);
  TWinSkinForm& object = Skinned(form);
  const HWND window = form.Handle();
  EXPECT_EQ(kSkinMagic, SendMessageW(window, SKIN_PING, 0, kSkinMagic));
  EXPECT_EQ(1, SendMessageW(window, SKIN_PING, 0, 0));
  EXPECT_EQ(1, SendMessageW(window, SKIN_PING, kSkinMagic, 7));

  RECT rect{};
  GetWindowRect(window, &rect);
  DibSurface dib(rect.right - rect.left, rect.bottom - rect.top);
  dib.Fill(kSentinel);
  const auto dc = reinterpret_cast<WPARAM>(dib.dc());
  const unsigned sentinel = DibColor(kSentinel);
  // Another lParam, or no DC: nothing is drawn.
  EXPECT_EQ(0, SendMessageW(window, SKIN_PAINTFRAME, dc, kSkinMagic + 1));
  EXPECT_EQ(sentinel, dib.Pixel(1, 10));
  EXPECT_EQ(kSkinMagic, SendMessageW(window, SKIN_PAINTFRAME, 0, kSkinMagic));

  EXPECT_EQ(kSkinMagic, SendMessageW(window, SKIN_PAINTFRAME, dc, kSkinMagic));
  // Inside the corner margins a frame pixel is the skin's, in the frame of
  // the window's activation.
  const TSkinElements& skin = data->Skin();
  const int look = object.Window().Active ? 0 : 1;
  TBitmap& left = *skin.Left->Image;
  TBitmap& top = *skin.Top->Image;
  const int leftFrame = left.Width() / skin.Left->Frame;
  const int topFrame = top.Height() / skin.Top->Frame;
  EXPECT_EQ(SkinPixel(left, look * leftFrame + 1, 10), dib.Pixel(1, 10));
  EXPECT_EQ(SkinPixel(top, 2, look * topFrame + 2), dib.Pixel(object.Frame().Left() + 2, 2));
}

TEST_F(FormMessagesTest, RefreshGivesTheSkinsColourBackAndAnnouncesTheSkin) {
  TForm form(nullptr);
  TWinSkinForm& object = Skinned(form);
  const TColor skinColour = data->Skin().Colour(scButtonFace);
  ASSERT_EQ(skinColour, form.Color());
  form.SetColor(skinColour ^ 0x00FFFFFF);
  RECT clientBefore{};
  GetClientRect(form.Handle(), &clientBefore);
  wintest::MessageLog log;
  log.Only({SKIN_APPLIED});
  {
    const wintest::WindowProcRecorder arriving(log, form.Handle());
    SendMessageW(form.Handle(), SKIN_REFRESH, 0, 0);
  }
  EXPECT_SEQUENCE(log, {{SKIN_APPLIED, wintest::sent | wintest::lparam, 0, kSkinMagic}}, "refresh");
  EXPECT_EQ(skinColour, form.Color());
  EXPECT_EQ(asSkinned, object.AttachState());
  RECT clientAfter{};
  GetClientRect(form.Handle(), &clientAfter);
  EXPECT_TRUE(EqualRect(&clientBefore, &clientAfter));
}

// Alt+letter on the main form opens its item; on a second form without a
// menu it goes to the main form, which opens its item; a letter no item has
// opens nothing and goes nowhere.
TEST_F(FormMessagesTest, AltLetterOpensTheBarItemAndASecondFormHandsItToTheMainForm) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  const std::unique_ptr<TForm> ownedMain(main);
  ASSERT_EQ(main, Application->MainForm());
  const TMainMenu* menu = MenuOf(*main, {"&File", "&Quit"});
  Skinned(*main);
  const auto dropOf = [&](int i) {
    return reinterpret_cast<WPARAM>(menu->Items()->Items(i)->Handle());
  };

  wintest::MessageLog log;
  log.Only({WM_INITMENUPOPUP});
  const auto opens = [&](HWND focus, WORD key, const char* what, std::vector<WPARAM> drops) {
    SetForegroundWindow(focus);
    SetFocus(focus);
    const wintest::TOpenMenuWatch watch([](HWND) {});
    PressAltWith(key);
    PumpUntil([] { return false; }, 200);
    wintest::MsgSequence expected;
    for (const WPARAM drop : drops)
      expected.push_back({WM_INITMENUPOPUP, wintest::sent | wintest::wparam, drop});
    EXPECT_EQ(!drops.empty(), watch.Seen()) << what;
    EXPECT_SEQUENCE(log, expected, what);
  };
  {
    const wintest::WindowProcRecorder arriving(log, main->Handle());
    opens(main->Handle(), 'Q', "Alt+Q on the main form", {dropOf(1)});
    opens(main->Handle(), 'Z', "Alt+Z on the main form", {});
  }

  TForm second(nullptr);
  Skinned(second, 380);
  wintest::MessageLog chars;
  chars.Only({CM_DIALOGCHAR});
  {
    const wintest::ControlRecorder mainHears(chars, *main);
    const wintest::WindowProcRecorder arriving(log, main->Handle());
    opens(second.Handle(), 'F', "Alt+F on the second form", {dropOf(0)});
    EXPECT_SEQUENCE(chars, {{CM_DIALOGCHAR, wintest::sent | wintest::wparam, 'f'}},
                    "the main form hears the second form's key");
    opens(second.Handle(), 'Z', "Alt+Z on the second form", {});
    EXPECT_SEQUENCE(chars, {{CM_DIALOGCHAR, wintest::sent | wintest::wparam, 'z'}},
                    "an unknown key is handed on and goes no further");
  }
}

// Alt+Space opens the skin's copy of the system menu at the client origin,
// for a toolkit form and for a plain window.
TEST_F(FormMessagesTest, AltSpaceOpensTheSystemMenuAtTheClientOrigin) {
  TForm form(nullptr);
  TWinSkinForm& formObject = Skinned(form);
  const HWND plain = MakeRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 300, 200);
  SetForegroundWindow(plain);
  TWinSkinForm* plainObject = WaitUntilSkinned(plain);
  ASSERT_NE(nullptr, plainObject);
  for (TWinSkinForm* object : {&formObject, plainObject}) {
    const HWND window = object->Handle();
    SetForegroundWindow(window);
    SetFocus(window);
    PumpUntil([] { return false; }, 600);  // past the double-click time of any earlier menu
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HMENU shown = nullptr;
    RECT where{};
    const wintest::TOpenMenuWatch watch([&](HWND menu) {
      constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
      shown = reinterpret_cast<HMENU>(SendMessageW(menu, kGetMenuHandle, 0, 0));
      GetWindowRect(menu, &where);
    });
    PressAltWith(VK_SPACE);
    ASSERT_TRUE(watch.Seen()) << (object == &formObject ? "form" : "plain window");
    ASSERT_NE(nullptr, object->MenuHost().SystemMenuPopup());
    EXPECT_EQ(object->MenuHost().SystemMenuPopup()->Handle(), shown);
    EXPECT_EQ(origin.x, where.left);
    EXPECT_EQ(origin.y, where.top);
  }
  DestroyWindow(plain);
}

}  // namespace
