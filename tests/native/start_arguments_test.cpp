#include <gtest/gtest.h>

#include "startup/start_arguments.h"

namespace {

struct ArgumentCase {
  const wchar_t* text;
  StartMode mode;
  std::int32_t previewHandle;
};

constexpr StartMode kSaver = StartMode::kSaverHidingCursor;
constexpr StartMode kPreview = StartMode::kPreview;
constexpr StartMode kEnd = StartMode::kCheckThenEnd;

const ArgumentCase kArgumentTable[] = {
    {L"/s", kSaver, 0},
    {L"/S", kSaver, 0},
    {L"-s", kSaver, 0},
    {L"xs", kSaver, 0},
    {L"\u6c37s", kSaver, 0},  // the second character, not the second byte
    {L"", StartMode::kSaverKeepingCursor, 0},
    {L"/", kEnd, 0},
    {L"s", kEnd, 0},
    {L"/a", kEnd, 0},
    {L"//s", kEnd, 0},
    {L"/c", StartMode::kSettings, 0},
    {L"/c:1234", StartMode::kSettings, 0},
    {L"/p 1234", kPreview, 1234},
    {L"/p:1234", kPreview, 1234},
    {L"/P  77", kPreview, 77},
    {L"/p1234", kPreview, 234},
    {L"/p", kPreview, 0},
    {L"/p abc", kPreview, 0},
    {L"/p 12x4", kPreview, 12},
    {L"/p 2147483648", kPreview, 0},
    {L"/p -42", kPreview, -42},
    {L"/p 12.5", kPreview, 12},
    {L"/p 13.5", kPreview, 14},
    {L"/p &h1f", kPreview, 31},
};

}  // namespace

TEST(StartArguments, ArgumentTableGivesModeAndPreviewHandle) {
  for (const ArgumentCase& c : kArgumentTable) {
    const StartRequest request = DecideStart(c.text);
    EXPECT_EQ(request.mode, c.mode) << testing::PrintToString(c.text);
    EXPECT_EQ(request.previewHandle, c.previewHandle) << testing::PrintToString(c.text);
  }
}
