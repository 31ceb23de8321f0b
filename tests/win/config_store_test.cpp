// ConfigStore against the system's real profile functions: the exact bytes of mnconfig.ini.
#include <gtest/gtest.h>

#include "app/config_store.h"
#include "platform/win32/profile_win.h"
#include "platform/win32/text_win.h"
#include "win/driver_win.h"

namespace mirelle {
namespace {

class ConfigFileTest : public ::testing::Test {
 protected:
  NativePath Path() const { return win::NativeFromWide(folder_.File(L"mnconfig.ini")); }
  std::string Bytes() const { return test::ReadFileBytes(folder_.File(L"mnconfig.ini")); }

  test::TempFolder folder_;
  win::Win32Profile profile_;
  ConfigStore store_{profile_};
};

TEST_F(ConfigFileTest, WritesHexSectionKeysInFirstWrittenOrderAndEmptyValues) {
  store_.WriteSetting(Path(), "general", "pw", "520");
  store_.WriteSetting(Path(), "general", "period", "28");
  store_.WriteSetting(Path(), "general", "last", "5");
  store_.WriteSetting(Path(), "general", "lastdate", "2026年3月5日");
  store_.WriteSetting(Path(), "general", "period", "30");  // rewritten in place
  store_.WriteSetting(Path(), "general", "title", "");
  EXPECT_EQ(Bytes(),
            "[67656E6572616C]\r\n"
            "7077=353230\r\n"
            "706572696F64=3330\r\n"
            "6C617374=35\r\n"
            "6C61737464617465=32303236C4EA33D4C235C8D5\r\n"
            "7469746C65=\r\n");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "lastdate", ""), "2026年3月5日");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "title", "默认"), "");
}

TEST_F(ConfigFileTest, MissingFileOrKeyGivesTheDefaultRaw) {
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "period", "28"), "28");
  store_.WriteSetting(Path(), "general", "pw", "520");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "period", "28"), "28");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "periodname", "例假周期"), "例假周期");
}

TEST_F(ConfigFileTest, ValueEqualToTheDefaultIsReturnedUndecoded) {
  test::WriteFileBytes(folder_.File(L"mnconfig.ini"), "[67656E6572616C]\r\n706572696F64=28\r\n6C617374=c0fdbcd9\r\n");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "period", "28"), "28");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "last", "5"), "例假");
}

TEST_F(ConfigFileTest, LongValuesAreCutAtTheReadBuffer) {
  const std::string title5119(5119, 'x');
  store_.WriteSetting(Path(), "general", "title", title5119);
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "title", ""), title5119);
  store_.WriteSetting(Path(), "general", "title", std::string(6000, 'y'));
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "title", ""), std::string(5119, 'y'));
}

TEST_F(ConfigFileTest, BadFilesGiveDefaults) {
  test::WriteFileBytes(folder_.File(L"mnconfig.ini"), "");
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "pw", ""), "");
  test::WriteFileBytes(folder_.File(L"mnconfig.ini"), std::string("\0\xff\xfe[\x01]\n=\0=", 12));
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "period", "28"), "28");
  test::WriteFileBytes(folder_.File(L"mnconfig.ini"), std::string(3 * 1024 * 1024, 'Z'));
  EXPECT_EQ(store_.ReadSetting(Path(), "general", "last", "5"), "5");
}

TEST_F(ConfigFileTest, FolderWhoseNameGbkCannotSpellStillWorks) {
  const std::wstring folder = folder_.File(L"Ελληνικά-日本語-ąę");
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
  const NativePath path = win::NativeFromWide(folder + L"\\mnconfig.ini");
  store_.WriteSetting(path, "general", "pw", "abc");
  EXPECT_EQ(store_.ReadSetting(path, "general", "pw", ""), "abc");
  EXPECT_EQ(test::ReadFileBytes(folder + L"\\mnconfig.ini"), "[67656E6572616C]\r\n7077=616263\r\n");
}

}  // namespace
}  // namespace mirelle
