#include "model/profile_file.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "catalogue/name_match.h"
#include "model/text_file.h"

namespace quantivo::model {

namespace {

using std::string_view_literals::operator""sv;

constexpr std::string_view kBlanks = " \t\r";

// One line of the file, its line break included, or a run of lines that are neither
// headers nor keys: those are never changed one by one, and a file of a million blank
// lines stays small. The text lives in the loaded copy, a written string or a constant.
struct Line {
  std::string_view Text;
  // Where the key lies in the text; a length of 0 marks a line that is no key line.
  std::size_t KeyBegin = 0;
  std::size_t KeyLength = 0;

  std::string_view Key() const { return Text.substr(KeyBegin, KeyLength); }
};

// A header line and the lines up to the next one. Key lines all lie before
// KeyEnd, so that a new key goes in there, ahead of blank lines and comments.
struct Section {
  std::string_view Name;
  std::vector<Line> Lines;
  std::size_t KeyEnd = 0;
};

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The line without its line break: "\n", "\r\n", "\r", a NUL, or none at the end of the
// file. A "\r" alone ends a line only in a file whose lines end so; elsewhere it can
// only be the last byte of the file, and is taken as the blank it reads as.
std::string_view Content(std::string_view line) {
  if (line.empty()) return line;
  if (line.back() == '\0') return line.substr(0, line.size() - 1);
  if (line.back() == '\r') return line.substr(0, line.size() - 1);
  if (line.back() != '\n') return line;
  const bool crlf = line.size() >= 2 && line[line.size() - 2] == '\r';
  return line.substr(0, line.size() - (crlf ? 2 : 1));
}

std::optional<std::string_view> HeaderName(std::string_view line) {
  std::string_view content = Content(line);
  // A file saved by an editor that marks UTF-8 begins with a byte-order mark.
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  const std::size_t open = content.find_first_not_of(" \t");
  if (open == std::string_view::npos || content[open] != '[') return std::nullopt;
  const std::size_t close = content.find(']', open + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(content.substr(open + 1, close - open - 1), " \t");
}

// A line that is no section header, with its key found if it has one.
Line ParseLine(std::string_view text) {
  Line line{text, 0, 0};
  const std::string_view content = Content(text);
  const std::size_t first = content.find_first_not_of(" \t");
  if (first == std::string_view::npos || content[first] == ';' || content[first] == '#') {
    return line;
  }
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) return line;
  const std::string_view key = Trim(content.substr(0, equals));
  if (key.empty()) return line;
  line.KeyBegin = static_cast<std::size_t>(key.data() - text.data());
  line.KeyLength = key.size();
  return line;
}

// The value of a key line as a read gives it: the text after the first "=", without
// blanks at its ends, cut to the longest value. Where "\r" alone ends no line, a value
// is written back with it as a blank: it reads so, and a saved value reads back the same.
std::string ValueOf(const Line& line) {
  const std::string_view content = Content(line.Text);
  std::string value(Trim(content.substr(content.find('=') + 1)));
  std::replace(value.begin(), value.end(), '\r', ' ');
  return std::string(CutText(value, ProfileFile::kMaxValueLength));
}

}  // namespace

struct ProfileFile::Impl {
  // The bytes as loaded; lines point into them until they are rewritten.
  std::string Loaded;
  // Rewritten and added lines; a deque, so that the lines' views stay valid.
  std::deque<std::string> Written;
  // The first holds the lines before any header; it has no name and is never searched.
  std::vector<Section> Sections = std::vector<Section>(1);
  // The line end of the file's first line, which new lines get.
  std::string_view LineEnd = "\n";

  std::string_view Keep(std::string text) { return Written.emplace_back(std::move(text)); }

  // The line a read uses: the first line with the key in the first section of that
  // name that holds it, as the first occurrence wins.
  Line* Find(std::string_view section, std::string_view key) {
    if (key.empty()) return nullptr;
    for (std::size_t s = 1; s < Sections.size(); ++s) {
      if (!catalogue::EqualIgnoringCase(Sections[s].Name, section)) continue;
      for (std::size_t i = 1; i < Sections[s].KeyEnd; ++i) {
        Line& line = Sections[s].Lines[i];
        if (catalogue::EqualIgnoringCase(line.Key(), key)) return &line;
      }
    }
    return nullptr;
  }

  // Gives the last line of the file a line break before anything is put after it.
  void Terminate(Line& line) {
    const std::string_view text = line.Text;
    const bool ended =
        text.ends_with('\n') || text.ends_with('\0') || (LineEnd == "\r" && text.ends_with('\r'));
    if (!ended) line.Text = Keep(std::string(text) + std::string(LineEnd));
  }
};

std::optional<int> ParseProfileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::uint64_t value = 0;
  if (!text.empty() && text.front() == '$') {
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
  } else {
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + static_cast<unsigned>(c - '0');
      if (value > 2147483648u) return std::nullopt;
    }
    if (!negative && value > 2147483647u) return std::nullopt;
    return static_cast<int>(negative ? -static_cast<std::int64_t>(value)
                                     : static_cast<std::int64_t>(value));
  }
  // Hexadecimal: up to 32 bits, taken as the bit pattern of a signed integer.
  if (text.empty()) return std::nullopt;
  for (const char c : text) {
    if (!IsHexDigit(c)) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(HexValue(c));
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0u - value : value);
  return static_cast<int>(static_cast<std::int32_t>(bits));
}

