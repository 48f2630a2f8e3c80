#include <windows.h>
// windows.h first: mmsystem.h needs its types.
#include <mmsystem.h>

#include "forms/ansi_text_win.h"
#include "forms/application_win.h"
#include "music/music_system_win.h"

namespace {

// NOTE: a sound that cannot be found would otherwise be replaced by the system's default sound,
// and SND_LOOP would repeat that for the whole run.
constexpr DWORD kLoopingSoundFlags = SND_ASYNC | SND_LOOP | SND_NODEFAULT;

// A name for the file that the sound service can open. NOTE: Wine's wave file reader opens files
// through the ANSI code page even when given a wide name; the short name gets past that and, where
// a volume keeps no short names, the wide long name still works on Windows.
std::wstring SoundFileName(const std::wstring& file) {
  const std::wstring shortName = ShortPathOf(file);
  return shortName.empty() ? file : shortName;
}

class SystemPort final : public MciPort {
 public:
  // Commands go in the ANSI code page; one that the code page cannot carry (a music file named
  // outside it) goes through the wide call, so the file still opens.
  Reply Send(std::wstring_view command, std::size_t replyChars) override {
    const UINT length = static_cast<UINT>(replyChars);
    if (const std::optional<std::string> ansi = EncodeAnsi(command)) {
      std::string buffer(replyChars, '\0');
      const MCIERROR code =
          mciSendStringA(ansi->c_str(), length ? buffer.data() : nullptr, length, nullptr);
      return {static_cast<std::int32_t>(code), DecodeAnsi(buffer)};
    }
    const std::wstring wide(command);
    std::wstring buffer(replyChars, L'\0');
    const MCIERROR code =
        mciSendStringW(wide.c_str(), length ? buffer.data() : nullptr, length, nullptr);
    return {static_cast<std::int32_t>(code), buffer};
  }

  std::optional<std::wstring> ErrorText(std::int32_t code, std::size_t bufferChars) override {
    std::string buffer(bufferChars, '\0');
    if (!mciGetErrorStringA(static_cast<MCIERROR>(code), buffer.data(),
                            static_cast<UINT>(bufferChars))) {
      return std::nullopt;
    }
    return DecodeAnsi(buffer);
  }

  std::uint32_t WaveOutputDevices() override { return waveOutGetNumDevs(); }

  std::int32_t PlayLoopingSound(const std::wstring& file) override {
    if (const std::optional<std::string> ansi = EncodeAnsi(file)) {
      return PlaySoundA(ansi->c_str(), nullptr, kLoopingSoundFlags);
    }
    return PlaySoundW(SoundFileName(file).c_str(), nullptr, kLoopingSoundFlags);
  }

  std::int32_t StopSound() override { return PlaySoundA(nullptr, nullptr, 0); }
};

}  // namespace

MciPort& SystemMciPort() {
  static SystemPort port;
  return port;
}
