// The hexadecimal form in which mnconfig.ini stores every section name, key name and value.
#pragma once

#include <string>

namespace mirelle {

// Each GBK byte as two upper-case hexadecimal digits, high digit first.
std::string HexEncode(const std::string& text);

// The inverse: pairs of digits (either case) to bytes; an odd trailing digit is ignored and a
// "00" pair ends the text. A pair holding a non-digit reads that character as 0.
std::string HexDecode(const std::string& hexText);

}  // namespace mirelle
