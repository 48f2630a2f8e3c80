#include "settings/profile_text.h"

#include <vector>

namespace {

constexpr char kLineBreak[] = "\r\n";

struct Line {
  std::size_t begin;  // first byte
  std::size_t end;    // the line break, or the end of the file
  std::size_t next;   // first byte of the following line
};

bool IsCp932LeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  bool trailByte = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (trailByte) {
      if (a[i] != b[i]) return false;
      trailByte = false;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    trailByte = IsCp932LeadByte(a[i]);
  }
  return true;
}

// A line ends at CR LF, LF or a lone CR.
std::vector<Line> SplitLines(std::string_view file) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < file.size()) {
    std::size_t end = file.find_first_of(kLineBreak, begin);
    if (end == std::string_view::npos) end = file.size();
    std::size_t next = end;
    if (end < file.size()) {
      next = end + 1;
      if (file[end] == '\r' && next < file.size() && file[next] == '\n') ++next;
    }
    lines.push_back({begin, end, next});
    begin = next;
  }
  return lines;
}

std::string_view LineText(std::string_view file, const Line& line) {
  return Trim(file.substr(line.begin, line.end - line.begin));
}

// The section name of a "[name]" line; nullopt for every other line.
std::optional<std::string_view> SectionName(std::string_view text) {
  if (text.empty() || text.front() != '[') return std::nullopt;
  text.remove_prefix(1);
  return Trim(text.substr(0, text.find(']')));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Index of the first "[section]" line, or lines.size().
std::size_t FindSection(std::string_view file, const std::vector<Line>& lines,
                        std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(LineText(file, lines[i]));
    if (name && SameName(*name, section)) return i;
  }
  return lines.size();
}

bool EndsWithLineBreak(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

std::string EntryLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line.push_back('=');
  line.append(value);
  return line;
}

std::string AppendSection(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view value) {
  std::string edited(file);
  if (!edited.empty() && !EndsWithLineBreak(edited)) edited += kLineBreak;
  edited += "[";
  edited.append(section);
  edited += "]";
  edited += kLineBreak;
  edited += EntryLine(key, value) + kLineBreak;
  return edited;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key) {
  const std::vector<Line> lines = SplitLines(file);
  for (std::size_t i = FindSection(file, lines, section) + 1; i < lines.size(); ++i) {
    const std::string_view text = LineText(file, lines[i]);
    if (SectionName(text)) break;
    const auto entry = EntryOf(text);
    if (entry && SameName(entry->key, key)) return std::string(WithoutQuotes(entry->value));
  }
  return std::nullopt;
}

std::string SetProfileValue(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view value) {
  const std::vector<Line> lines = SplitLines(file);
  const std::size_t header = FindSection(file, lines, section);
  if (header == lines.size()) return AppendSection(file, section, key, value);
  std::size_t insertAt = lines[header].next;
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    const std::string_view text = LineText(file, lines[i]);
    if (SectionName(text)) break;
    const auto entry = EntryOf(text);
    if (entry && SameName(entry->key, key)) {
      // The key keeps the spelling it has in the file.
      std::string edited(file.substr(0, lines[i].begin));
      edited += EntryLine(entry->key, value);
      edited.append(file.substr(lines[i].end));
      return edited;
    }
    if (!text.empty()) insertAt = lines[i].next;
  }
  std::string edited(file.substr(0, insertAt));
  if (!edited.empty() && !EndsWithLineBreak(edited)) edited += kLineBreak;
  edited += EntryLine(key, value) + kLineBreak;
  edited.append(file.substr(insertAt));
  return edited;
}

std::string_view CutProfileName(std::string_view name, std::size_t maxCharacters) {
  name = name.substr(0, name.find('\0'));
  std::size_t end = 0;
  for (std::size_t characters = 0; end < name.size() && characters < maxCharacters; ++characters) {
    end += IsCp932LeadByte(name[end]) && end + 1 < name.size() ? 2 : 1;
  }
  return name.substr(0, end);
}
