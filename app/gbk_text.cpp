#include "app/gbk_text.h"

namespace mirelle {

std::string CutGbk(const std::string& text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[end]);
    const size_t width = (lead >= 0x81 && lead <= 0xFE && end + 1 < text.size()) ? 2 : 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return text.substr(0, end);
}

}  // namespace mirelle
