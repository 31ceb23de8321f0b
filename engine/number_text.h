// Reading a typed number the way the program reads every number: full-width forms to ASCII, then atof.
#pragma once

#include <string>

namespace mirelle {

// Full-width GBK forms of ASCII characters (A3xx, and the ideographic space A1A1) become ASCII;
// other bytes are kept.
std::string FullWidthToAscii(const std::string& gbk);

// The leading decimal number of the text (blanks, sign, digits, point, exponent), as the Windows
// C library's atof reads it; 0 for anything else. Identical on every platform: no hexadecimal,
// no "inf"/"nan" words. An exponent beyond the double range gives an infinity.
double ReadNumber(const std::string& gbk);

}  // namespace mirelle
