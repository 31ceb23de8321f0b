#include "web/web_pages.h"

namespace mirelle::pages {
namespace {
constexpr char kShopHost[] = "http://www.taobao.com";
constexpr char kShopSearchHost[] = "http://s.taobao.com";
constexpr char kMakerHost[] = "http://www.qumo.com";
}  // namespace

std::string ChannelPage() {
  return std::string(kShopHost) + "/go/chn/tbk_channel/channelcode.php?pid=" + kAffiliateId + "&eventid=101329";
}

std::string SearchPage(const std::string& query) {
  return std::string(kShopSearchHost) + "/search?commend=all&pid=" + kAffiliateId + "&q=" + query;
}

std::string MakerHomePage() { return std::string(kMakerHost) + "/"; }

}  // namespace mirelle::pages
