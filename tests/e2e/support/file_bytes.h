#pragma once

#include <string>
#include <vector>

// The whole content of a file; empty when it cannot be read.
std::vector<char> ReadFileBytes(const std::wstring& path);

// Replaces the file's content with bytes, creating it when missing.
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

// True when path names an existing file or folder.
bool PathExists(const std::wstring& path);
