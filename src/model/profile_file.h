#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quantivo::model {

/// An INI file in memory, read and written the way profile files are: section and
/// key names match without regard to case, the first of several equal sections or keys
/// wins, values lose the blanks at their ends, a missing key gives the caller's default,
/// an existing key is updated in place, a new key goes after the last key of its section
/// and a new section to the end of the file. Every line the program does not write keeps
/// its bytes, so hand edits survive a save.
class ProfileFile {
 public:
  /// The longest value a read returns, in bytes; the rest is cut off.
  static constexpr std::size_t kMaxValueLength = 1023;

  ProfileFile();
  ~ProfileFile();
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  /// Replaces the contents with those of a file's text. Any bytes are accepted; a line
  /// ends at "\n" or at a NUL byte, and in a file whose first line ends in a "\r" alone
  /// also at a "\r". Lines that are no section or key are kept as they are; new lines
  /// end as the first line does.
  void LoadText(std::string_view text);
  /// The file's text: the loaded bytes with the program's writes in them.
  std::string Text() const;

  /// A key's value, cut to kMaxValueLength bytes, or the default if there is no such key.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  /// A decimal integer, or hexadecimal after "$" or "0x"; anything else gives the
  /// default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  /// An integer as above; any integer but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  /// Writes a value. Line breaks and NUL bytes in it become blanks, as a value is one
  /// line. Writing the value a key already has changes nothing.
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
