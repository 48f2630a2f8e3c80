// Settings files as users leave them: any bytes at all, read for the music keys and then edited.
// An edit must always read back as the value written, whatever the rest of the file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/profile_text.h"

namespace {

constexpr std::string_view kSection = "Section";
constexpr std::string_view kKeys[] = {"BGM\x8B\xE6\x95\xAA", "BGM\xD8\xCB\xDF\xB0\xC4",
                                      "BGM\xCC\xA7\xB2\xD9"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  for (std::string_view key : kKeys) FindProfileValue(file, kSection, key);

  // The value the settings dialog would write: a number with its sign position.
  const std::string edited = SetProfileValue(file, kSection, kKeys[0], " 2");
  const std::optional<std::string> readBack = FindProfileValue(edited, kSection, kKeys[0]);
  if (!readBack || *readBack != "2") std::abort();
  return 0;
}
