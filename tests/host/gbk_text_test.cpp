// Cutting GBK texts without splitting a character (the tray tip holds 62 bytes).
#include <gtest/gtest.h>

#include "app/gbk_text.h"

namespace mirelle {
namespace {

TEST(GbkText, CutNeverSplitsADoubleByteCharacter) {
  const struct {
    std::string text;
    size_t max;
    std::string cut;
  } rows[] = {
      /* 0 */ {"abc", 62, "abc"},
      /* 1 */ {"例假周期", 4, "例假"},
      /* 2 */ {"例假周期", 5, "例假"},
      /* 3 */ {"a例假", 2, "a"},
      /* 4 */ {"a例假", 3, "a例"},
      /* 5 */ {"", 62, ""},
      /* 6 */ {std::string("a\x81"), 62, std::string("a\x81")},  // a lone lead byte at the end stays
  };
  for (const auto& row : rows) EXPECT_EQ(CutGbk(row.text, row.max), row.cut) << row.text << " " << row.max;
}

}  // namespace
}  // namespace mirelle
