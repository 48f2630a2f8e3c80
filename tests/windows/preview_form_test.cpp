// The preview form in this process, where its painting can be read back from the screen: the
// shipped still at its own size at the top-left of the preview area, black around it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "picture_file.h"
#include "preview_form_win.h"

namespace {

constexpr int kAreaLeft = 100;
constexpr int kAreaTop = 80;
// Decoders may differ by a little per channel; anything more is a different picture.
constexpr int kDecoderTolerance = 8;

std::wstring BesideExecutable(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

void PumpFor(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  MSG message;
  while (std::chrono::steady_clock::now() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool Near(COLORREF shown, std::uint32_t expected) {
  return std::abs(static_cast<int>(GetRValue(shown)) - static_cast<int>(expected >> 16 & 0xFF)) <=
             kDecoderTolerance &&
         std::abs(static_cast<int>(GetGValue(shown)) - static_cast<int>(expected >> 8 & 0xFF)) <=
             kDecoderTolerance &&
         std::abs(static_cast<int>(GetBValue(shown)) - static_cast<int>(expected & 0xFF)) <=
             kDecoderTolerance;
}

// The preview area of the display settings: white, so that anything left unpainted shows.
HWND MakeArea(int width, int height) {
  static const ATOM areaClass = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"PreviewArea";
    return RegisterClassW(&windowClass);
  }();
  return CreateWindowExW(WS_EX_TOPMOST, reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(areaClass)),
                         L"Preview area", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kAreaLeft,
                         kAreaTop, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

// The preview runs once per process, as in the host, so one scenario covers it: an area larger
// than the still shows the still unstretched at its top-left and black in the rest.
TEST(PreviewForm, ShowsTheStillUnstretchedAtTopLeftOnBlack) {
  const std::optional<DecodedPicture> still = DecodePictureFile(BesideExecutable(L"preview.jpg"));
  ASSERT_TRUE(still.has_value());
  ASSERT_EQ(still->width, 152);
  ASSERT_EQ(still->height, 112);

  const int width = still->width + 40;
  const int height = still->height + 30;
  HWND area = MakeArea(width, height);
  ASSERT_NE(area, nullptr);
  ASSERT_TRUE(ShowPreview(area));
  PumpFor(std::chrono::milliseconds(500));

  HWND preview = FindWindowExW(area, nullptr, nullptr, L"Preview Window");
  ASSERT_NE(preview, nullptr);
  RECT client = {};
  GetClientRect(preview, &client);
  EXPECT_EQ(client.right, width);
  EXPECT_EQ(client.bottom, height);

  HDC screen = GetDC(nullptr);
  int mismatches = 0;
  for (int y = 0; y < still->height; ++y) {
    for (int x = 0; x < still->width; ++x) {
      if (!Near(GetPixel(screen, kAreaLeft + x, kAreaTop + y), still->At(x, y))) ++mismatches;
    }
  }
  EXPECT_LT(mismatches, still->width * still->height / 100) << "pixels unlike the still";
  for (int x = still->width; x < width; x += 7) {
    EXPECT_EQ(GetPixel(screen, kAreaLeft + x, kAreaTop + 5), RGB(0, 0, 0)) << "column " << x;
  }
  for (int y = still->height; y < height; y += 5) {
    EXPECT_EQ(GetPixel(screen, kAreaLeft + 60, kAreaTop + y), RGB(0, 0, 0)) << "row " << y;
  }
  ReleaseDC(nullptr, screen);
  DestroyWindow(area);
}

}  // namespace
