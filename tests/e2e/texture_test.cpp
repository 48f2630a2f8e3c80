// The renderer's texture as the user meets it: the picture the host leaves in the working folder
// shapes every flake on screen, a broken picture is reported once in a box and the snow goes on
// without it, and no picture at all is no reason for a message.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "bmp_encoder.h"
#include "child_process.h"
#include "deadline.h"
#include "display_mode.h"
#include "message_box.h"
#include "program_folder.h"
#include "screen_capture.h"
#include "shipped_names.h"
#include "snow_census.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr wchar_t kErrorCaption[] = L"Error";
// Untextured flakes are squares of this grey: the flake colour, 0.7, of full white.
constexpr int kPlainFlakeGrey = 178;

constexpr auto kStartTimeout = 15s;
constexpr auto kSnowTimeout = 15s;
constexpr auto kExitTimeout = 10s;

// Spots smaller than this across are a few pixels of filtering and tell nothing of their shape.
constexpr int kLargeSpotPixels = 9;
constexpr int kLargeSpotsWanted = 3;

// The working bitmap as it was before the test, put back afterwards, so the test leaves the
// machine's working folder as it found it.
class WorkingBitmapGuard {
 public:
  WorkingBitmapGuard() {
    folderExisted_ = GetFileAttributesW(kWorkingFolder) != INVALID_FILE_ATTRIBUTES;
    std::ifstream in(kWorkingBitmap, std::ios::binary);
    if (in) saved_ = Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  ~WorkingBitmapGuard() {
    if (saved_) {
      Write(*saved_);
      return;
    }
    DeleteFileW(kWorkingBitmap);
    if (!folderExisted_) RemoveDirectoryW(kWorkingFolder);
  }
  WorkingBitmapGuard(const WorkingBitmapGuard&) = delete;
  WorkingBitmapGuard& operator=(const WorkingBitmapGuard&) = delete;

  static bool Write(const Bytes& bytes) {
    CreateDirectoryW(kWorkingFolder, nullptr);
    std::ofstream out(kWorkingBitmap, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  }
  static void Remove() { DeleteFileW(kWorkingBitmap); }

 private:
  bool folderExisted_ = false;
  std::optional<Bytes> saved_;
};

// A 64 by 64 grey disc on black: white in the middle, fading evenly to black 30 pixels out.
Bytes SoftDiscBitmap() {
  Picture picture(64, 64);
  for (int row = 0; row < 64; ++row) {
    for (int x = 0; x < 64; ++x) {
      const double r = std::hypot(x - 31.5, row - 31.5);
      const auto v = static_cast<std::uint8_t>(std::lround(255.0 * std::max(0.0, 1.0 - r / 30.0)));
      picture.At(x, row) = {v, v, v};
    }
  }
  return EncodeBmp(picture, {.format = PixelFormat::kRgb24});
}

// One connected patch of lit pixels on the captured screen, by the traits that tell a textured
// flake from a plain one.
struct Spot {
  int width = 0;
  int height = 0;
  int pixels = 0;
  int peak = 0;
  int dimmest = 255;
  double rimMean = 0;  // lit pixels next to black
  bool Large() const { return width >= kLargeSpotPixels && height >= kLargeSpotPixels; }
  // No pixel darker than one plain flake: nothing fades towards an edge.
  bool Flat() const { return dimmest >= kPlainFlakeGrey - 2; }
  // A lone untextured flake: flat and filling its whole box.
  bool FlatSquare() const { return Flat() && pixels == width * height; }
  // Leaves the corners of its box dark and fades towards its edge.
  bool SoftRound() const { return pixels <= width * height * 90 / 100 && rimMean <= peak * 0.5; }
};

std::ostream& operator<<(std::ostream& out, const Spot& spot) {
  return out << spot.width << "x" << spot.height << " px, " << spot.pixels << " lit, peak "
             << spot.peak << ", dimmest " << spot.dimmest << ", rim " << spot.rimMean;
}

int Brightness(const ScreenImage& image, int x, int y) {
  const ScreenImage::Pixel p = image.At(x, y);
  return std::max({int{p.r}, int{p.g}, int{p.b}});
}

std::vector<Spot> FindSpots(const ScreenImage& image) {
  const int w = image.width();
  const int h = image.height();
  std::vector<bool> seen(static_cast<std::size_t>(w) * h);
  const auto lit = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && Brightness(image, x, y) > 0;
  };
  std::vector<Spot> spots;
  for (int y0 = 0; y0 < h; ++y0) {
    for (int x0 = 0; x0 < w; ++x0) {
      if (seen[y0 * w + x0] || !lit(x0, y0)) continue;
      int left = x0, right = x0, top = y0, bottom = y0, rimCount = 0;
      long rimSum = 0;
      Spot spot;
      std::vector<std::pair<int, int>> stack = {{x0, y0}};
      seen[y0 * w + x0] = true;
      while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        const int value = Brightness(image, x, y);
        ++spot.pixels;
        spot.peak = std::max(spot.peak, value);
        spot.dimmest = std::min(spot.dimmest, value);
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
        if (!lit(x - 1, y) || !lit(x + 1, y) || !lit(x, y - 1) || !lit(x, y + 1)) {
          ++rimCount;
          rimSum += value;
        }
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          if (lit(x + dx, y + dy) && !seen[(y + dy) * w + x + dx]) {
            seen[(y + dy) * w + x + dx] = true;
            stack.push_back({x + dx, y + dy});
          }
        }
      }
      spot.width = right - left + 1;
      spot.height = bottom - top + 1;
      spot.rimMean = rimCount > 0 ? static_cast<double>(rimSum) / rimCount : 0;
      spots.push_back(spot);
    }
  }
  return spots;
}

