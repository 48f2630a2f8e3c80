#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

// A program started the way a user or the host starts it, owned by the test: if the test ends
// early the process is terminated rather than left running into the next test. Handles are
// closed in the destructor in either case.
class ChildProcess {
 public:
  // Exit code given to a process that the guard had to terminate; no program of ours uses it.
  static constexpr DWORD kTerminatedExitCode = 0xDEAD;

  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts program (a full path) with the given argument text in workingFolder. The program's
  // file name decides nothing: any image Windows can run is started.
  static ChildProcess Start(const std::wstring& program, const std::wstring& arguments,
                            const std::wstring& workingFolder);

  bool started() const { return info_.hProcess != nullptr; }
  // The Win32 error of a failed start.
  DWORD startError() const { return startError_; }
  DWORD id() const { return info_.dwProcessId; }
  bool Running() const;
  // Waits until the process has shown it waits for input with none pending; false if it had not
  // within the timeout, or it is no program with windows.
  bool WaitForInputIdle(std::chrono::milliseconds timeout) const;
  // The exit code once the process has ended within the timeout; nothing if it still runs.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
  // Processor time the process has used so far, user and kernel, over all its threads.
  std::optional<std::chrono::microseconds> CpuTime() const;
  // The same for its first thread alone, which a process can never have used less than.
  std::optional<std::chrono::microseconds> FirstThreadCpuTime() const;

 private:
  void Release();

  PROCESS_INFORMATION info_{};
  DWORD startError_ = 0;
};
