// Every way the reader can fail: the message the user sees, no picture, and everything the read
// acquired given back.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bmp_encoder.h"
#include "recording_services.h"
#include "shared_names.h"
#include "temp_file.h"
#include "texture.h"

namespace {

using Step = RecordingServices::Step;
using Messages = std::vector<std::string>;

std::vector<std::uint8_t> SmallPicture() {
  Picture picture(5, 3);
  picture.At(0, 0) = {9, 8, 7};
  return EncodeBmp(picture, {.format = PixelFormat::kIndexed4});
}

// Deleting succeeds only once no handle, mapping or view of the file is left open.
void ExpectReleased(const char* path, const RecordingServices& services) {
  EXPECT_TRUE(DeleteFileA(path)) << "file still in use, error " << GetLastError();
  if (services.context != nullptr) {
    EXPECT_EQ(GetObjectType(services.context), 0u);
  }
  if (services.section != nullptr) {
    EXPECT_EQ(GetObjectType(services.section), 0u);
  }
}

struct StepCase {
  const char* name;
  Step step;
  const char* message;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class FailingStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(FailingStep, ShowsItsMessageAndReleasesEverything) {
  const TempFile file(SmallPicture());
  RecordingServices services;
  services.failAt = GetParam().step;
  EXPECT_EQ(ReadBitmapImage(file.path(), services), nullptr);
  EXPECT_EQ(services.messages, Messages{GetParam().message});
  ExpectReleased(file.path(), services);
}

INSTANTIATE_TEST_SUITE_P(
    FailureTable, FailingStep,
    ::testing::Values(StepCase{"WorkingHeader", Step::kWorkingHeader, "Out of memory."},
                      StepCase{"MemoryContext", Step::kMemoryContext, "Out of memory."},
                      StepCase{"TargetHeader", Step::kTargetHeader, "Out of memory."},
                      StepCase{"Section", Step::kSection, "Out of memory."},
                      StepCase{"Select", Step::kSelect, "Out of memory."},
                      StepCase{"Convert", Step::kConvert, "Image file conversion error."},
                      StepCase{"Pixels", Step::kPixels, "Out of memory."},
                      StepCase{"Record", Step::kRecord, "Out of memory."}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(ReadBitmapImage, SuccessShowsNothingAndReleasesEverything) {
  const TempFile file(SmallPicture());
  RecordingServices services;
  const auto record = ReadBitmapImage(file.path(), services);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->data[0], 9);  // bottom-left pixel, red first
  EXPECT_TRUE(services.messages.empty());
  ExpectReleased(file.path(), services);
}

TEST(ReadBitmapImage, HeadersOfLaterVersionsAreAnUnknownFormat) {
  for (std::uint32_t size : {108u, 124u}) {
    std::vector<std::uint8_t> bytes = SmallPicture();
    for (int i = 0; i < 4; ++i) bytes[14 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    const TempFile file(bytes);
    RecordingServices services;
    EXPECT_EQ(ReadBitmapImage(file.path(), services), nullptr);
    EXPECT_EQ(services.messages, Messages{"Unknown DIB file format."}) << size;
    ExpectReleased(file.path(), services);
  }
}

TEST(ReadBitmapImage, FileShorterThanItsRowsIsAConversionError) {
  std::vector<std::uint8_t> bytes = SmallPicture();
  bytes.pop_back();
  const TempFile file(bytes);
  RecordingServices services;
  EXPECT_EQ(ReadBitmapImage(file.path(), services), nullptr);
  EXPECT_EQ(services.messages, Messages{"Image file conversion error."});
  // Rejected before any conversion was attempted.
  EXPECT_EQ(services.context, nullptr);
  ExpectReleased(file.path(), services);
}

TEST(ReadBitmapImage, FileThatCannotBeOpenedNamesItsPath) {
  RecordingServices services;
  EXPECT_EQ(ReadBitmapImage("c:\\no such folder\\x.bmp", services), nullptr);
  EXPECT_EQ(services.messages, Messages{"Failed to open DIB file c:\\no such folder\\x.bmp.\n"});
}

TEST(ReadBitmapImage, NothingIsShownWhileErrorBoxesAreOff) {
  RecordingServices services;
  EXPECT_EQ(ReadBitmapImage("c:\\no such folder\\x.bmp", services, ErrorBoxes::kHidden), nullptr);
  EXPECT_TRUE(services.messages.empty());
}

TEST(LoadBitmapFile, MissingFileIsSilent) {
  RecordingServices services;
  EXPECT_EQ(LoadBitmapFile("c:\\no such folder\\x.bmp", services), nullptr);
  EXPECT_EQ(LoadBitmapFile(nullptr, services), nullptr);
  EXPECT_TRUE(services.messages.empty());
}

// An empty working bitmap opens for the C library but cannot be mapped. Whatever working bitmap
// the machine had is put back afterwards.
TEST(LoadBitmapFile, EmptyWorkingBitmapCannotBeOpenedAsAPicture) {
  std::ifstream previous(kWorkingBitmap, std::ios::binary);
  const std::vector<char> saved{std::istreambuf_iterator<char>(previous), {}};
  const bool hadFile = previous.is_open();
  previous.close();
  const bool madeFolder = CreateDirectoryA("c:\\b_lorn", nullptr) != FALSE;
  std::ofstream(kWorkingBitmap, std::ios::binary | std::ios::trunc).close();
  RecordingServices services;
  EXPECT_EQ(LoadBitmapFile(kWorkingBitmap, services, ErrorBoxes::kHidden), nullptr);
  EXPECT_EQ(LoadBitmapFile(kWorkingBitmap, services), nullptr);
  EXPECT_EQ(services.messages, Messages{"Failed to open DIB file c:\\b_lorn\\Driftmantle.bmp.\n"});
  ExpectReleased(kWorkingBitmap, services);
  if (hadFile) {
    std::ofstream(kWorkingBitmap, std::ios::binary).write(saved.data(), std::ssize(saved));
  }
  if (madeFolder) RemoveDirectoryA("c:\\b_lorn");
}

}  // namespace
