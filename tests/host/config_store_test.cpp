// The hex form of mnconfig.ini and ConfigStore's reading rules.
#include <gtest/gtest.h>

#include "app/config_store.h"
#include "app/hex_codec.h"
#include "host/app_fakes.h"

namespace mirelle {
namespace {

TEST(HexCodec, EncodesGbkBytesAsUpperCasePairs) {
  const struct {
    std::string text, hex;
  } rows[] = {
      /* 0 */ {"", ""},
      /* 1 */ {"abc", "616263"},
      /* 2 */ {"28", "3238"},
      /* 3 */ {"例假周期", "C0FDBCD9D6DCC6DA"},
      /* 4 */ {"general", "67656E6572616C"},
      /* 5 */ {std::string("\x01\x0f\x10\xff", 4), "010F10FF"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(HexEncode(row.text), row.hex) << row.hex;
    EXPECT_EQ(HexDecode(row.hex), row.text) << row.hex;
  }
}

TEST(HexCodec, DecodingRules) {
  const struct {
    std::string hex, text;
  } rows[] = {
      /* 0 */ {"c0fdbcd9d6dcc6da", "例假周期"},  // lower-case digits
      /* 1 */ {"41424", "AB"},                   // an odd trailing digit is ignored
      /* 2 */ {"4100420043", "A"},               // a "00" pair ends the text
      /* 3 */ {"00", ""},
      /* 4 */ {"4", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(HexDecode(row.hex), row.text) << row.hex;
}

class ConfigStoreTest : public ::testing::Test {
 protected:
  const NativePath file_ = u"C:\\m\\mnconfig.ini";
  fakes::FakeProfile profile_;
  ConfigStore store_{profile_};
};

TEST_F(ConfigStoreTest, WritesHexAndReadsBackDecoded) {
  store_.WriteSetting(file_, "general", "period", "28");
  store_.WriteSetting(file_, "general", "title", "");
  ASSERT_EQ(profile_.log, (std::vector<std::string>{"706572696F64=3238", "7469746C65="}));
  EXPECT_EQ(store_.ReadSetting(file_, "general", "period", "30"), "28");
  // An empty stored value is the empty text, whatever the default.
  EXPECT_EQ(store_.ReadSetting(file_, "general", "title", "默认"), "");
}

TEST_F(ConfigStoreTest, DefaultsComeBackRawNeverDecoded) {
  EXPECT_EQ(store_.ReadSetting(file_, "general", "period", "28"), "28");
  EXPECT_EQ(store_.ReadSetting(file_, "general", "periodname", "例假周期"), "例假周期");
  // A stored "28" (hex of "(") equal to the reader's default is returned as it is.
  profile_.files[file_].emplace_back(HexEncode("general") + "/" + HexEncode("period"), "28");
  EXPECT_EQ(store_.ReadSetting(file_, "general", "period", "28"), "28");
  EXPECT_EQ(store_.ReadSetting(file_, "general", "period", "5"), "(");
}

TEST_F(ConfigStoreTest, LongValuesAreCutByTheReadBuffer) {
  store_.WriteSetting(file_, "general", "title", std::string(5119, 'x'));
  EXPECT_EQ(store_.ReadSetting(file_, "general", "title", "").size(), 5119u);
  store_.WriteSetting(file_, "general", "title", std::string(6000, 'x'));
  EXPECT_EQ(store_.ReadSetting(file_, "general", "title", "").size(), 5119u);
}

}  // namespace
}  // namespace mirelle
