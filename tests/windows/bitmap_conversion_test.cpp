// The system's conversion through the reader, byte for byte: each picture is built here, encoded
// by the test's own encoder, read back from a file and compared with the picture itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bmp_encoder.h"
#include "recording_services.h"
#include "temp_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Channels { kFull, k555, k565 };

// Distinct, easily told apart colours for indexed pictures.
Rgb PaletteColour(int index) {
  return {static_cast<std::uint8_t>(index * 37 + 11), static_cast<std::uint8_t>(index * 91 + 3),
          static_cast<std::uint8_t>(255 - index * 53)};
}

// Colours that a 16-bit pixel holds exactly, so the expected bytes are the picture's own.
Rgb Quantise(Rgb c, Channels channels) {
  if (channels == Channels::kFull) return c;
  const unsigned greenBits = channels == Channels::k565 ? 6 : 5;
  return {Widen5(c.r >> 3), greenBits == 6 ? Widen6(c.g >> 2) : Widen5(c.g >> 3), Widen5(c.b >> 3)};
}

// With colours > 0, an indexed picture of that many colours, in short horizontal runs so that
// run-length encoders use both of their modes; otherwise a different colour at every pixel.
Picture MakePicture(int width, int height, int colours, Channels channels) {
  Picture picture(width, height);
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      Rgb colour;
      if (colours > 0) {
        const int run = x < width / 2 ? x / 4 : x;
        colour = PaletteColour((run * 3 + row * 5) % colours);
      } else {
        colour = {static_cast<std::uint8_t>(x * 7 + row), static_cast<std::uint8_t>(row * 29 + x),
                  static_cast<std::uint8_t>((x * 13) ^ (row * 3))};
      }
      picture.At(x, row) = Quantise(colour, channels);
    }
  }
  // A bottom-left pixel of its own, so a flipped or shifted result shows at once.
  picture.At(0, 0) = colours > 0 ? PaletteColour(colours - 1) : Quantise({250, 5, 128}, channels);
  return picture;
}

// Names the first differing pixel rather than dumping two long byte strings.
::testing::AssertionResult SameRgb(const Bytes& expected, const std::uint8_t* actual, int width) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] != actual[i]) {
      const std::size_t pixel = i / 3;
      return ::testing::AssertionFailure()
             << "pixel (" << pixel % width << ", row " << pixel / width << ") byte " << i % 3
             << ": expected " << int{expected[i]} << ", got " << int{actual[i]};
    }
  }
  return ::testing::AssertionSuccess();
}

struct Case {
  const char* name;
  BmpOptions options;
  int width;
  int height;
  int colours;  // 0: a different colour at every pixel
  Channels channels = Channels::kFull;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Conversion : public ::testing::TestWithParam<Case> {};

TEST_P(Conversion, GivesThePictureAsPackedRgbBottomRowFirst) {
  const Case& c = GetParam();
  const Picture picture = MakePicture(c.width, c.height, c.colours, c.channels);
  const TempFile file(EncodeBmp(picture, c.options));
  RecordingServices services;
  const std::unique_ptr<ImageRecord> record = ReadBitmapImage(file.path(), services);
  EXPECT_TRUE(services.messages.empty()) << services.messages.front();
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->sizeX, c.width);
  EXPECT_EQ(record->sizeY, c.height);
  EXPECT_TRUE(SameRgb(picture.RgbBytes(), record->data.get(), c.width));
  const Rgb bottomLeft = picture.At(0, 0);
  EXPECT_EQ(Bytes(record->data.get(), record->data.get() + 3),
            (Bytes{bottomLeft.r, bottomLeft.g, bottomLeft.b}));
}

constexpr BmpOptions Info(PixelFormat format) { return {.format = format}; }

