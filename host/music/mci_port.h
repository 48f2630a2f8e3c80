#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The system's multimedia services as the music module uses them: MCI command strings, MCI error
// texts, the wave output devices and one looping sound. Text is wide here; the system's half
// decides how it reaches the system.
class MciPort {
 public:
  struct Reply {
    std::int32_t code;    // the MCI error code, 0 on success
    std::wstring buffer;  // the reply buffer as the call left it, NULs and all
  };

  // Sends one command string with a reply buffer of replyChars characters (0: no buffer).
  virtual Reply Send(std::wstring_view command, std::size_t replyChars) = 0;
  // The system's text for an MCI error code, given a buffer of bufferChars characters, as the
  // call left that buffer; nullopt when the system has no text for the code.
  virtual std::optional<std::wstring> ErrorText(std::int32_t code, std::size_t bufferChars) = 0;
  virtual std::uint32_t WaveOutputDevices() = 0;
  // Starts the file looping in the background in place of any sound started here before; the
  // system's result, non-zero when the sound was accepted.
  virtual std::int32_t PlayLoopingSound(const std::wstring& file) = 0;
  // Stops the looping sound; the system's result.
  virtual std::int32_t StopSound() = 0;

 protected:
  ~MciPort() = default;
};
