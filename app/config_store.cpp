#include "app/config_store.h"

#include "app/hex_codec.h"

namespace mirelle {

std::string ConfigStore::ReadSetting(const NativePath& file, const std::string& section, const std::string& key,
                                     const std::string& defaultText) const {
  std::string raw =
      profile_.ReadString(file, HexEncode(section), HexEncode(key), defaultText, kSettingBufferSize);
  // The default is passed to the system unencoded, so a text equal to it is returned as it is.
  if (raw.empty() || raw == defaultText) return raw;
  return HexDecode(raw);
}

bool ConfigStore::WriteSetting(const NativePath& file, const std::string& section, const std::string& key,
                               const std::string& value) const {
  return profile_.WriteString(file, HexEncode(section), HexEncode(key), HexEncode(value));
}

}  // namespace mirelle
