#include <windows.h>
// windows.h first: mmsystem.h needs its types.
#include <mmsystem.h>

#include "forms/ansi_text_win.h"
#include "forms/application_win.h"
#include "forms/on_demand_library_win.h"
#include "music/music_system_win.h"

namespace {

// What a command gets when the multimedia library itself cannot be loaded: the music module
// then reports it and goes on silent, as for a device that cannot be opened.
constexpr MCIERROR kNoLibraryError = MCIERR_CANNOT_LOAD_DRIVER;

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

// winmm is loaded when the music first needs it: the settings dialog plays nothing, and a saver
// with no music never needs it.
class SystemPort final : public MciPort {
 public:
  // Commands go in the ANSI code page; one that the code page cannot carry (a music file named
  // outside it) goes through the wide call, so the file still opens.
  Reply Send(std::wstring_view command, std::size_t replyChars) override {
    const UINT length = static_cast<UINT>(replyChars);
    if (const std::optional<std::string> ansi = EncodeAnsi(command)) {
      std::string buffer(replyChars, '\0');
      auto* send = library_.Find<decltype(mciSendStringA)>("mciSendStringA");
      const MCIERROR code =
          send ? send(ansi->c_str(), length ? buffer.data() : nullptr, length, nullptr)
               : kNoLibraryError;
      return {static_cast<std::int32_t>(code), DecodeAnsi(buffer)};
    }
    const std::wstring wide(command);
    std::wstring buffer(replyChars, L'\0');
    auto* send = library_.Find<decltype(mciSendStringW)>("mciSendStringW");
    const MCIERROR code =
        send ? send(wide.c_str(), length ? buffer.data() : nullptr, length, nullptr)
             : kNoLibraryError;
    return {static_cast<std::int32_t>(code), buffer};
  }

  std::optional<std::wstring> ErrorText(std::int32_t code, std::size_t bufferChars) override {
    std::string buffer(bufferChars, '\0');
    auto* errorText = library_.Find<decltype(mciGetErrorStringA)>("mciGetErrorStringA");
    if (errorText == nullptr ||
        !errorText(static_cast<MCIERROR>(code), buffer.data(), static_cast<UINT>(bufferChars))) {
      return std::nullopt;
    }
    return DecodeAnsi(buffer);
  }

  // Without the library there is no device to play on.
  std::uint32_t WaveOutputDevices() override {
    auto* count = library_.Find<decltype(waveOutGetNumDevs)>("waveOutGetNumDevs");
    return count ? count() : 0;
  }

  std::int32_t PlayLoopingSound(const std::wstring& file) override {
    if (const std::optional<std::string> ansi = EncodeAnsi(file)) {
      return PlayAnsi(ansi->c_str(), kLoopingSoundFlags);
    }
    auto* play = library_.Find<decltype(PlaySoundW)>("PlaySoundW");
    return play ? play(SoundFileName(file).c_str(), nullptr, kLoopingSoundFlags) : FALSE;
  }

  std::int32_t StopSound() override { return PlayAnsi(nullptr, 0); }

 private:
  BOOL PlayAnsi(const char* file, DWORD flags) {
    auto* play = library_.Find<decltype(PlaySoundA)>("PlaySoundA");
    return play ? play(file, nullptr, flags) : FALSE;
  }

  OnDemandLibrary library_{L"winmm.dll"};
};

}  // namespace

MciPort& SystemMciPort() {
  static SystemPort port;
  return port;
}
