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

// A changed key keeps its place, a new key ends its section, a new section ends the
// file, and whatever the program does not know stays.
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
            "\n\n"
            "[Quantivo]\n"
            "\n"
            "; the selected tab\n"
            "TabIndex=5\n"
            "Custom=keep me\n"
            "NewKey=new\n"
            "\n\n"
            "[Unknown]\n"
            "x=1\n"
            "\n\n"
            "[Fresh]\n"
            "On=1\n"
            "; the end\n");
}

TEST(ProfileFile, ValuesStayOnOneLine) {
  ProfileFile file;
  file.WriteString("A", "text", "one\ntwo\r\nthree");
  file.WriteString("A", "after", "1");
  ProfileFile again;
  again.LoadText(file.Text());
  EXPECT_EQ(again.ReadString("A", "text", ""), "one two  three");
  EXPECT_EQ(again.ReadString("A", "after", ""), "1");
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
