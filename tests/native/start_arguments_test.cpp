#include <gtest/gtest.h>

#include "start_arguments.h"

namespace {

struct ArgumentCase {
  const wchar_t* text;
  StartMode mode;
  std::int32_t previewHandle;
};

// The arguments the system passes, and the ones it never does but a user might type.
const ArgumentCase kArgumentTable[] = {
    {L"/s", StartMode::kSaverHidingCursor, 0},
    {L"/S", StartMode::kSaverHidingCursor, 0},
    {L"-s", StartMode::kSaverHidingCursor, 0},
    {L"xs", StartMode::kSaverHidingCursor, 0},
    {L"/s extra", StartMode::kSaverHidingCursor, 0},
    {L"", StartMode::kSaverKeepingCursor, 0},
    {L"/", StartMode::kCheckThenEnd, 0},
    {L" ", StartMode::kCheckThenEnd, 0},
    {L"s", StartMode::kCheckThenEnd, 0},
    {L"/c", StartMode::kSettings, 0},
    {L"/c:1234", StartMode::kSettings, 0},
    {L"-C", StartMode::kSettings, 0},
    {L"/a", StartMode::kCheckThenEnd, 0},
    {L"/x", StartMode::kCheckThenEnd, 0},
    {L"//s", StartMode::kCheckThenEnd, 0},
    {L"/p 1234", StartMode::kPreview, 1234},
    {L"/p:1234", StartMode::kPreview, 1234},
    {L"/P 1234", StartMode::kPreview, 1234},
    {L"/p1234", StartMode::kPreview, 234},
    {L"/p   77", StartMode::kPreview, 77},
    {L"/p", StartMode::kPreview, 0},
    {L"/p abc", StartMode::kPreview, 0},
    {L"/p 12x4", StartMode::kPreview, 12},
    {L"/p 2147483647", StartMode::kPreview, 2147483647},
    {L"/p 2147483648", StartMode::kPreview, 0},
    {L"/p -42", StartMode::kPreview, -42},
    {L"/p 12.5", StartMode::kPreview, 12},
    {L"/p 13.5", StartMode::kPreview, 14},
    {L"/p &H1F", StartMode::kPreview, 31},
    {L"/p &h1f", StartMode::kPreview, 31},
};

}  // namespace

TEST(StartArguments, ArgumentTableGivesModeAndPreviewHandle) {
  for (const ArgumentCase& c : kArgumentTable) {
    SCOPED_TRACE(testing::Message() << "argument text of " << std::wstring(c.text).size()
                                    << " characters: " << testing::PrintToString(c.text));
    const StartRequest request = DecideStart(c.text);
    EXPECT_EQ(request.mode, c.mode);
    EXPECT_EQ(request.previewHandle, c.previewHandle);
  }
}

// Characters, not bytes: a first character outside ASCII still leaves the letter second.
TEST(StartArguments, ModeLetterIsTheSecondCharacterUpperCased) {
  EXPECT_EQ(ModeLetter(L"/s"), L'S');
  EXPECT_EQ(ModeLetter(L"xp"), L'P');
  EXPECT_EQ(ModeLetter(L"/\u00e9"), L'\u00c9');
  EXPECT_EQ(ModeLetter(L"\u6c37s"), L'S');
  EXPECT_EQ(ModeLetter(L"/"), L'\0');
  EXPECT_EQ(ModeLetter(L""), L'\0');
  EXPECT_EQ(PreviewHandle(L"/c:99"), 99);
  EXPECT_EQ(PreviewHandle(L"/p "), 0);
}