INSTANTIATE_TEST_SUITE_P(
    EveryDepth, Conversion,
    ::testing::Values(
        Case{"Indexed1", Info(PixelFormat::kIndexed1), 13, 5, 2},
        Case{"Indexed4", Info(PixelFormat::kIndexed4), 13, 5, 16},
        Case{"Indexed8", Info(PixelFormat::kIndexed8), 13, 5, 200},
        Case{"Rle4", Info(PixelFormat::kRle4), 30, 6, 16},
        Case{"Rle8", Info(PixelFormat::kRle8), 30, 6, 100},
        Case{"Rgb555", Info(PixelFormat::kRgb555), 13, 5, 0, Channels::k555},
        Case{"Fields565", Info(PixelFormat::kFields565), 13, 5, 0, Channels::k565},
        Case{"Rgb24", Info(PixelFormat::kRgb24), 13, 5, 0},
        Case{"Rgb32", Info(PixelFormat::kRgb32), 13, 5, 0},
        Case{"FieldsRgbx32", Info(PixelFormat::kFieldsRgbx32), 13, 5, 0},
        Case{"CoreIndexed8",
             {.format = PixelFormat::kIndexed8, .header = HeaderKind::kCore},
             13,
             5,
             200},
        Case{"CoreRgb24", {.format = PixelFormat::kRgb24, .header = HeaderKind::kCore}, 13, 5, 0},
        Case{"NoFileHeaderIndexed4",
             {.format = PixelFormat::kIndexed4, .fileHeader = false},
             13,
             5,
             16},
        Case{"NoFileHeaderFields565",
             {.format = PixelFormat::kFields565, .fileHeader = false},
             13,
             5,
             0,
             Channels::k565},
        Case{"Width1023", Info(PixelFormat::kRgb24), 1023, 3, 0},
        Case{"TopDownRgb24", {.format = PixelFormat::kRgb24, .topDown = true}, 13, 5, 0},
        Case{"TopDownIndexed8", {.format = PixelFormat::kIndexed8, .topDown = true}, 13, 5, 200},
        Case{"HostSize", Info(PixelFormat::kRgb24), 64, 64, 0}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(Conversion, CoreHeaderGivesTheSameBytesAsItsInfoHeaderTwin) {
  const Picture picture = MakePicture(11, 4, 150, Channels::kFull);
  const TempFile core(
      EncodeBmp(picture, {.format = PixelFormat::kIndexed8, .header = HeaderKind::kCore}));
  const TempFile info(EncodeBmp(picture, {.format = PixelFormat::kIndexed8}));
  RecordingServices services;
  const auto fromCore = ReadBitmapImage(core.path(), services);
  const auto fromInfo = ReadBitmapImage(info.path(), services);
  ASSERT_NE(fromCore, nullptr);
  ASSERT_NE(fromInfo, nullptr);
  EXPECT_TRUE(
      std::equal(fromCore->data.get(), fromCore->data.get() + 11 * 4 * 3, fromInfo->data.get()));
}

// The picture the host writes: 64 by 64 grey, bright in the middle, black at the corners.
TEST(Conversion, HostSnowFlakePicture) {
  RecordingServices services;
  const std::string path = ProgramFolder() + "snow_flake.bmp";
  const auto record = LoadBitmapFile(path.c_str(), services);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->sizeX, 64);
  EXPECT_EQ(record->sizeY, 64);
  const auto at = [&](int x, int row) {
    const std::uint8_t* p = record->data.get() + (row * 64 + x) * 3;
    return Bytes(p, p + 3);
  };
  EXPECT_EQ(at(31, 31), (Bytes{226, 226, 226}));
  EXPECT_EQ(at(0, 0), (Bytes{0, 0, 0}));
  EXPECT_EQ(at(63, 63), (Bytes{0, 0, 0}));
}

// Every corpus file through the real conversion: good ones come back as pictures, malformed ones
// give their one message, and none of them upsets the system's converter.
TEST(Conversion, CorpusFilesGiveTheOutcomesTheirNamesAnnounce) {
  const std::string folder = ProgramFolder() + "bitmap_corpus\\";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.bmp").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  int files = 0;
  do {
    const std::string name = found.cFileName;
    SCOPED_TRACE(name);
    const std::string outcome = name.substr(0, name.find("--"));
    RecordingServices services;
    const auto record = ReadBitmapImage((folder + name).c_str(), services);
    if (outcome == "accept") {
      ASSERT_NE(record, nullptr);
      EXPECT_TRUE(services.messages.empty());
      EXPECT_GT(record->sizeX, 0);
      EXPECT_GT(record->sizeY, 0);
    } else {
      EXPECT_EQ(record, nullptr);
      const char* expected =
          outcome == "reject-format" ? "Unknown DIB file format." : "Image file conversion error.";
      EXPECT_EQ(services.messages, std::vector<std::string>{expected});
    }
    ++files;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_GE(files, 40);
}

}  // namespace
