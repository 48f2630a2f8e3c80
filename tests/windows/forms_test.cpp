#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "dib_section_win.h"
#include "forms/application_win.h"
#include "forms/combo_box_win.h"
#include "forms/form_timer_win.h"
#include "forms/form_win.h"
#include "forms/image_control_win.h"
#include "forms/label_win.h"
#include "message_pump.h"

namespace {

class RecordingForm : public Form {
 public:
  explicit RecordingForm(const wchar_t* caption) : Form(caption) {}
  bool allowUnload = true;
  int loads = 0;
  int queries = 0;
  int unloads = 0;

 protected:
  void OnLoad() override { ++loads; }
  bool OnQueryUnload() override {
    ++queries;
    return allowUnload;
  }
  void OnUnload() override { ++unloads; }
};

TEST(Forms, LoadedFormIsHiddenAndFoundByItsCaptionFromAnyCode) {
  RecordingForm form(L"<氷花灯>");
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(form.loads, 1);
  EXPECT_FALSE(IsWindowVisible(form.window()));
  EXPECT_EQ(FindWindowW(nullptr, L"<氷花灯>"), form.window());
  form.Unload();
  EXPECT_EQ(FindWindowW(nullptr, L"<氷花灯>"), nullptr);
}

// A close request runs query-unload first; a refusal keeps the form, consent unloads it, and the
// message loop ends with the last form.
TEST(Forms, CloseAsksQueryUnloadAndLastFormEndsTheLoop) {
  RecordingForm form(L"Closing form");
  ASSERT_TRUE(form.Load());
  form.allowUnload = false;
  SendMessageW(form.window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.queries, 1);
  ASSERT_NE(form.window(), nullptr);
  EXPECT_EQ(form.unloads, 0);

  form.allowUnload = true;
  PostMessageW(form.window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(RunForms(), 0);
  EXPECT_EQ(form.queries, 2);
  EXPECT_EQ(form.unloads, 1);
  EXPECT_EQ(form.window(), nullptr);
}

// A refusal holds the session open and keeps the form; consent lets the form go.
TEST(Forms, LogOffAsksEveryFormToUnloadAndReportsARefusal) {
  RecordingForm form(L"Session form");
  ASSERT_TRUE(form.Load());
  form.allowUnload = false;
  EXPECT_EQ(SendMessageW(form.window(), WM_QUERYENDSESSION, 0, 0), FALSE);
  ASSERT_NE(form.window(), nullptr);
  form.allowUnload = true;
  EXPECT_EQ(SendMessageW(form.window(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(form.queries, 2);
  EXPECT_EQ(form.window(), nullptr);
}

// Forms whose windows end without an unload still leave the count of open forms, so the message
// loop does not wait for them: it returns at once and leaves the quit request unread.
TEST(Forms, AFormDestroyedAnyWayIsCountedOut) {
  {
    RecordingForm dropped(L"Dropped form");
    ASSERT_TRUE(dropped.Load());
    RecordingForm destroyed(L"Destroyed form");
    ASSERT_TRUE(destroyed.Load());
    DestroyWindow(destroyed.window());
    EXPECT_EQ(destroyed.window(), nullptr);
  }
  PostQuitMessage(0);
  EXPECT_EQ(RunForms(), 0);
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

class ResizingForm : public Form {
 public:
  ResizingForm() : Form(L"Resizing form") {}
  std::wstring events;

 protected:
  void OnLoad() override { events += L'L'; }
  void OnResize() override { events += L'R'; }
};

TEST(Forms, ResizeComesAfterLoadAtFirstDisplayAndOnLaterSizeChanges) {
  ResizingForm form;
  ASSERT_TRUE(form.Load());
  form.Move(10, 10, 300, 200);
  EXPECT_EQ(form.events, L"L");
  form.Show();
  EXPECT_EQ(form.events, L"LR");
  form.Move(10, 10, 320, 210);
  EXPECT_EQ(form.events, L"LRR");
  form.Unload();
}

// The hourglass holds over every window of the program, above a control's own pointer, until
// the default is set again; then each window shows its own pointer.
TEST(ApplicationPointer, HourglassHoldsOverEveryWindowUntilSetBack) {
  RecordingForm first(L"First form");
  RecordingForm second(L"Second form");
  ASSERT_TRUE(first.Load());
  ASSERT_TRUE(second.Load());
  ImageControl image;
  ASSERT_TRUE(image.Create(second.window(), {0, 0, 20, 20}));
  HCURSOR hand = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));  // IDC_HAND
  HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  HCURSOR hourglass = LoadCursorW(nullptr, MAKEINTRESOURCEW(32514));
  image.SetPointer(hand);
  const auto pointerOver = [](HWND window) {
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };

  SetApplicationPointer(ApplicationPointer::Hourglass);
  EXPECT_EQ(pointerOver(first.window()), hourglass);
  EXPECT_EQ(pointerOver(second.window()), hourglass);
  EXPECT_EQ(pointerOver(image.window()), hourglass);

  SetApplicationPointer(ApplicationPointer::Default);
  EXPECT_EQ(pointerOver(image.window()), hand);
  EXPECT_EQ(pointerOver(second.window()), arrow);
  first.Unload();
  second.Unload();
}

TEST(FormTimers, TickThroughTheQueueOnlyWhileOnAndSurviveAPeriodChange) {
  RecordingForm form(L"Timer form");
  int ticks = 0;
  int idleTicks = 0;
  FormTimer idle(form, 20, TimerStart::kDisabled, [&] { ++idleTicks; });
  FormTimer timer(form, 30, TimerStart::kEnabled, [&] { ++ticks; });
  // Ticks need the window; a timer switched on before load starts with it.
  ASSERT_TRUE(form.Load());
  ASSERT_TRUE(PumpUntil(std::chrono::seconds(5), [&] { return ticks >= 3; }));

  timer.SetEnabled(false);
  const int ticksWhenOff = ticks;
  idle.SetEnabled(true);
  // The idle timer proves the queue kept running while the other stayed silent.
  ASSERT_TRUE(PumpUntil(std::chrono::seconds(5), [&] { return idleTicks >= 5; }));
  EXPECT_EQ(ticks, ticksWhenOff);

  idle.SetEnabled(false);
  timer.SetInterval(10);
  timer.SetEnabled(true);
  ASSERT_TRUE(PumpUntil(std::chrono::seconds(5), [&] { return ticks >= ticksWhenOff + 3; }));
  form.Unload();
}

// A 4 x 3 picture of distinct colours, as a DIB section the test knows byte for byte.
Picture PatternPicture(COLORREF (&colours)[3][4]) {
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownSection(4, 3, &bits);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      colours[y][x] = RGB(40 * x + 20, 60 * y + 30, 200 - 30 * x);
      pixels[y * 4 + x] = SwapRedAndBlue(colours[y][x]);
    }
  }
  return Picture(bitmap);
}

TEST(ImageControl, DrawsItsPictureUnstretchedAtTopLeftOnTheFormBackground) {
  RecordingForm form(L"Image form");
  ASSERT_TRUE(form.Load());
  form.SetBackColour(RGB(0, 0, 0));
  SetWindowLongW(form.window(), GWL_STYLE, WS_POPUP);
  form.Move(0, 0, 40, 30);
  ImageControl image;
  ASSERT_TRUE(image.Create(form.window()));
  COLORREF colours[3][4];
  image.SetPicture(std::make_shared<Picture>(PatternPicture(colours)));
  image.Move(0, 0, 40, 30);
  form.Show();
  SetWindowPos(form.window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(form.window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
  PumpUntil(std::chrono::milliseconds(200), [] { return false; });

  HDC screen = GetDC(nullptr);
  POINT origin = {0, 0};
  ClientToScreen(image.window(), &origin);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(GetPixel(screen, origin.x + x, origin.y + y), colours[y][x]) << x << "," << y;
    }
  }
  EXPECT_EQ(GetPixel(screen, origin.x + 4, origin.y), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(screen, origin.x + 20, origin.y + 20), RGB(0, 0, 0));
  ReleaseDC(nullptr, screen);
  form.Unload();
}

// The form lays its controls out for every dpi it is told of, from their 96-dpi places, and
// their fonts with them; back at the first dpi every rectangle is the first one. A control gone
// before the change is not visited.
TEST(Forms, ADpiChangeLaysEveryControlOutFromItsDesignPlace) {
  RecordingForm form(L"Scaled form");
  ASSERT_TRUE(form.Load());
  ASSERT_EQ(form.dpi(), 96);  // the test prefix's display
  ImageControl image;
  ASSERT_TRUE(image.Create(form.window(), {10, 20, 50, 33}));
  Label label;
  ASSERT_TRUE(label.Create(form.window(), {10, 40, 60, 53}));
  ComboBox box;
  ASSERT_TRUE(box.Create(form.window(), {70, 20, 111, 40}, FormFont()));
  auto gone = std::make_unique<ImageControl>();
  ASSERT_TRUE(gone->Create(form.window(), {0, 0, 5, 5}));
  gone.reset();

  using Place = std::array<LONG, 4>;  // left, top, right, bottom in the form's client area
  const auto place = [&](HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form.window(), reinterpret_cast<POINT*>(&rect), 2);
    return Place{rect.left, rect.top, rect.right, rect.bottom};
  };
  const auto fontHeight = [](HWND control) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font.lfHeight;
  };
  const HWND controls[] = {image.window(), label.window(), box.window()};
  std::vector<Place> before;
  for (const HWND control : controls) before.push_back(place(control));
  RECT suggested = {0, 0, 400, 300};
  SendMessageW(form.window(), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(form.dpi(), 192);
  EXPECT_EQ(image.dpi(), 192);
  EXPECT_EQ(place(image.window()), (Place{20, 40, 100, 66}));
  EXPECT_EQ(place(label.window()), (Place{20, 80, 120, 106}));
  EXPECT_EQ(place(box.window())[0], 140);
  EXPECT_EQ(fontHeight(box.window()), -26);  // 9.75 pt at 192 dpi

  SendMessageW(form.window(), WM_DPICHANGED, MAKEWPARAM(96, 96),
               reinterpret_cast<LPARAM>(&suggested));
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(place(controls[i]), before[i]) << i;
  EXPECT_EQ(fontHeight(box.window()), -13);
  form.Unload();
}

}  // namespace
