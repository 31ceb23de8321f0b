// Reading typed numbers: full-width GBK forms become ASCII, then the leading decimal number is
// read the way the Windows C runtime's atof reads it. One routine of our own, so that the host
// build and the Windows build give the same result for every text.
#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace mirelle {
namespace {

bool IsGbkLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsGbkTrail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// The blanks atof skips in the "C" locale.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal exponent of the mantissa's first significant digit plus `exponent`. Only its sign
// is used, to tell an overflow from an underflow once from_chars has found the value out of range.
int64_t MagnitudeOf(std::string_view mantissa, int64_t exponent) {
  int64_t position = 0;  // digits before the point seen so far, minus leading zeros
  bool seenPoint = false;
  int64_t leadingFractionZeros = 0;
  for (char c : mantissa) {
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    if (!seenPoint) {
      if (position > 0 || c != '0') ++position;
    } else if (position == 0) {
      if (c != '0') break;
      ++leadingFractionZeros;
    }
  }
  const int64_t leading = position > 0 ? position - 1 : -(leadingFractionZeros + 1);
  return leading + exponent;
}

// Accepts: blanks, an optional sign, digits with at most one point (at least one digit in all),
// then an optional exponent (e or E, optional sign, at least one digit). Everything after the
// longest such prefix is ignored; a text without one reads as 0.
double ReadAsciiNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const size_t mantissaBegin = pos;
  size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
  }
  if (digits == 0) return 0.0;
  const size_t mantissaEnd = pos;

  int64_t exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t p = pos + 1;
    bool negativeExponent = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
      negativeExponent = text[p] == '-';
      ++p;
    }
    if (p < text.size() && IsDigit(text[p])) {
      for (; p < text.size() && IsDigit(text[p]); ++p) {
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[p] - '0');
      }
      if (negativeExponent) exponent = -exponent;
      pos = p;
    }
  }

  // Whole numbers of up to 15 digits (day numbers, typed lengths) are exact as doubles: no need
  // for the general conversion.
  if (mantissaEnd == pos && digits == mantissaEnd - mantissaBegin && digits <= 15) {
    int64_t whole = 0;
    for (size_t i = mantissaBegin; i < mantissaEnd; ++i) whole = whole * 10 + (text[i] - '0');
    const auto value = static_cast<double>(whole);
    return negative ? -value : value;
  }

  // from_chars takes no leading sign and never reads words or hexadecimal: it sees only the
  // characters accepted above.
  double value = 0.0;
  const char* begin = text.data() + mantissaBegin;
  const auto result = std::from_chars(begin, text.data() + pos, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    const std::string_view mantissa(begin, mantissaEnd - mantissaBegin);
    value = MagnitudeOf(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc() || result.ptr != text.data() + pos) {
    value = 0.0;  // cannot happen for the accepted forms; read as no number rather than guess
  }
  return negative ? -value : value;
}

}  // namespace

std::string FullWidthToAscii(const std::string& gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (!IsGbkLead(lead) || i + 1 >= gbk.size() || !IsGbkTrail(static_cast<unsigned char>(gbk[i + 1]))) {
      // ASCII, or a byte that starts no valid double-byte character: kept as it is, and the next
      // byte is read afresh (it may itself start a character).
      out += gbk[i];
      ++i;
      continue;
    }
    const auto trail = static_cast<unsigned char>(gbk[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);  // ！(A3A1) .. ～(A3FE) -> '!' .. '~'
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';  // ideographic space
    } else {
      out += gbk[i];
      out += gbk[i + 1];
    }
    i += 2;
  }
  return out;
}

double ReadNumber(const std::string& gbk) {
  // Most texts are plain ASCII and need no conversion.
  bool ascii = true;
  for (char c : gbk) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return ReadAsciiNumber(gbk);
  return ReadAsciiNumber(FullWidthToAscii(gbk));
}

}  // namespace mirelle
