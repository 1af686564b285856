#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quantivo::model {

/// An INI file in memory, read and written the way profile files are: section and
/// key names match without regard to case, values lose the blanks at their ends, a
/// missing key gives the caller's default, an existing key is updated in place, a new
/// key goes to the end of its section and a new section to the end of the file. Keys,
/// sections and comments the program does not know survive a save.
class ProfileFile {
 public:
  /// The longest value a read returns, in bytes; the rest is cut off.
  static constexpr std::size_t kMaxValueLength = 1023;

  ProfileFile();
  ~ProfileFile();
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  /// Replaces the contents with those of a file's text. Any bytes are accepted;
  /// lines that are no section, key or comment are ignored.
  void LoadText(std::string_view text);
  /// The file's text: the sections and keys in their order, "key=value" lines.
  std::string Text() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  /// A decimal integer, or hexadecimal after "$" or "0x"; anything else gives the
  /// default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  /// An integer as above; any integer but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  /// Writes a value. Line breaks in it become blanks, as a value is one line.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

/// Reads a profile integer: an optional sign, then decimal digits, "$" and hexadecimal
/// digits, or "0x"/"0X" and hexadecimal digits. Decimal must fit 32 bits; up to
/// eight hexadecimal digits give the 32-bit pattern (so "$FFFFFFFF" is -1).
std::optional<int> ParseProfileInteger(std::string_view text);

/// The text cut to at most `maxBytes` bytes, never inside a UTF-8 character, without
/// the blanks a cut leaves at its end.
std::string_view CutText(std::string_view text, std::size_t maxBytes);

}  // namespace quantivo::model