std::string_view CutText(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  // Step back over continuation bytes so that no character is split.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  // A value never ends in blanks when it is read; one cut short must not either,
  // or saving and reading it again would change it.
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(0, end);
}

ProfileFile::ProfileFile() : m_impl(std::make_unique<Impl>()) {}

ProfileFile::~ProfileFile() = default;

void ProfileFile::LoadText(std::string_view text) {
  Impl& impl = *m_impl;
  impl.Loaded.assign(text);
  impl.Written.clear();
  impl.Sections.assign(1, Section{});
  const std::string_view loaded = impl.Loaded;
  impl.LineEnd = LineEndOf(loaded);
  bool inRun = false;
  for (std::size_t start = 0; start < loaded.size();) {
    // In a file of "\r" line ends, a "\r" ends a line too.
    const std::size_t end =
        LineEndAfter(loaded, start, impl.LineEnd == "\r" ? "\n\r\0"sv : "\n\0"sv);
    const std::string_view lineText = loaded.substr(start, end - start);
    start = end;
    if (const std::optional<std::string_view> name = HeaderName(lineText)) {
      impl.Sections.push_back(Section{*name, {Line{lineText, 0, 0}}, 1});
      inRun = false;
      continue;
    }
    Section& section = impl.Sections.back();
    const Line line = ParseLine(lineText);
    if (line.KeyLength == 0 && inRun) {
      Line& run = section.Lines.back();
      run.Text = std::string_view(run.Text.data(), run.Text.size() + lineText.size());
      continue;
    }
    section.Lines.push_back(line);
    inRun = line.KeyLength == 0;
    if (!inRun) section.KeyEnd = section.Lines.size();
  }
}

std::string ProfileFile::Text() const {
  std::size_t size = 0;
  for (const Section& section : m_impl->Sections) {
    for (const Line& line : section.Lines) size += line.Text.size();
  }
  std::string text;
  text.reserve(size);
  for (const Section& section : m_impl->Sections) {
    for (const Line& line : section.Lines) text += line.Text;
  }
  return text;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const Line* line = m_impl->Find(section, key);
  return line == nullptr ? std::string(defaultValue) : ValueOf(*line);
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
  const std::optional<int> value = ParseProfileInteger(ReadString(section, key, ""));
  return value ? *value : defaultValue;
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  Impl& impl = *m_impl;
  std::string oneLine(value);
  std::replace_if(
      oneLine.begin(), oneLine.end(), [](char c) { return c == '\n' || c == '\r' || c == '\0'; },
      ' ');

  if (Line* line = impl.Find(section, key)) {
    // An unchanged value leaves the line as the user wrote it.
    if (ValueOf(*line) == oneLine) return;
    const std::string_view breakAtEnd = line->Text.substr(Content(line->Text).size());
    const std::size_t keyLength = line->KeyLength;
    line->Text = impl.Keep(std::string(line->Key()) + '=' + oneLine + std::string(breakAtEnd));
    line->KeyBegin = 0;
    line->KeyLength = keyLength;
    return;
  }

  const std::string_view newLine =
      impl.Keep(std::string(key) + '=' + oneLine + std::string(impl.LineEnd));
  for (std::size_t s = 1; s < impl.Sections.size(); ++s) {
    Section& existing = impl.Sections[s];
    if (!catalogue::EqualIgnoringCase(existing.Name, section)) continue;
    impl.Terminate(existing.Lines[existing.KeyEnd - 1]);
    existing.Lines.insert(existing.Lines.begin() + static_cast<std::ptrdiff_t>(existing.KeyEnd),
                          ParseLine(newLine));
    ++existing.KeyEnd;
    return;
  }

  // A new section goes to the end, after two blank lines unless the file is empty.
  Section& last = impl.Sections.back();
  if (!last.Lines.empty()) {
    impl.Terminate(last.Lines.back());
    last.Lines.insert(last.Lines.end(), 2, Line{impl.LineEnd, 0, 0});
  }
  const std::string_view header =
      impl.Keep("[" + std::string(section) + "]" + std::string(impl.LineEnd));
  impl.Sections.push_back(
      Section{HeaderName(header).value_or(""), {Line{header, 0, 0}, ParseLine(newLine)}, 2});
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  // "$10" or "+16" already holds 16: the line stays as the user wrote it.
  if (ParseProfileInteger(ReadString(section, key, "")) == value) return;
  WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  const std::optional<int> stored = ParseProfileInteger(ReadString(section, key, ""));
  if (stored && (*stored != 0) == value) return;
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace quantivo::model
