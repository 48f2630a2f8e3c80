#include "startup/start_arguments.h"

#include "forms/number_text.h"
#include "forms/text_rules.h"

namespace {
constexpr std::size_t kModeLetterPosition = 2;     // 1-based
constexpr std::size_t kPreviewHandlePosition = 4;  // 1-based
}  // namespace

wchar_t ModeLetter(std::wstring_view argumentText) {
  const std::wstring letter = UpperCase(MiddleChars(argumentText, kModeLetterPosition, 1));
  return letter.empty() ? L'\0' : letter.front();
}

std::int32_t PreviewHandle(std::wstring_view argumentText) {
  const double number = ReadLeadingNumber(MiddleChars(argumentText, kPreviewHandlePosition));
  return ToInteger32(number).value_or(0);
}

StartRequest DecideStart(std::wstring_view argumentText) {
  switch (ModeLetter(argumentText)) {
    case L'P':
      return {StartMode::kPreview, PreviewHandle(argumentText)};
    case L'C':
      return {StartMode::kSettings, 0};
    case L'S':
      return {StartMode::kSaverHidingCursor, 0};
    default:
      break;
  }
  if (argumentText.empty()) return {StartMode::kSaverKeepingCursor, 0};
  return {StartMode::kCheckThenEnd, 0};
}
