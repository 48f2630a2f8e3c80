#include "settings/profile_text.h"

#include <vector>

namespace {

// The same rules serve a file of code page 932 bytes and a file of UTF-16 units; only the former
// has double-byte characters.
template <typename Char>
using Text = std::basic_string_view<Char>;

template <typename Char>
constexpr Char kLineBreak[] = {'\r', '\n', '\0'};

struct Line {
  std::size_t begin;  // first unit
  std::size_t end;    // the line break, or the end of the file
  std::size_t next;   // first unit of the following line
};

bool IsLeadUnit(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A surrogate pair has no letters to fold, so it needs no pairing here.
bool IsLeadUnit(char16_t) { return false; }

template <typename Char>
bool IsBlank(Char c) {
  return c == ' ' || c == '\t';
}

template <typename Char>
Char AsciiLower(Char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <typename Char>
Text<Char> Trim(Text<Char> text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

template <typename Char>
bool SameName(Text<Char> a, Text<Char> b) {
  if (a.size() != b.size()) return false;
  bool trailByte = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (trailByte) {
      if (a[i] != b[i]) return false;
      trailByte = false;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    trailByte = IsLeadUnit(a[i]);
  }
  return true;
}

// A line ends at CR LF, LF or a lone CR.
template <typename Char>
std::vector<Line> SplitLines(Text<Char> file) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < file.size()) {
    std::size_t end = file.find_first_of(kLineBreak<Char>, begin);
    if (end == Text<Char>::npos) end = file.size();
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

template <typename Char>
Text<Char> LineText(Text<Char> file, const Line& line) {
  return Trim(file.substr(line.begin, line.end - line.begin));
}

// The section name of a "[name]" line; nullopt for every other line.
template <typename Char>
std::optional<Text<Char>> SectionName(Text<Char> text) {
  if (text.empty() || text.front() != '[') return std::nullopt;
  text.remove_prefix(1);
  return Trim(text.substr(0, text.find(']')));
}

template <typename Char>
struct Entry {
  Text<Char> key;
  Text<Char> value;
};

template <typename Char>
std::optional<Entry<Char>> EntryOf(Text<Char> text) {
  const std::size_t equals = text.find('=');
  if (equals == Text<Char>::npos) return std::nullopt;
  return Entry<Char>{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

template <typename Char>
Text<Char> WithoutQuotes(Text<Char> value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Index of the first "[section]" line, or lines.size().
template <typename Char>
std::size_t FindSection(Text<Char> file, const std::vector<Line>& lines, Text<Char> section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(LineText(file, lines[i]));
    if (name && SameName(*name, section)) return i;
  }
  return lines.size();
}

template <typename Char>
bool EndsWithLineBreak(Text<Char> text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

template <typename Char>
std::basic_string<Char> EntryLine(Text<Char> key, Text<Char> value) {
  std::basic_string<Char> line(key);
  line.push_back('=');
  line.append(value);
  return line;
}

template <typename Char>
std::basic_string<Char> AppendSection(Text<Char> file, Text<Char> section, Text<Char> key,
                                      Text<Char> value) {
  std::basic_string<Char> edited(file);
  if (!edited.empty() && !EndsWithLineBreak<Char>(edited)) edited += kLineBreak<Char>;
  edited += Char{'['};
  edited.append(section);
  edited += Char{']'};
  edited += kLineBreak<Char>;
  edited += EntryLine(key, value) + kLineBreak<Char>;
  return edited;
}

template <typename Char>
std::optional<std::basic_string<Char>> FindValue(Text<Char> file, Text<Char> section,
                                                 Text<Char> key) {
  const std::vector<Line> lines = SplitLines(file);
  for (std::size_t i = FindSection(file, lines, section) + 1; i < lines.size(); ++i) {
    const Text<Char> text = LineText(file, lines[i]);
    if (SectionName(text)) break;
    const auto entry = EntryOf(text);
    if (entry && SameName(entry->key, key))
      return std::basic_string<Char>(WithoutQuotes(entry->value));
  }
  return std::nullopt;
}

template <typename Char>
std::basic_string<Char> SetValue(Text<Char> file, Text<Char> section, Text<Char> key,
                                 Text<Char> value) {
  const std::vector<Line> lines = SplitLines(file);
  const std::size_t header = FindSection(file, lines, section);
  if (header == lines.size()) return AppendSection(file, section, key, value);
  std::size_t insertAt = lines[header].next;
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    const Text<Char> text = LineText(file, lines[i]);
    if (SectionName(text)) break;
    const auto entry = EntryOf(text);
    if (entry && SameName(entry->key, key)) {
      // The key keeps the spelling it has in the file.
      std::basic_string<Char> edited(file.substr(0, lines[i].begin));
      edited += EntryLine(entry->key, value);
      edited.append(file.substr(lines[i].end));
      return edited;
    }
    if (!text.empty()) insertAt = lines[i].next;
  }
  std::basic_string<Char> edited(file.substr(0, insertAt));
  if (!edited.empty() && !EndsWithLineBreak<Char>(edited)) edited += kLineBreak<Char>;
  edited += EntryLine(key, value) + kLineBreak<Char>;
  edited.append(file.substr(insertAt));
  return edited;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key) {
  return FindValue(file, section, key);
}

std::optional<std::u16string> FindProfileValue(std::u16string_view file,
                                               std::u16string_view section,
                                               std::u16string_view key) {
  return FindValue(file, section, key);
}

std::string SetProfileValue(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view value) {
  return SetValue(file, section, key, value);
}

std::u16string SetProfileValue(std::u16string_view file, std::u16string_view section,
                               std::u16string_view key, std::u16string_view value) {
  return SetValue(file, section, key, value);
}

std::string_view CutProfileName(std::string_view name, std::size_t maxCharacters) {
  name = name.substr(0, name.find('\0'));
  std::size_t end = 0;
  for (std::size_t characters = 0; end < name.size() && characters < maxCharacters; ++characters) {
    end += IsLeadUnit(name[end]) && end + 1 < name.size() ? 2 : 1;
  }
  return name.substr(0, end);
}
