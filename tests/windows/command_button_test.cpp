// The push button as the dialog uses it: a real child window on a form, driven by sent and
// posted messages and the real pointer, its face read back from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "controls/command_button_win.h"
#include "forms/font_win.h"
#include "forms/form_win.h"
#include "message_pump.h"

namespace {

constexpr RECT kBounds = {10, 10, 91, 35};  // the dialog's 81 x 25 buttons
constexpr POINT kCentre = {40, 12};
constexpr COLORREF kOutline = RGB(0, 60, 116);
constexpr COLORREF kGreyOutline = RGB(201, 199, 186);
constexpr COLORREF kDialogColour = RGB(236, 233, 216);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLavender = RGB(198, 197, 215);

LPARAM At(POINT point) { return MAKELPARAM(point.x, point.y); }

// The colour a fraction of the way down a vertical gradient over the face's rows.
COLORREF GradientAt(COLORREF top, COLORREF bottom, int row, int height) {
  const auto mix = [&](int a, int b) { return a + (b - a) * row / (height - 1); };
  return RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
             mix(GetBValue(top), GetBValue(bottom)));
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 3 && std::abs(GetGValue(a) - GetGValue(b)) <= 3 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 3;
}

class CommandButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form_.Load());
    form_.SetBackColour(RGB(0, 0, 30));
    form_.Move(100, 100, 220, 80);
    form_.Show();
    SetWindowPos(form_.window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    layout_.Write(L"caption", std::wstring(L"設定"));
  }
  void TearDown() override { form_.Unload(); }

  // A button as the dialog makes one: created from its layout, then initialised.
  std::unique_ptr<CommandButton> MakeButton(RECT bounds = kBounds) {
    auto button = std::make_unique<CommandButton>([this] { ++clicks_; });
    EXPECT_TRUE(button->Create(form_.window(), bounds, layout_));
    button->control().Initialize();
    return button;
  }

  static void PointAt(const CommandButton& button, POINT at) {
    ClientToScreen(button.window(), &at);
    SetCursorPos(at.x, at.y);
  }

  static COLORREF Pixel(const CommandButton& button, int x, int y) {
    UpdateWindow(button.window());
    POINT at = {x, y};
    ClientToScreen(button.window(), &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
  }

  // The caption's pixels: the box the caption is centred in, across the face's inside.
  static std::vector<COLORREF> CaptionPixels(const CommandButton& button) {
    std::vector<COLORREF> pixels;
    for (int y = 5; y < 19; ++y)
      for (int x = 4; x < 77; ++x) pixels.push_back(Pixel(button, x, y));
    return pixels;
  }

  Form form_{L"Button form", WS_POPUP};
  PropertyBag layout_;
  int clicks_ = 0;
};

TEST_F(CommandButtonTest, FaceAtRestHoveredAndDisabled) {
  EXPECT_EQ(LogFontOf(DesignFont(), 96).lfHeight, -13);  // 9.75 pt, cell height excluded
  auto button = MakeButton();
  const auto isDark = [](COLORREF c) {
    return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80;
  };
  wchar_t text[16] = {};
  GetWindowTextW(button->window(), text, 16);
  EXPECT_STREQ(text, L"設定");  // the name screen readers and automation see

  // At rest: the outline one pixel in, white above, lavender below, a black caption.
  EXPECT_EQ(Pixel(*button, 40, 1), kOutline);
  EXPECT_EQ(Pixel(*button, 1, 12), kOutline);
  EXPECT_PRED2(Near, Pixel(*button, 6, 4), GradientAt(kWhite, kLavender, 4, 25));
  EXPECT_PRED2(Near, Pixel(*button, 6, 20), GradientAt(kWhite, kLavender, 20, 25));
  const std::vector<COLORREF> resting = CaptionPixels(*button);
  EXPECT_TRUE(std::any_of(resting.begin(), resting.end(), isDark));

  PointAt(*button, kCentre);
  SendMessageW(button->window(), WM_MOUSEMOVE, 0, At(kCentre));
  EXPECT_EQ(Pixel(*button, 40, 1), kOutline);
  EXPECT_PRED2(Near, Pixel(*button, 6, 4), GradientAt(kLavender, kWhite, 4, 25));
  EXPECT_PRED2(Near, Pixel(*button, 6, 20), GradientAt(kLavender, kWhite, 20, 25));

  // Disabled: the inset grey frame on the dialog's colour, the caption embossed in grey.
  button->control().SetEnabled(false);
  EXPECT_EQ(Pixel(*button, 40, 1), kDialogColour);
  EXPECT_EQ(Pixel(*button, 2, 12), kGreyOutline);
  const std::vector<COLORREF> greyed = CaptionPixels(*button);
  EXPECT_TRUE(std::none_of(greyed.begin(), greyed.end(), isDark));
  EXPECT_NE(std::find(greyed.begin(), greyed.end(), GetSysColor(COLOR_3DSHADOW)), greyed.end());
}

