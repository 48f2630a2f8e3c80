// The host's preview, as the display settings dialog uses it: /p with the handle of a small
// window, into which the host puts a still of the snow.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "child_process.h"
#include "deadline.h"
#include "program_folder.h"
#include "shipped_names.h"

namespace {

using namespace std::chrono_literals;

constexpr int kAreaLeft = 200;
constexpr int kAreaTop = 150;
constexpr int kAreaWidth = 152;
constexpr int kAreaHeight = 112;

// Waits while handling this thread's messages: the preview area is our window, and the host's
// re-parenting and painting talk to it.
template <class Condition>
bool PumpUntil(std::chrono::milliseconds timeout, Condition condition) {
  const Deadline deadline(timeout);
  MSG message;
  for (;;) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (condition()) return true;
    if (deadline.Passed()) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

// A window class like the display settings dialog's preview area: clipping its children, so its
// own painting never covers the preview.
const wchar_t* PreviewAreaClass() {
  static const ATOM atom = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = L"PreviewArea";
    return RegisterClassW(&windowClass);
  }();
  return reinterpret_cast<const wchar_t*>(static_cast<UINT_PTR>(atom));
}

class PreviewArea {
 public:
  PreviewArea()
      : window_(CreateWindowExW(WS_EX_TOPMOST, PreviewAreaClass(), L"Preview area",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kAreaLeft, kAreaTop,
                                kAreaWidth, kAreaHeight, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {}
  ~PreviewArea() { Destroy(); }
  PreviewArea(const PreviewArea&) = delete;
  PreviewArea& operator=(const PreviewArea&) = delete;

  HWND window() const { return window_; }
  std::wstring Argument() const {
    return L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(window_));
  }
  HWND Preview() const { return FindWindowExW(window_, nullptr, nullptr, kPreviewCaption); }
  void Destroy() {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  HWND window_;
};

class HostPreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.created());
    // Only the host: the preview needs neither the renderer nor a settings file.
    ASSERT_EQ(folder_.Install(kHostFile), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_NE(area_.window(), nullptr);
  }

  ChildProcess StartHost(const std::wstring& argument) {
    ChildProcess host = ChildProcess::Start(folder_.PathOf(kHostFile), argument, folder_.path());
    EXPECT_TRUE(host.started()) << "CreateProcessW failed with " << host.startError();
    return host;
  }

  ProgramFolder folder_;
  PreviewArea area_;
};

// The still's pixels are checked in-process by the preview form's own test: a window that another
// process paints inside ours is not composed onto the screen everywhere (Wine shows nothing).
TEST_F(HostPreviewTest, PreviewFormCoversTheAreaAndTheHostEndsWithIt) {
  const bool folderBefore = FolderExists(kWorkingFolder);
  ChildProcess host = StartHost(area_.Argument());
  ASSERT_TRUE(PumpUntil(10000ms, [&] {
    const HWND preview = area_.Preview();
    return preview != nullptr && IsWindowVisible(preview);
  })) << "no visible child window titled Preview Window";
  const HWND preview = area_.Preview();
  EXPECT_NE(GetWindowLongW(preview, GWL_STYLE) & WS_CHILD, 0);
  RECT placed = {};
  GetWindowRect(preview, &placed);
  EXPECT_EQ(placed.left, kAreaLeft);
  EXPECT_EQ(placed.top, kAreaTop);
  EXPECT_EQ(placed.right - placed.left, kAreaWidth);
  EXPECT_EQ(placed.bottom - placed.top, kAreaHeight);

  area_.Destroy();
  EXPECT_EQ(host.WaitForExit(1000ms), 0u) << "host still running a second after its area went";
  EXPECT_EQ(FolderExists(kWorkingFolder), folderBefore) << "preview touched the working folder";
}

// The display settings dialog restarts its preview often; a running preview must not block the
// next, since its caption is no single-instance marker.
TEST_F(HostPreviewTest, APreviewRunningElsewhereDoesNotBlockTheNext) {
  PreviewArea other;
  ChildProcess first = StartHost(other.Argument());
  ASSERT_TRUE(PumpUntil(10000ms, [&] { return other.Preview() != nullptr; }));
  ChildProcess second = StartHost(area_.Argument());
  EXPECT_TRUE(PumpUntil(10000ms, [&] { return area_.Preview() != nullptr; }));
  other.Destroy();
  area_.Destroy();
  EXPECT_EQ(first.WaitForExit(5000ms), 0u);
  EXPECT_EQ(second.WaitForExit(5000ms), 0u);
}

// A handle that names no window has nothing to preview into: the host ends at once instead of
// living on invisibly.
TEST_F(HostPreviewTest, HandleOfNoWindowEndsAtOnce) {
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  const std::wstring goneArgument = L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(gone));
  DestroyWindow(gone);
  for (const std::wstring& argument : {goneArgument, std::wstring(L"/p 0"), std::wstring(L"/p")}) {
    ChildProcess host = StartHost(argument);
    EXPECT_EQ(host.WaitForExit(5000ms), 0u) << testing::PrintToString(argument);
  }
}

}  // namespace
