// Settings files as users leave them: any bytes at all, read for the music keys and then edited,
// as bytes and as the text of a UTF-16 file. An edit must always read back as the value written,
// whatever the rest of the file holds, and a UTF-16 file left as it is keeps every byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/profile_encoding.h"
#include "settings/profile_text.h"

namespace {

constexpr std::string_view kSection = "Section";
constexpr std::string_view kKeys[] = {"BGM\x8B\xE6\x95\xAA", "BGM\xD8\xCB\xDF\xB0\xC4",
                                      "BGM\xCC\xA7\xB2\xD9"};
constexpr std::u16string_view kUtf16Key = u"BGM\u533a\u5206";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  for (std::string_view key : kKeys) FindProfileValue(file, kSection, key);

  // The value the settings dialog would write: a number with its sign position.
  const std::string edited = SetProfileValue(file, kSection, kKeys[0], " 2");
  const std::optional<std::string> readBack = FindProfileValue(edited, kSection, kKeys[0]);
  if (!readBack || *readBack != "2") std::abort();

  for (const ProfileEncoding encoding :
       {ProfileEncoding::kUtf16LittleEndian, ProfileEncoding::kUtf16BigEndian}) {
    const auto unchanged = [](std::u16string_view text) { return std::u16string(text); };
    if (size >= 2 && EditUtf16File(file, encoding, unchanged) != file) std::abort();
    const std::u16string text = Utf16TextOf(file, encoding);
    const std::u16string editedText = SetProfileValue(text, u"Section", kUtf16Key, u" 2");
    const std::optional<std::u16string> readBackText =
        FindProfileValue(editedText, u"Section", kUtf16Key);
    if (!readBackText || *readBackText != u"2") std::abort();
  }
  return 0;
}