// Each row: a fresh button under the pointer, the messages the system would deliver to it, and
// what comes of them. A press takes the mouse and the release over the button lets it go; a
// right-button release over the hovered, focused button clicks too; a capture taken away in
// mid-press ends the press, with no click and nothing left held. Other ends of a press are the
// state machine's to decide, and its native tests hold them.
TEST_F(CommandButtonTest, ClicksComeFromAReleaseOverTheButtonThatHeldTheMouse) {
  constexpr UINT kTakeCapture = 0;  // another window takes the mouse
  constexpr UINT kTakeFocus = 1;    // the focus arrives from the keyboard
  struct Case {
    const char* name;
    std::vector<UINT> steps;  // each at the button's centre
    int clicks;
  };
  const Case cases[] = {
      {"left click", {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}, 1},
      {"right release, focused", {kTakeFocus, WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP}, 1},
      {"capture taken away in mid-press", {WM_MOUSEMOVE, WM_LBUTTONDOWN, kTakeCapture}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto button = MakeButton();
    PointAt(*button, kCentre);
    clicks_ = 0;
    for (const UINT step : c.steps) {
      if (step == kTakeCapture) {
        ReleaseCapture();
      } else if (step == kTakeFocus) {
        SetFocus(button->window());
      } else {
        SendMessageW(button->window(), step, 0, At(kCentre));
        if (step == WM_LBUTTONDOWN || step == WM_RBUTTONDOWN) {
          EXPECT_EQ(GetCapture(), button->window());
        }
      }
    }
    EXPECT_EQ(clicks_, c.clicks);
    // Each case ends with the button focused and still under the pointer.
    EXPECT_EQ(button->control().CurrentViewState(), ViewState::FocusedHovered);
    EXPECT_FALSE(button->control().ButtonHeld());
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST_F(CommandButtonTest, PollNoticesThePointerLeavingWithinTicks) {
  auto button = MakeButton();
  PointAt(*button, kCentre);
  SendMessageW(button->window(), WM_MOUSEMOVE, 0, At(kCentre));
  ASSERT_EQ(button->control().CurrentViewState(), ViewState::Hovered);
  SetCursorPos(5, 5);  // off the form: no window of ours hears of it but through the poll
  EXPECT_TRUE(PumpUntil(std::chrono::seconds(2), [&] {
    return button->control().CurrentViewState() == ViewState::Resting;
  }));
  EXPECT_PRED2(Near, Pixel(*button, 6, 4), GradientAt(kWhite, kLavender, 4, 25));
}

// Keys arrive through the dialog manager, as in the dialog's modal loop.
TEST_F(CommandButtonTest, SpaceAndEnterClickOnceAndTabMovesOn) {
  auto first = MakeButton();
  auto second = MakeButton({110, 10, 191, 35});
  const auto post = [&](UINT message, WPARAM key, LPARAM flags = 0) {
    PostMessageW(first->window(), message, key, flags);
  };
  SetFocus(first->window());
  post(WM_KEYDOWN, VK_SPACE);
  post(WM_KEYUP, VK_SPACE);
  EXPECT_TRUE(PumpUntil(
      std::chrono::seconds(2), [&] { return clicks_ == 1; }, form_.window()));
  post(WM_KEYDOWN, VK_RETURN);
  post(WM_KEYDOWN, VK_RETURN, 1 << 30);  // held: the keyboard repeats
  post(WM_KEYUP, VK_RETURN);
  EXPECT_TRUE(PumpUntil(
      std::chrono::seconds(2), [&] { return clicks_ == 2; }, form_.window()));

  first->control().SetEnabled(false);
  post(WM_KEYDOWN, VK_SPACE);
  post(WM_KEYUP, VK_SPACE);
  post(WM_KEYDOWN, VK_RETURN);
  post(WM_KEYDOWN, VK_TAB);  // the last in the queue: once it moved the focus, all were seen
  EXPECT_TRUE(PumpUntil(
      std::chrono::seconds(2), [&] { return GetFocus() == second->window(); }, form_.window()));
  EXPECT_EQ(clicks_, 2);
}

}  // namespace
