#include "child_process.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace {
constexpr DWORD kTerminationWaitMilliseconds = 5000;
}

ChildProcess::~ChildProcess() { Release(); }

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : info_(std::exchange(other.info_, PROCESS_INFORMATION{})), startError_(other.startError_) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Release();
    info_ = std::exchange(other.info_, PROCESS_INFORMATION{});
    startError_ = other.startError_;
  }
  return *this;
}

ChildProcess ChildProcess::Start(const std::wstring& program, const std::wstring& arguments,
                                 const std::wstring& workingFolder) {
  // CreateProcessW may write into the command line, so it gets a private copy.
  std::wstring text = L"\"" + program + L"\"";
  if (!arguments.empty()) text += L" " + arguments;
  std::vector<wchar_t> commandLine(text.begin(), text.end());
  commandLine.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  ChildProcess child;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                      &child.info_)) {
    child.startError_ = GetLastError();
    child.info_ = PROCESS_INFORMATION{};
  }
  return child;
}

bool ChildProcess::Running() const {
  return started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForInputIdle(std::chrono::milliseconds timeout) const {
  return started() && ::WaitForInputIdle(info_.hProcess, static_cast<DWORD>(timeout.count())) == 0;
}

std::optional<DWORD> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const {
  if (!started()) return std::nullopt;
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
  return code;
}

namespace {

std::chrono::microseconds KernelPlusUser(const FILETIME& kernel, const FILETIME& user) {
  const auto hundredNs = [](const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return std::chrono::microseconds((hundredNs(kernel) + hundredNs(user)) / 10);
}

}  // namespace

std::optional<std::chrono::microseconds> ChildProcess::CpuTime() const {
  FILETIME created, exited, kernel, user;
  if (!started() || !GetProcessTimes(info_.hProcess, &created, &exited, &kernel, &user)) {
    return std::nullopt;
  }
  return KernelPlusUser(kernel, user);
}

std::optional<std::chrono::microseconds> ChildProcess::FirstThreadCpuTime() const {
  FILETIME created, exited, kernel, user;
  if (!started() || !GetThreadTimes(info_.hThread, &created, &exited, &kernel, &user)) {
    return std::nullopt;
  }
  return KernelPlusUser(kernel, user);
}

void ChildProcess::Release() {
  if (info_.hProcess == nullptr) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, kTerminatedExitCode);
    WaitForSingleObject(info_.hProcess, kTerminationWaitMilliseconds);
  }
  // CreateProcessW opens the process before its first thread; they are closed the other way round.
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  info_ = PROCESS_INFORMATION{};
}