std::vector<Spot> LargeSpots(const ScreenImage& image) {
  std::vector<Spot> large;
  for (const Spot& spot : FindSpots(image)) {
    if (spot.Large()) large.push_back(spot);
  }
  return large;
}

class TextureTest : public ::testing::Test {
 protected:
  void StartRenderer() {
    ASSERT_TRUE(folder_.created());
    ASSERT_EQ(folder_.Install(kRendererFile), static_cast<DWORD>(ERROR_SUCCESS));
    renderer_ = ChildProcess::Start(folder_.PathOf(kRendererFile), L"", folder_.path());
    ASSERT_TRUE(renderer_.started()) << "CreateProcessW failed with " << renderer_.startError();
  }

  HWND WaitForRendererWindow() const {
    return WaitForTopLevelWindow(
        kRendererWindow, kRendererWindow, renderer_.id(),
        std::chrono::duration_cast<std::chrono::milliseconds>(kStartTimeout));
  }

  HWND ErrorBox() const { return FindTopLevelWindow(nullptr, kErrorCaption, renderer_.id()); }

  // The first capture with enough large spots to judge their shape; nothing if none came in time.
  std::optional<ScreenImage> WaitForLargeSpots() {
    std::optional<ScreenImage> found;
    PollUntil(kSnowTimeout, [&] {
      std::optional<ScreenImage> image = CaptureScreen();
      if (!image) return false;
      const SnowCensus census = TakeSnowCensus(*image);
      lastSeen_ = "grey " + std::to_string(census.grey) + ", coloured " +
                  std::to_string(census.coloured) + ", large spots " +
                  std::to_string(LargeSpots(*image).size());
      if (census.grey == 0 || LargeSpots(*image).size() < kLargeSpotsWanted) return false;
      found = std::move(image);
      return true;
    });
    return found;
  }

  void ExpectPlainSquares() {
    const std::optional<ScreenImage> image = WaitForLargeSpots();
    ASSERT_TRUE(image.has_value()) << lastSeen_;
    EXPECT_NEAR(TakeSnowCensus(*image).CommonestGrey(), kPlainFlakeGrey, 2);
    int squares = 0;
    for (const Spot& spot : LargeSpots(*image)) {
      // Overlapping squares join into other shapes, but none of them fades.
      EXPECT_TRUE(spot.Flat()) << spot;
      squares += spot.FlatSquare() ? 1 : 0;
    }
    EXPECT_GT(squares, 0);
  }

