// mnconfig.ini: every setting of the program, hex-encoded, read and written one value at a time
// through the system's INI profile functions.
#pragma once

#include <string>

namespace mirelle {

// A file path in the system's native form (UTF-16 on Windows), so that any folder name works.
using NativePath = std::u16string;

// The system's INI profile functions. Texts are GBK bytes.
class ProfilePort {
 public:
  virtual ~ProfilePort() = default;
  // The value of key in section, or defaultText when the file, section or key is missing;
  // read into a buffer of bufferSize characters (so at most bufferSize - 1 come back).
  virtual std::string ReadString(const NativePath& file, const std::string& section, const std::string& key,
                                 const std::string& defaultText, size_t bufferSize) = 0;
  // Stores value under key (creating file and section as needed); false when the write failed.
  virtual bool WriteString(const NativePath& file, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

inline constexpr size_t kSettingBufferSize = 10240;
inline constexpr char kGeneralSection[] = "general";

class ConfigStore {
 public:
  explicit ConfigStore(ProfilePort& profile) : profile_(profile) {}

  // The decoded value, or defaultText unchanged (never decoded) when the key is missing or the
  // stored text equals defaultText byte for byte.
  std::string ReadSetting(const NativePath& file, const std::string& section, const std::string& key,
                          const std::string& defaultText) const;
  // Stores the hex form of value; an empty value is stored as "key=". Returns whether the system
  // reported success (callers that must not report a lost write check it; most ignore it).
  bool WriteSetting(const NativePath& file, const std::string& section, const std::string& key,
                    const std::string& value) const;

 private:
  ProfilePort& profile_;
};

}  // namespace mirelle
