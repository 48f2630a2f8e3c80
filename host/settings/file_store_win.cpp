#include <windows.h>

#include "forms/ansi_text_win.h"
#include "scoped_handle_win.h"
#include "settings/file_replace_win.h"
#include "settings/settings_system_win.h"

namespace {

constexpr DWORD kReadChunkBytes = 64 * 1024;

// NOTE: a path on a drive without a disk would otherwise ask the user to insert one, in a box
// that nobody sees while the saver runs.
class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~NoCriticalErrorBoxes() { SetThreadErrorMode(previous_, nullptr); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  DWORD previous_ = 0;
};

HANDLE OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                DWORD flags) {
  return CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

// Reads from the current position to the end; false when a read fails.
bool ReadRest(HANDLE file, std::string& content) {
  std::string chunk(kReadChunkBytes, '\0');
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, chunk.data(), kReadChunkBytes, &got, nullptr)) return false;
    if (got == 0) return true;
    content.append(chunk.data(), got);
  }
}

class SystemFiles final : public FileStore {
 public:
  std::optional<std::string> ReadWholeFile(const std::wstring& path) const override {
    const NoCriticalErrorBoxes quiet;
    // Shared with a replace as well, so that a read never makes another program's edit fail.
    const ScopedHandle file(OpenFile(path, GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN));
    std::string content;
    if (!file.valid() || !ReadRest(file.get(), content)) return std::nullopt;
    return content;
  }

  // The file stays open from the read to the replace, shared only with readers and with the
  // replace's rename, so that no other writer slips in between. A program that holds it without
  // sharing those makes the edit fail.
  bool EditFile(const std::wstring& path, const FileEdit& edit) override {
    const NoCriticalErrorBoxes quiet;
    const ScopedHandle file(OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN));
    std::string current;
    if (file.valid() ? !ReadRest(file.get(), current) : GetLastError() != ERROR_FILE_NOT_FOUND) {
      return false;
    }
    return ReplaceWholeFile(path, file.valid() ? FileNow::Present : FileNow::Missing,
                            edit(current));
  }

  // Opened as a program opens a file for input: sharing it with readers and writers. A folder
  // cannot be opened this way.
  bool CanOpenForReading(const std::wstring& path) const override {
    const NoCriticalErrorBoxes quiet;
    const ScopedHandle file(OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN));
    return file.valid();
  }
};

class SystemAnsiCodePage final : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override { return DecodeAnsi(bytes); }

  std::string Encode(std::wstring_view text) const override { return EncodeAnsiLossy(text); }

  bool IsLeadByte(char byte) const override {
    return IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
  }
};

}  // namespace

FileStore& SystemFileStore() {
  static SystemFiles files;
  return files;
}

const AnsiCodePage& SystemCodePage() {
  static const SystemAnsiCodePage codePage;
  return codePage;
}

ProfileAccess SystemProfileAccess() { return {SystemFileStore(), SystemCodePage()}; }
