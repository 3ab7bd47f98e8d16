#include "sponsor/BannerAreas.h"
#include "sponsor/SponsorSite.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(BannerAreas, SharedEdgesGoToTheAreaListedFirst)
{
    EXPECT_EQ(bannerPage(355, 50), "canon.html");
    EXPECT_EQ(bannerPage(451, 50), "compaq.html");
    EXPECT_EQ(bannerPage(451, 74), "lexmark.html");
    EXPECT_EQ(bannerPage(300, 51), "hp.html");
    EXPECT_EQ(bannerPage(600, 10), "");
    EXPECT_EQ(sponsorAddress(bannerPage(600, 10)), kSponsorSite);
    EXPECT_EQ(sponsorAddress("hp.html"), std::string(kSponsorSite) + "hp.html");
}

TEST(BannerAreas, CornersAreInsideAndJustBeyondIsNot)
{
    for (std::size_t i = 0; i < kBannerAreas.size(); ++i) {
        const BannerArea &a = kBannerAreas[i];
        // A corner not shared with an area listed earlier belongs to this one.
        for (const auto &[x, y] :
             {std::pair{a.left, a.top}, {a.right, a.top}, {a.left, a.bottom}, {a.right, a.bottom}}) {
            bool earlier = false;
            for (std::size_t j = 0; j < i; ++j) {
                const BannerArea &e = kBannerAreas[j];
                earlier |= x >= e.left && x <= e.right && y >= e.top && y <= e.bottom;
            }
            if (!earlier) {
                EXPECT_EQ(bannerPage(x, y), a.page) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(bannerPage(262, 27), "");
    EXPECT_EQ(bannerPage(263, 26), "");
    EXPECT_EQ(bannerPage(539, 74), "");
    EXPECT_EQ(bannerPage(538, 75), "");
}
