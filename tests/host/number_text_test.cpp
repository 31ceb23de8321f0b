// Reading typed numbers: full-width forms, then the leading decimal number.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/number_text.h"

namespace mirelle {
namespace {

TEST(NumberText, FullWidthFormsBecomeAscii) {
  struct Row {
    std::string in, out;
  } rows[] = {
      /* 0 */ {"２８", "28"},
      /* 1 */ {"－３．５ｅ＋２", "-3.5e+2"},
      /* 2 */ {"　２８", " 28"},                             // ideographic space
      /* 3 */ {"28天", "28天"},                              // other characters are kept
      /* 4 */ {"\xB0\xA3\xA3\xB2", "\xB0\xA3" "2"},          // 埃's trail byte A3 does not start a pair
      /* 5 */ {"\xA1\xA3\xA3\xA1", "\xA1\xA3!"},             // nor does the trail A3 of 。
      /* 6 */ {"\xA3", "\xA3"},                              // a lead byte at the end
      /* 7 */ {"\xA3" "1", "\xA3" "1"},                      // a lead byte before a byte that is no trail
      /* 8 */ {"\xA3\x7F\xA3\xB1", "\xA3\x7F" "1"},
      /* 9 */ {"\x80\xFF\xA3\xB1", "\x80\xFF" "1"},          // bytes that lead nothing
      /* 10 */ {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},     // outside A3A1..A3FE
      /* 11 */ {"\xA1\xA2", "\xA1\xA2"},
      /* 12 */ {std::string("2\0" "8", 3), std::string("2\0" "8", 3)},
      /* 13 */ {"", ""},
  };
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(FullWidthToAscii(rows[i].in), rows[i].out) << "row " << i;

  for (int trail = 0xA1; trail <= 0xFE; ++trail) {
    const std::string in{'\xA3', static_cast<char>(trail)};
    EXPECT_EQ(FullWidthToAscii(in), std::string(1, static_cast<char>(trail - 0x80))) << std::hex << trail;
  }
}

TEST(NumberText, ReadsTheLeadingDecimalNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    std::string text;
    double value;
  } rows[] = {
      /* 0 */ {"28", 28},
      /* 1 */ {"28天", 28},
      /* 2 */ {"２８", 28},
      /* 3 */ {"２８．５", 28.5},
      /* 4 */ {"28.9", 28.9},
      /* 5 */ {" \t\n\v\f\r28", 28},
      /* 6 */ {"　　28", 28},
      /* 7 */ {"+5", 5},
      /* 8 */ {"-5", -5},
      /* 9 */ {"－５", -5},
      /* 10 */ {"-.5", -0.5},
      /* 11 */ {".5", 0.5},
      /* 12 */ {"5.", 5},
      /* 13 */ {"00028", 28},
      /* 14 */ {"1e2", 100},
      /* 15 */ {"1E+2", 100},
      /* 16 */ {"2.5e-1", 0.25},
      /* 17 */ {"１ｅ３", 1000},
      /* 18 */ {"1e", 1},
      /* 19 */ {"1e+", 1},
      /* 20 */ {"1ex", 1},
      /* 21 */ {"1.5.5", 1.5},
      /* 22 */ {"1,5", 1},
      /* 23 */ {" 3 5", 3},
      /* 24 */ {"", 0},
      /* 25 */ {"abc", 0},
      /* 26 */ {".", 0},
      /* 27 */ {"-", 0},
      /* 28 */ {"+-5", 0},
      /* 29 */ {"e5", 0},
      /* 30 */ {"天28", 0},
      /* 31 */ {"0x1C", 0},
      /* 32 */ {"\x1C" "28", 0},  // not a blank to atof
      /* 33 */ {"inf", 0},
      /* 34 */ {"infinity", 0},
      /* 35 */ {"nan", 0},
      /* 36 */ {"-nan", 0},
      /* 37 */ {"1e309", inf},
      /* 38 */ {"-1e309", -inf},
      /* 39 */ {"1e99999999999999999999", inf},
      /* 40 */ {"1" + std::string(400, '0'), inf},
      /* 41 */ {"1e-400", 0},
      /* 42 */ {"0." + std::string(400, '0') + "1", 0},
      /* 43 */ {"0." + std::string(400, '0') + "1e420", 1e19},
      /* 44 */ {"0.0001e309", 1e305},
      /* 45 */ {"\xFF\xFE" "28", 0},
      /* 46 */ {"28\xA3", 28},
      /* 47 */ {"\xA3" "28", 0},
      /* 48 */ {"1e-99999999999999999999", 0},
  };
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(ReadNumber(rows[i].text), rows[i].value) << "row " << i;
  EXPECT_TRUE(std::signbit(ReadNumber("-0")));
}

// Whatever the text, the result is a number or an infinity, never a NaN.
TEST(NumberText, NoTextReadsAsNaN) {
  const std::string texts[] = {"nan", "NaN(123)", "-nan", "1e309e309", "inf-inf", "0e99999", std::string(1 << 20, '9'),
                               std::string(1 << 20, '\xA3'), "." + std::string(1 << 16, '0') + "e99999999"};
  for (const std::string& t : texts) EXPECT_FALSE(std::isnan(ReadNumber(t))) << t.substr(0, 20);
  EXPECT_EQ(ReadNumber(std::string(1 << 20, '9')), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace mirelle
