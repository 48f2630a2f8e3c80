#pragma once

#include <string>
#include <string_view>

// Whether a file is there to be replaced; its caller holds it open, shared for reading and
// deleting only, so that no other writer changes it before the replace.
enum class FileNow { Missing, Present };

// Puts content in place of the file at path in one step: it is written whole under a fresh name
// in the same folder first, so that a write that fails part way (a full disk, a share that
// drops) leaves the file as it was, and no file of its own behind. A file that is now there
// must not be read-only; one that was missing must still be. False when nothing changed.
bool ReplaceWholeFile(const std::wstring& path, FileNow now, std::string_view content);
