#include "app/hex_codec.h"

namespace mirelle {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

std::string HexEncode(const std::string& text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char byte : text) {
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0x0F]);
  }
  return out;
}

std::string HexDecode(const std::string& hexText) {
  std::string out;
  const size_t pairs = hexText.size() / 2;
  out.reserve(pairs);
  for (size_t i = 0; i < pairs; ++i) {
    const int byte = DigitValue(hexText[2 * i]) * 16 + DigitValue(hexText[2 * i + 1]);
    if (byte == 0) break;  // the text ends at its first zero byte
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

}  // namespace mirelle
