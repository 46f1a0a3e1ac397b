#include <fstream>
#include <regex>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "PageText.h"

namespace {

// Every page the lesson tree can show; links may point only at these.
const std::set<std::string> kLessonPages = {
    "intro.html",      "usage.html",         "basics.html",         "history.html",
    "rank.html",       "variants.html",      "terms.html",          "quiz1.html",
    "txholdem.html",   "txintro.html",       "txrules.html",        "txlimit.html",
    "txpair.html",     "txprestrategy.html", "txpoststrategy.html", "txpot.html",
    "txposition.html", "txsoftware.html",    "quiz2.html",          "online.html",
    "onselect.html",   "onpractice.html",    "onetiquette.html",    "ondeposit.html",
    "onreliable.html", "oncheating.html",    "onlegal.html",        "onaddiction.html",
    "enjoy.html"};

const char* const kHoldemPages[] = {"txholdem.html",       "txintro.html", "txrules.html",
                                    "txlimit.html",        "txpair.html",  "txprestrategy.html",
                                    "txpoststrategy.html", "txpot.html",   "txposition.html",
                                    "txsoftware.html"};

const std::string kHeart = "\xE2\x99\xA5";
const std::string kDiamond = "\xE2\x99\xA6";
const std::string kSpade = "\xE2\x99\xA0";
const std::string kClub = "\xE2\x99\xA3";
const std::string kRedOpen = "<span class=\"red\">";

bool pageExists(const std::string& name) {
    return std::ifstream(std::string(TUTOR_DATA_DIR) + "/html/" + name).good();
}

class HoldemPage : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { html = pagetext::readPage(GetParam()); }
    std::string html;
};

}  // namespace

TEST_P(HoldemPage, IsUtf8WithTheSharedStylesheet) {
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">"),
              std::string::npos);
    EXPECT_NE(html.find("<h1>"), std::string::npos);
    EXPECT_EQ(html.find("<style"), std::string::npos) << "styles belong in style.css";
}

// The page pane shows nothing for a link that leaves the program, and a
// misspelt page name gives a blank page: every link names a lesson page.
TEST_P(HoldemPage, LinksOnlyToLessonPages) {
    static const std::regex href("href=\"([^\"]*)\"");
    for (std::sregex_iterator m(html.begin(), html.end(), href), e; m != e; ++m) {
        const std::string target = (*m)[1];
        if (target == "style.css") continue;
        EXPECT_TRUE(kLessonPages.count(target)) << GetParam() << " links to " << target;
        if (target.rfind("tx", 0) == 0) {
            EXPECT_TRUE(pageExists(target)) << target;
        }
    }
    EXPECT_EQ(html.find("http"), std::string::npos);
    EXPECT_EQ(html.find("www."), std::string::npos);
}

TEST_P(HoldemPage, RedSuitsAreRedAndBlackSuitsAreNot) {
    for (const std::string& suit : {kHeart, kDiamond, kSpade, kClub}) {
        const bool red = suit == kHeart || suit == kDiamond;
        for (std::size_t at = html.find(suit); at != std::string::npos;
             at = html.find(suit, at + 1)) {
            const bool inRedSpan =
                at >= kRedOpen.size() &&
                html.compare(at - kRedOpen.size(), kRedOpen.size(), kRedOpen) == 0 &&
                html.compare(at + suit.size(), 7, "</span>") == 0;
            EXPECT_EQ(inRedSpan, red) << GetParam() << " at byte " << at;
        }
    }
    EXPECT_EQ(html.find("&hearts;"), std::string::npos) << "suits are written as characters";
    EXPECT_EQ(html.find("&diams;"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages, HoldemPage, ::testing::ValuesIn(kHoldemPages),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// Two facts of the rules and starting hands pages that are counts.
TEST(HoldemFacts, FiveOfSevenAndKindsOfStartingHand) {
    const std::string rules = pagetext::visibleText(pagetext::readPage("txrules.html"));
    // C(7,5) = 7 * 6 / 2.
    EXPECT_NE(rules.find(std::to_string(7 * 6 / 2) + " ways to choose five cards out of seven"),
              std::string::npos);

    const std::string pre = pagetext::visibleText(pagetext::readPage("txprestrategy.html"));
    const int pairs = 13, suited = 13 * 12 / 2, offsuit = 13 * 12 / 2;
    // The kinds account for every dealt hand: 6 ways per pair, 4 per suited
    // kind and 12 per offsuit kind make up the 1,326 two-card hands.
    ASSERT_EQ(pairs * 6 + suited * 4 + offsuit * 12, 52 * 51 / 2);
    EXPECT_NE(pre.find(std::to_string(pairs + suited + offsuit) +
                       " kinds of starting hand: " + std::to_string(pairs) + " pairs, " +
                       std::to_string(suited) + " suited hands"),
              std::string::npos);
    EXPECT_NE(pre.find("and " + std::to_string(offsuit) + " offsuit hands"), std::string::npos);
    EXPECT_NE(pre.find("1,326"), std::string::npos);
}
