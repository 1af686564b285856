#include "model/profile_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quantivo::model {
namespace {

TEST(ParseProfileInteger, DecimalAndHexadecimalForms) {
  constexpr struct {
    const char* text;
    std::optional<int> value;
  } kCases[] = {
      {"0", 0},
      {"42", 42},
      {"-5", -5},
      {"+7", 7},
      {"0x0A", 10},
      {"0X1f", 31},
      {"$300", 768},
      {"$FFFFFFFF", -1},
      {"-$10", -16},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"007", 7},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},  // too short for hexadecimal, and no decimal
      {"$", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"12abc", std::nullopt},
      {"1.5", std::nullopt},
      {" 5", std::nullopt},
      {"0xG", std::nullopt},
      {"99999999999999999999999", std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseProfileInteger(c.text), c.value);
  }
}

TEST(ProfileFile, ReadsNamesWithoutRegardToCaseAndTrimsValues) {
  ProfileFile file;
  file.LoadText(
      "[quantivo]\n"
      "tabindex = 0x0A \n"
      "Name=  Arial Narrow\t\n"
      "Bad=twelve\n"
      "Flag=2\n"
      "Zero=0\n");
  EXPECT_EQ(file.ReadInteger("Quantivo", "TabIndex", -7), 10);
  EXPECT_EQ(file.ReadString("QUANTIVO", "NAME", "x"), "Arial Narrow");
  EXPECT_EQ(file.ReadInteger("Quantivo", "Bad", -7), -7);
  EXPECT_EQ(file.ReadInteger("Quantivo", "Missing", -7), -7);
  EXPECT_EQ(file.ReadInteger("Nowhere", "TabIndex", -7), -7);
  EXPECT_EQ(file.ReadString("Quantivo", "Missing", "default"), "default");
  EXPECT_TRUE(file.ReadBool("Quantivo", "Flag", false));
  EXPECT_FALSE(file.ReadBool("Quantivo", "Zero", true));
  EXPECT_TRUE(file.ReadBool("Quantivo", "Bad", true));
}

TEST(ProfileFile, CutsLongValues) {
  ProfileFile file;
  file.LoadText("[A]\nlong=" + std::string(5000, 'x') + "\nutf8=" + std::string(1022, 'x') + "é\n");
  EXPECT_EQ(file.ReadString("A", "long", ""), std::string(1023, 'x'));
  // "é" takes bytes 1023 and 1024: it is dropped whole.
  EXPECT_EQ(file.ReadString("A", "utf8", ""), std::string(1022, 'x'));
}

// A changed key keeps its place, a new key follows its section's last key, a new
// section ends the file, and every other line keeps its bytes.
TEST(ProfileFile, WritesInPlaceAndKeepsTheUnknown) {
  ProfileFile file;
  file.LoadText(
      "; written by hand\n"
      "[Quantivo]\n"
      "; the selected tab\n"
      "TabIndex=3\n"
      "Custom=keep me\n"
      "[Unknown]\n"
      "x=1\n"
      "; the end\n");
  file.WriteInteger("QUANTIVO", "tabindex", 5);
  file.WriteString("Quantivo", "NewKey", "new");
  file.WriteBool("Fresh", "On", true);
  EXPECT_EQ(file.Text(),
            "; written by hand\n"
            "[Quantivo]\n"
            "; the selected tab\n"
            "TabIndex=5\n"
            "Custom=keep me\n"
            "NewKey=new\n"
            "[Unknown]\n"
            "x=1\n"
            "; the end\n"
            "\n\n"
            "[Fresh]\n"
            "On=1\n");
}

