// Small operations on GBK byte strings.
#pragma once

#include <string>

namespace mirelle {

// The longest prefix of at most maxBytes bytes that does not split a double-byte character.
std::string CutGbk(const std::string& text, size_t maxBytes);

}  // namespace mirelle
