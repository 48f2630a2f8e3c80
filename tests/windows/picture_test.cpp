// The forms runtime's bitmaps read through GDI alone, and system libraries loaded at first use.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "forms/bitmap_file.h"
#include "forms/on_demand_library_win.h"
#include "forms/picture_win.h"

namespace {

constexpr int kWidth = 3;
constexpr int kHeight = 2;
constexpr std::size_t kPixelOffsetField = 10;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kInfoHeaderEnd = 54;

struct Bgr {
  std::uint8_t b, g, r;
};

// Row 0 is the bottom row.
constexpr std::array<std::array<Bgr, kWidth>, kHeight> kColours = {{
    {{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}},
    {{{200, 0, 0}, {0, 200, 0}, {0, 0, 200}}},
}};

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The pattern as a 24-bit file, rows bottom first or top first.
std::vector<std::uint8_t> File24(bool topDown) {
  std::vector<std::uint8_t> rows;
  for (int row = 0; row < kHeight; ++row) {
    for (const Bgr& pixel : kColours[topDown ? kHeight - 1 - row : row]) {
      rows.insert(rows.end(), {pixel.b, pixel.g, pixel.r});
    }
    rows.resize(rows.size() + 3);  // 9 bytes padded to 12
  }
  std::vector<std::uint8_t> file = BitmapFileBytes(kWidth, kHeight, rows);
  if (topDown) Put32(file, kHeightField, static_cast<std::uint32_t>(-kHeight));
  return file;
}

// The pattern as an 8-bit file: one palette entry per pixel, in reading order.
std::vector<std::uint8_t> File8() {
  std::vector<std::uint8_t> file = File24(false);
  file.resize(kInfoHeaderEnd);
  file[28] = 8;                       // bits per pixel
  Put32(file, 46, kWidth * kHeight);  // colours used
  for (const auto& row : kColours) {
    for (const Bgr& pixel : row) file.insert(file.end(), {pixel.b, pixel.g, pixel.r, 0});
  }
  Put32(file, kPixelOffsetField, static_cast<std::uint32_t>(file.size()));
  for (int row = 0; row < kHeight; ++row) {
    for (int x = 0; x < kWidth; ++x) file.push_back(static_cast<std::uint8_t>(row * kWidth + x));
    file.push_back(0);  // 3 bytes padded to 4
  }
  Put32(file, 34, kHeight * 4);  // image size
  return file;
}

// What SavePicture writes for the picture; empty when it writes nothing.
std::vector<std::uint8_t> Saved(const Picture& picture) {
  wchar_t folder[MAX_PATH];
  wchar_t name[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"pic", 0, name);
  std::vector<std::uint8_t> bytes;
  if (SavePicture(picture, name)) {
    std::ifstream in(std::filesystem::path(name), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  DeleteFileW(name);
  return bytes;
}

TEST(PictureOfBitmapFile, ReadsEveryRowInPlaceAndNothingPastTheFile) {
  const std::vector<std::uint8_t> bottomUp = File24(false);
  std::vector<std::uint8_t> shortRows(bottomUp.begin(), bottomUp.end() - 1);
  std::vector<std::uint8_t> offsetPastEnd = bottomUp;
  Put32(offsetPastEnd, kPixelOffsetField, static_cast<std::uint32_t>(bottomUp.size()));
  const std::vector<std::uint8_t> jpegStart = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F'};
  const struct {
    const char* name;
    std::vector<std::uint8_t> file;
    bool readable;
  } cases[] = {
      {"24-bit, bottom row first", bottomUp, true},
      {"24-bit, top row first", File24(true), true},
      {"8-bit with a colour table", File8(), true},
      {"last pixel byte missing", shortRows, false},
      {"pixels said to start at the end", offsetPastEnd, false},
      {"not a bitmap", jpegStart, false},
  };
  for (const auto& c : cases) {
    const Picture picture = PictureOfBitmapFile(c.file);
    EXPECT_EQ(static_cast<bool>(picture), c.readable) << c.name;
    // Saved again, every readable form of the pattern is the bottom-up 24-bit file.
    if (picture) {
      EXPECT_EQ(Saved(picture), bottomUp) << c.name;
    }
  }
}

// The program's folder is one its user can write to: a library placed there must not be loaded
// in place of a system one. Were it looked for there, this unloadable file would be found and
// refused as no program image rather than reported missing.
TEST(OnDemandLibrary, LooksOnlyInTheSystemFolderAndSaysWhatIsMissing) {
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring planted(program, length);
  planted = planted.substr(0, planted.find_last_of(L'\\') + 1) + L"planted_library.dll";
  {
    std::ofstream out(std::filesystem::path(planted), std::ios::binary);
    out << "not a library";
  }
  OnDemandLibrary library(L"planted_library.dll");
  EXPECT_EQ(library.Find<decltype(GetCurrentProcessId)>("GetCurrentProcessId"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  DeleteFileW(planted.c_str());

  OnDemandLibrary kernel(L"kernel32.dll");
  EXPECT_EQ(kernel.Find<decltype(GetCurrentProcessId)>("NoSuchFunction"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

}  // namespace
