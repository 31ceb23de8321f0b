// Every web address the program opens, in one place.
#pragma once

#include <string>

namespace mirelle::pages {

inline constexpr char kAffiliateId[] = "mm_62738049_0_0";

// The shopping site's affiliate channel page.
std::string ChannelPage();
// The shopping site's search for a GBK query, sent as raw GBK bytes.
std::string SearchPage(const std::string& query);
// The maker's home page ("检查更新").
std::string MakerHomePage();

}  // namespace mirelle::pages
