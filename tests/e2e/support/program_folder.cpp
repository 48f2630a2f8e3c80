#include "program_folder.h"

#include <windows.h>

#include <chrono>
#include <vector>

#include "deadline.h"

namespace {

// Files of a program that has just ended can stay locked for a moment, so removal retries.
constexpr auto kRemovalTimeout = std::chrono::seconds(5);

bool RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
          SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  return RemoveDirectoryW(folder.c_str()) != FALSE ||
         GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::wstring ExecutableFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::wstring();
    if (length < buffer.size()) {
      std::wstring path(buffer.data(), length);
      return path.substr(0, path.find_last_of(L"\\/"));
    }
    buffer.resize(buffer.size() * 2);
  }
}

ProgramFolder::ProgramFolder() {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) return;
  std::wstring base(temp, length);
  if (base.back() == L'\\') base.pop_back();
  // Process id and tick count keep parallel and repeated runs apart; the counter settles the rare
  // leftover of a crashed run with the same name.
  const std::wstring stem = base + L"\\driftmantle-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                            L"-" + std::to_wstring(GetTickCount64());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring candidate = stem + L"-" + std::to_wstring(attempt);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

ProgramFolder::~ProgramFolder() {
  if (path_.empty()) return;
  PollUntil(
      kRemovalTimeout, [this] { return RemoveTree(path_); }, std::chrono::milliseconds(100));
}

std::wstring ProgramFolder::PathOf(const std::wstring& fileName) const {
  return path_ + L"\\" + fileName;
}

unsigned long ProgramFolder::Install(const std::wstring& fileName) const {
  if (path_.empty()) return ERROR_PATH_NOT_FOUND;
  const std::wstring source = ExecutableFolder() + L"\\" + fileName;
  if (!CopyFileW(source.c_str(), PathOf(fileName).c_str(), TRUE)) return GetLastError();
  return ERROR_SUCCESS;
}

bool FolderExists(const wchar_t* path) {
  const DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
