// The preview form in this process, where its painting can be read back from the screen: the
// shipped still at its own size at the top-left of the preview area until the first frame, then
// the snow, falling, over the whole area, and nothing stepped while nobody can see it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "message_pump.h"
#include "picture_file.h"
#include "preview/preview_form_win.h"
#include "screen_capture.h"

namespace {

using namespace std::chrono_literals;

constexpr int kAreaLeft = 100;
constexpr int kAreaTop = 80;
// Decoders may differ by a little per channel; anything more is a different picture.
constexpr int kDecoderTolerance = 8;
// What the area paints itself, unlike anything of the snow: wherever it shows, the preview
// left the area uncovered.
constexpr COLORREF kAreaColour = RGB(255, 0, 255);
// A flake's middle: the flake picture's brightest part at the flakes' 70 percent.
constexpr int kBrightChannel = 96;

std::wstring BesideExecutable(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

bool Near(ScreenImage::Pixel shown, std::uint32_t expected) {
  const int pairs[][2] = {{shown.r, static_cast<int>(expected >> 16 & 0xFF)},
                          {shown.g, static_cast<int>(expected >> 8 & 0xFF)},
                          {shown.b, static_cast<int>(expected & 0xFF)}};
  for (const auto& [a, b] : pairs) {
    if (std::abs(a - b) > kDecoderTolerance) return false;
  }
  return true;
}

// The preview area of the display settings, in a colour no snow has.
HWND MakeArea(int width, int height) {
  static const ATOM areaClass = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(kAreaColour);
    windowClass.lpszClassName = L"PreviewArea";
    return RegisterClassW(&windowClass);
  }();
  return CreateWindowExW(WS_EX_TOPMOST, reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(areaClass)),
                         L"Preview area", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kAreaLeft,
                         kAreaTop, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

// The screen's pixels over the top-left width × height of the area; none when unreadable.
std::optional<ScreenImage> Capture(int width, int height) {
  return CaptureScreenArea({kAreaLeft, kAreaTop, kAreaLeft + width, kAreaTop + height});
}

using Pixel = ScreenImage::Pixel;
bool IsArea(Pixel p) { return RGB(p.r, p.g, p.b) == kAreaColour; }
bool IsBright(Pixel p) {
  return p.r >= kBrightChannel && p.g >= kBrightChannel && p.b >= kBrightChannel;
}
bool IsLit(Pixel p) { return p != Pixel{}; }

// Each test runs in a process of its own, as the preview runs once per host.
TEST(PreviewForm, ShowsTheStillUnstretchedAtTopLeftOnBlackBeforeTheFirstFrame) {
  const std::optional<DecodedPicture> still = DecodePictureFile(BesideExecutable(L"preview.jpg"));
  ASSERT_TRUE(still.has_value());
  ASSERT_EQ(still->width, 152);
  ASSERT_EQ(still->height, 112);

  const int width = still->width + 40;
  const int height = still->height + 30;
  HWND area = MakeArea(width, height);
  ASSERT_NE(area, nullptr);
  const PreviewForm* preview = ShowPreview(area);
  ASSERT_NE(preview, nullptr);
  // Painted, but no message handled yet: the first frame waits for the form's timer.
  RedrawWindow(area, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  ASSERT_EQ(preview->framesShown(), 0);

  RECT client = {};
  GetClientRect(preview->window(), &client);
  EXPECT_EQ(client.right, width);
  EXPECT_EQ(client.bottom, height);
  const std::optional<ScreenImage> shown = Capture(width, height);
  ASSERT_TRUE(shown.has_value());
  int mismatches = 0;
  for (int y = 0; y < still->height; ++y) {
    for (int x = 0; x < still->width; ++x) mismatches += !Near(shown->At(x, y), still->At(x, y));
  }
  EXPECT_LT(mismatches, still->width * still->height / 100) << "pixels unlike the still";
  EXPECT_EQ(shown->CountIn({still->width, 0, width, height}, IsLit), 0) << "right of the still";
  EXPECT_EQ(shown->CountIn({0, still->height, width, height}, IsLit), 0) << "below the still";
  DestroyWindow(area);
}

class PreviewFormOfSize : public testing::TestWithParam<SIZE> {};

TEST_P(PreviewFormOfSize, ShowsChangingFramesWithBrightFlakesOverTheWholeArea) {
  const SIZE size = GetParam();
  HWND area = MakeArea(size.cx, size.cy);
  ASSERT_NE(area, nullptr);
  const PreviewForm* preview = ShowPreview(area);
  ASSERT_NE(preview, nullptr);
  ASSERT_TRUE(PumpUntil(5s, [&] { return preview->framesShown() >= 1; }));
  const std::optional<ScreenImage> first = Capture(size.cx, size.cy);
  const int framesBefore = preview->framesShown();
  // About a third of a second of snow.
  ASSERT_TRUE(PumpUntil(5s, [&] { return preview->framesShown() >= framesBefore + 10; }));
  const std::optional<ScreenImage> later = Capture(size.cx, size.cy);
  ASSERT_TRUE(first && later);

  EXPECT_EQ(first->Count(IsArea), 0) << "the area shows through";
  EXPECT_EQ(later->Count(IsArea), 0) << "the area shows through";
  // A small area holds few flakes, and a frame may happen to have no near one in it.
  EXPECT_TRUE(PumpUntil(2s, [&] {
    const std::optional<ScreenImage> frame = Capture(size.cx, size.cy);
    return frame && frame->Count(IsBright) > 0;
  })) << "no bright flake in two seconds of frames";
  EXPECT_GT(later->CountDifferences(*first), size.cx * size.cy / 100) << "the snow stands still";
  // Snow across the whole area, not in one corner: each quarter holds lit pixels.
  const int halfWidth = size.cx / 2;
  const int halfHeight = size.cy / 2;
  for (const int x : {0, halfWidth}) {
    for (const int y : {0, halfHeight}) {
      EXPECT_GT(later->CountIn({x, y, x + halfWidth, y + halfHeight}, IsLit), 0) << x << "," << y;
    }
  }
  DestroyWindow(area);
}

INSTANTIATE_TEST_SUITE_P(Areas, PreviewFormOfSize,
                         testing::Values(SIZE{152, 112}, SIZE{48, 36}, SIZE{520, 300}),
                         [](const testing::TestParamInfo<SIZE>& info) {
                           return std::to_string(info.param.cx) + "x" +
                                  std::to_string(info.param.cy);
                         });

// Frames counted while the area is hidden, after any tick already on its way has been handled.
int FramesWhileHidden(const PreviewForm& preview) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  const int settled = preview.framesShown();
  PumpUntil(1s, [] { return false; });
  return preview.framesShown() - settled;
}

TEST(PreviewForm, StepsNothingWhileItOrItsParentIsHiddenAndGoesOnWhenShown) {
  HWND area = MakeArea(152, 112);
  ASSERT_NE(area, nullptr);
  const PreviewForm* preview = ShowPreview(area);
  ASSERT_NE(preview, nullptr);
  ASSERT_TRUE(PumpUntil(5s, [&] { return preview->framesShown() >= 3; }));

  for (HWND hidden : {area, preview->window()}) {
    const char* which = hidden == area ? "the parent" : "the preview itself";
    ShowWindow(hidden, SW_HIDE);
    EXPECT_EQ(FramesWhileHidden(*preview), 0) << "drawn with " << which << " hidden";
    ShowWindow(hidden, SW_SHOWNA);
    const int frames = preview->framesShown();
    EXPECT_TRUE(PumpUntil(2s, [&] { return preview->framesShown() >= frames + 3; }))
        << "no frames once " << which << " is shown again";
  }
  DestroyWindow(area);
}

}  // namespace
