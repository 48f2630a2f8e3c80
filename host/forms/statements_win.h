#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "scoped_handle_win.h"

// The host's plain statements. Each reports failure only as a false result: the host's
// procedures run on whatever the previous statement did.
bool CreateFolder(const std::wstring& path);
// A program started by StartProgram; holds its process handle so the caller can tell whether it
// still runs.
class StartedProgram {
 public:
  StartedProgram() = default;
  explicit StartedProgram(ScopedHandle process) : process_(std::move(process)) {}

  bool started() const { return process_.valid(); }
  // False once the program has ended, and for one that never started.
  bool Running() const;
  // The program's exit code once it has ended, waiting for that up to the given time; nothing
  // while it runs, and for one that never started.
  std::optional<std::uint32_t> ExitCodeWithin(std::chrono::milliseconds wait) const;

 private:
  ScopedHandle process_;
};

// Starts the file as a new process with the argument text (none when empty), shown normally and
// activated (allowed to bring its window to the front), judged by its contents and not its
// extension; does not wait for it.
StartedProgram StartProgram(const std::wstring& path, const std::wstring& argumentText = {});
// A message box with an OK button only and no icon, captioned with the application title.
void ShowMessage(const std::wstring& text);
// Ends the program at once: no further handler runs.
[[noreturn]] void EndProgram();