  void CloseRenderer() {
    const HWND window = FindTopLevelWindow(kRendererWindow, kRendererWindow, renderer_.id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    const auto code =
        renderer_.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kExitTimeout));
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
  }

  void TearDown() override {
    // A renderer that has to be killed cannot give the display back itself.
    if (renderer_.Running()) {
      renderer_ = ChildProcess();
      RestoreStoredDisplayMode();
    }
  }

  // Destroyed in reverse: the renderer ends before the working bitmap is put back and the
  // program folder removed.
  ProgramFolder folder_;
  WorkingBitmapGuard workingBitmap_;
  ChildProcess renderer_;
  std::string lastSeen_;
};

TEST_F(TextureTest, SoftDiscMakesEveryFlakeASoftRoundSpot) {
  ASSERT_TRUE(WorkingBitmapGuard::Write(SoftDiscBitmap()));
  StartRenderer();
  ASSERT_NE(WaitForRendererWindow(), nullptr);
  const std::optional<ScreenImage> image = WaitForLargeSpots();
  ASSERT_TRUE(image.has_value()) << lastSeen_;
  EXPECT_EQ(ErrorBox(), nullptr);
  int soft = 0;
  const std::vector<Spot> spots = LargeSpots(*image);
  for (const Spot& spot : spots) {
    EXPECT_FALSE(spot.Flat()) << spot;
    soft += spot.SoftRound() ? 1 : 0;
  }
  // Overlapping discs may join into a patch that is not round; most stand alone.
  EXPECT_GT(soft * 2, static_cast<int>(spots.size()));
  CloseRenderer();
}

TEST_F(TextureTest, NoWorkingBitmapGivesPlainSquaresWithoutAMessage) {
  WorkingBitmapGuard::Remove();
  StartRenderer();
  ASSERT_NE(WaitForRendererWindow(), nullptr);
  // Start-up waits while a box is shown, so snow on screen means start-up is over.
  ExpectPlainSquares();
  EXPECT_EQ(ErrorBox(), nullptr);
  CloseRenderer();
}

struct BrokenBitmap {
  const char* name;
  Bytes bytes;
  const wchar_t* message;
};

void PrintTo(const BrokenBitmap& broken, std::ostream* out) { *out << broken.name; }

class BrokenBitmapTest : public TextureTest, public ::testing::WithParamInterface<BrokenBitmap> {};

TEST_P(BrokenBitmapTest, ShowsOneErrorBoxThenSnowsPlainSquares) {
  ASSERT_TRUE(WorkingBitmapGuard::Write(GetParam().bytes));
  StartRenderer();
  const HWND box =
      WaitForTopLevelWindow(nullptr, kErrorCaption, renderer_.id(),
                            std::chrono::duration_cast<std::chrono::milliseconds>(kStartTimeout));
  ASSERT_NE(box, nullptr) << "no box captioned Error";
  EXPECT_EQ(MessageText(box), GetParam().message);
  // The renderer's window already exists; its start-up waits for the box.
  EXPECT_NE(FindTopLevelWindow(kRendererWindow, kRendererWindow, renderer_.id()), nullptr);

  ASSERT_TRUE(PressOk(box));
  ASSERT_TRUE(WaitForNoTopLevelWindow(nullptr, kErrorCaption, renderer_.id(), 5000ms));
  ExpectPlainSquares();
  EXPECT_EQ(ErrorBox(), nullptr) << "a second box";
  CloseRenderer();
}

Bytes LaterHeaderVersion() {
  Bytes bytes = SoftDiscBitmap();
  bytes[14] = 108;
  return bytes;
}

Bytes RowsCutShort() {
  Bytes bytes = SoftDiscBitmap();
  bytes.resize(bytes.size() - 1);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    FailureTexts, BrokenBitmapTest,
    ::testing::Values(BrokenBitmap{"LaterHeaderVersion", LaterHeaderVersion(),
                                   L"Unknown DIB file format."},
                      BrokenBitmap{"RowsCutShort", RowsCutShort(), L"Image file conversion error."},
                      BrokenBitmap{"EmptyFile", Bytes{},
                                   L"Failed to open DIB file c:\\b_lorn\\Driftmantle.bmp.\n"}),
    [](const ::testing::TestParamInfo<BrokenBitmap>& info) {
      return std::string(info.param.name);
    });

}  // namespace