TEST(ProfileFile, OneWriteChangesOnlyItsLine) {
  using namespace std::string_literals;
  const struct {
    const char* what;
    std::string before, section, key, value, after;
  } kCases[] = {
      {"spelling and line break kept", "[A]\r\n  kEy = 1 \r\n", "a", "KEY", "2",
       "[A]\r\nkEy=2\r\n"},
      {"line ended by a NUL", "[A]\0x=1\0y=1"s, "A", "x", "2", "[A]\0x=2\0y=1"s},
      {"last line without a break", "[A]\nx=1", "A", "x", "2", "[A]\nx=2"},
      {"first duplicate", "[A]\nx=1\nx=2\n", "A", "x", "3", "[A]\nx=3\nx=2\n"},
      {"first section holding the key", "[A]\ny=1\n[a]\nx=1\n", "A", "x", "2",
       "[A]\ny=1\n[a]\nx=2\n"},
      {"new key into the first section", "[A]\ny=1\n[a]\nx=1\n", "A", "z", "3",
       "[A]\ny=1\nz=3\n[a]\nx=1\n"},
      {"new key before a trailing comment", "[A]\nx=1\n\n; note\n[B]\n", "A", "y", "2",
       "[A]\nx=1\ny=2\n\n; note\n[B]\n"},
      {"new key after a header", "[A] ; keys\n; note\n", "A", "y", "2",
       "[A] ; keys\ny=2\n; note\n"},
      {"new key after an unended line", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
      {"new section after an unended line", "[A]\nx=1", "B", "y", "2", "[A]\nx=1\n\n\n[B]\ny=2\n"},
      {"new section into an empty file", "", "B", "y", "2", "[B]\ny=2\n"},
      {"value made one line", "", "B", "y", "a\nb\r\0c"s, "[B]\ny=a b  c\n"},
      {"line ends of old Macs", "[A]\rx=1\ry=1\r", "A", "y", "2", "[A]\rx=1\ry=2\r"},
      {"new key in a file of CR", "[A]\rx=1", "A", "y", "2", "[A]\rx=1\ry=2\r"},
      {"new section in a file of CRLF", "[A]\r\nx=1", "B", "y", "2",
       "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    ProfileFile file;
    file.LoadText(c.before);
    file.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(file.Text(), c.after);
  }
}

// Lines the program does not write keep their bytes while it writes other keys.
TEST(ProfileFile, HandEditsSurviveWritesToOtherKeys) {
  using namespace std::string_literals;
  const struct {
    const char* what;
    std::string lines;
  } kCases[] = {
      {"blanks around =", "Precision = 6\n"},
      {"comment after a value", "Mine = 6 ; six\n"},
      {"duplicate keys", "Dup=1\ndup=2\n"},
      {"line without =", "just words\n"},
      {"bytes after a NUL", "Name=a\0b=c\n"s},
      {"CRLF", "Crlf=1\r\n; note\r\n"},
      {"comment after the last key", "Last=1\n; the end\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    ProfileFile file;
    file.LoadText("[Units]\nKept=1\n[Quantivo]\nTabIndex=3\n" + c.lines);
    file.WriteInteger("Quantivo", "TabIndex", 5);
    file.WriteInteger("Units", "Added", 1);
    file.WriteBool("Fresh", "On", true);
    EXPECT_EQ(file.Text(), "[Units]\nKept=1\nAdded=1\n[Quantivo]\nTabIndex=5\n" + c.lines +
                               "\n\n[Fresh]\nOn=1\n");
  }
}

TEST(ProfileFile, WritingTheValuesReadChangesNothing) {
  using namespace std::string_literals;
  // A byte-order mark before the first section, as some editors save UTF-8.
  const std::string text =
      "\xEF\xBB\xBF[A]\r\n Spaced =  x y \r\nDup=1\ndup=2\nCut=a\0b=c\nCr=1\r2\n"
      "Hex=$10\nPlus=+4\nTrue=2\n; end"s;
  ProfileFile file;
  file.LoadText(text);
  for (const char* key : {"Spaced", "DUP", "Cut", "b", "Cr"}) {
    file.WriteString("a", key, file.ReadString("A", key, "<missing>"));
  }
  file.WriteInteger("A", "Hex", 16);
  file.WriteInteger("A", "Plus", 4);
  file.WriteBool("A", "True", true);
  EXPECT_EQ(file.Text(), text);
}

TEST(ProfileFile, TheFirstOccurrenceIsRead) {
  using namespace std::string_literals;
  ProfileFile file;
  // " = 6" has no key; it lies among the keys that a search passes.
  file.LoadText(
      "y=0\n[A]\nx=1\nX=2\n[ a ] after the name\nx=3\nz=4\n = 6\n; w=5\nno key\nv= a=b \n[B]\0k=7"s);
  const struct {
    const char *section, *key, *value;
  } kCases[] = {
      {"", "y", "-"},        // before any section
      {"A", "x", "1"},       // the first of two
      {"a", "z", "4"},       // in the second section of that name
      {"A", "; w", "-"},     // a comment
      {"A", "no key", "-"},  // a line without "="
      {"A", "v", "a=b"},     // after the first "="
      {"B", "k", "7"},       // after a NUL
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(file.ReadString(c.section, c.key, "-"), c.value);
  }
}

TEST(ProfileFile, ValuesStayOnOneLine) {
  ProfileFile file;
  file.WriteString("A", "text", "one\ntwo\r\nthree");
  file.WriteString("A", "after", "1");
  ProfileFile again;
  again.LoadText(file.Text());
  EXPECT_EQ(again.ReadString("A", "text", ""), "one two  three");
  EXPECT_EQ(again.ReadString("A", "after", ""), "1");
  // A carriage return alone ends no line; it reads as the blank it is saved as.
  again.LoadText("[A]\ntext=1\r2\n");
  EXPECT_EQ(again.ReadString("A", "text", ""), "1 2");
}

TEST(ProfileFile, SurvivesFilesThatAreNotText) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
  const std::string cases[] = {
      binary,
      "[A]\nx=" + std::string(10 * 1024 * 1024, 'y') + "\n[B]\nz=1\n",
      std::string("[A]\nx=1\0[B]\nz=1\n", 16),
      "[A]\nx=\xFF\xFE\xC3(\n[B]\nz=1\n",
      "[[[\n=\n==\n[]\n=x\n[B]\nz=1\n",
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    ProfileFile file;
    file.LoadText(cases[i]);
    // Loading alone changes no byte; compared whole, as printing 10 MB helps nobody.
    EXPECT_TRUE(file.Text() == cases[i]);
    EXPECT_EQ(file.ReadInteger("Nowhere", "k", 7), 7);
    if (i > 0) {
      EXPECT_EQ(file.ReadInteger("B", "z", 0), 1);  // what follows is still read
    }
    file.WriteInteger("B", "written", 2);
    ProfileFile again;
    again.LoadText(file.Text());
    EXPECT_EQ(again.ReadInteger("B", "written", 0), 2);
  }
}

}  // namespace
}  // namespace quantivo::model
