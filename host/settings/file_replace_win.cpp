#include "settings/file_replace_win.h"

#include <windows.h>

#include <algorithm>

#include "host_paths.h"
#include "scoped_handle_win.h"

namespace {

constexpr DWORD kWriteChunkBytes = 64 * 1024;
// The first three characters of the fresh names: "iniXXXX.tmp", four hexadecimal digits.
constexpr wchar_t kFreshNamePrefix[] = L"ini";

// A file made under a fresh name in a folder, deleted when this goes unless kept.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::wstring& folder) {
    wchar_t name[MAX_PATH] = {};
    if (GetTempFileNameW(folder.c_str(), kFreshNamePrefix, 0, name) != 0) path_ = name;
  }
  ~TemporaryFile() {
    if (made()) DeleteFileW(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool made() const { return !path_.empty(); }
  const wchar_t* path() const { return path_.c_str(); }
  void Keep() { path_.clear(); }

 private:
  std::wstring path_;
};

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(content.size(), kWriteChunkBytes));
    DWORD written = 0;
    if (!WriteFile(file, content.data(), wanted, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

// Flushed before it is closed: a rename must not put in place a file whose data a power cut
// could still take back.
bool WriteAndFlush(const wchar_t* path, std::string_view content) {
  ScopedHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && WriteAll(file.get(), content) && FlushFileBuffers(file.get()) &&
         file.Close();
}

// NOTE: ReplaceFile renames the old file away, and a rename does not look at the read-only
// attribute: a read-only file is refused here, as is one whose attributes cannot be read.
bool IsReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The old file goes to a backup name rather than away: when the new one then cannot take its
// place, the old one is put back instead of being lost with the system's own temporary name.
bool ReplacePresent(const std::wstring& path, TemporaryFile& replacement,
                    const std::wstring& folder) {
  TemporaryFile backup(folder);
  if (!backup.made()) return false;
  if (ReplaceFileW(path.c_str(), replacement.path(), backup.path(), 0, nullptr, nullptr)) {
    replacement.Keep();
    return true;
  }
  if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
      !MoveFileExW(backup.path(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
    backup.Keep();  // the earlier settings now live only there
  }
  return false;
}

}  // namespace

bool ReplaceWholeFile(const std::wstring& path, FileNow now, std::string_view content) {
  if (now == FileNow::Present && IsReadOnly(path)) return false;
  // With a backslash, so that a drive's root C:\ is not taken for the drive's current folder C:.
  const std::wstring folder = FolderOf(path) + L"\\";
  TemporaryFile replacement(folder);
  if (!replacement.made() || !WriteAndFlush(replacement.path(), content)) return false;
  if (now == FileNow::Present) return ReplacePresent(path, replacement, folder);
  // Not MOVEFILE_REPLACE_EXISTING: a file another program made meanwhile is not ours to drop.
  if (!MoveFileExW(replacement.path(), path.c_str(), MOVEFILE_WRITE_THROUGH)) return false;
  replacement.Keep();
  return true;
}
