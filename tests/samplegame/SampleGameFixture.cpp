#include "SampleGameFixture.h"

#include <cmath>
#include <sstream>

#include <QLabel>
#include <QPushButton>

namespace tutor::testing {

SampleGameTest::SampleGameTest() : panel(std::make_unique<SampleGamePanel>(fakes.services)) {}

void SampleGameTest::start() {
    panel->setDemoStep(0);
    panel->resetDemo();
}

void SampleGameTest::clickNext() {
    nextButton()->click();
}

void SampleGameTest::playTo(int step) {
    for (int guard = 0; panel->demoStep() != step && guard < 40; ++guard) clickNext();
    ASSERT_EQ(panel->demoStep(), step);
}

QLabel* SampleGameTest::label(const char* name) const {
    auto* found = panel->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QPushButton* SampleGameTest::nextButton() const {
    return panel->findChild<QPushButton*>(QStringLiteral("cmdNext"));
}

std::string SampleGameTest::table() const {
    auto shown = [&](const QString& name) {
        auto* w = panel->findChild<QWidget*>(name);
        return w && !w->isHidden();
    };
    std::ostringstream out;
    out << "labels=";
    const char* sep = "";
    for (int i = 0; i <= 8; ++i) {
        auto* l = panel->findChild<QLabel*>(QStringLiteral("lblArray_%1").arg(i));
        if (l && !l->isHidden()) {
            out << sep << i << ':' << l->text().toStdString();
            sep = " ";
        }
    }
    out << " | pockets=";
    for (int i = 0; i < 8; ++i)
        if (shown(QStringLiteral("picPocket_%1").arg(i))) out << i;
    out << " | board=";
    for (int i = 0; i < 5; ++i)
        if (shown(QStringLiteral("picFlop_%1").arg(i))) out << i;
    out << " | showdown=" << (shown("picShowDown1") ? "1" : "")
        << (shown("picShowDown2") ? "2" : "");
    out << " | dealer=" << panel->dealerLeft() << ',' << panel->dealerTop();
    out << " | button=" << nextButton()->text().toStdString();
    out << " | link=" << (shown("lblEnough") ? 1 : 0);
    return out.str();
}

std::vector<std::int64_t> SampleGameTest::waitsSince(std::size_t firstWait,
                                                     std::int64_t since) const {
    std::vector<std::int64_t> waits;
    const auto& all = fakes.events.waitDeadlines;
    for (std::size_t i = firstWait; i < all.size(); ++i) waits.push_back(all[i] - since);
    return waits;
}

namespace {
const std::string CRLF = "\r\n";

std::string summary() {
    return "Summary of the action.." + CRLF +
           "There were no raises preflop, everyone smooth called the blinds. "
           "sharky (JJ) could have raised preflop to try to thin the field but he played "
           "conservatively. "
           "At the flop, whaland tried a bluff but got called by sharky and mackarelli. "
           "Again, sharky should have raised on the flop but decided to slow play his trips. "
           "whaland has nothing so he is not about to bet or call and ends up folding on the "
           "turn. "
           "The turn gives mackarelli a gutshot straight draw so she hangs around for the river. "
           "The river gives mackarelli her miracle 'runner runner' gutshot "
           "so she gleefully pulls a check-raise routine on the unsuspecting sharky. "
           "sharky bets and is blindsided by a most unwelcome raise. "
           "sharky notices (too late) that the board shows 4 to a str8 and figures he is beat. "
           "But he is in too deep to fold with trips so he reluctantly calls. "
           "Losing with trips to a runner runner gutshot could qualify as a bad beat "
           "mackarelli had no business being in that hand. "
           "but sharky shares some blame for slow playing and letting mackarelli in cheap. "
           "In the long run, calling with 10-4 is a good way to go broke. "
           "but at the low limit tables, the action is wild and loose. "
           "and such are the ways of Texas Hold'em. "
           "A hand can go from worthless on the flop to a monster by the river. "
           "These crazy swings in the value of a hand make Texas Hold'em an addictively exciting "
           "and exhilarating game when the cards hit, and a maddening exercise in futility when "
           "the bad luck streaks strike. "
           "sharky being the gentleman that he is, politely types 'nice hand' "
           "while yelling 'you lucky (bleep bleep) at the monitor :-)";
}
}  // namespace

std::string expectedComments(int step) {
    switch (step) {
        case 1:
            return " Here is a sample commented demonstration of an online low limit 50c/$1 "
                   "Texas Hold'em Poker game" +
                   CRLF + " (click next  to continue)";
        case 2:
            return " A new game starts with the clockwise rotation of the dealer position "
                   "(button) The blinds (mandatory bets) are posted by the 2 players next to the "
                   "dealer, and each player is dealt 2 cards" +
                   CRLF + "  (click next to continue)";
        case 3:
            return " After the cards are dealt, a round of betting follows. The blinds have each "
                   "already posted a bet, so the first person to act is the player immediately "
                   "next to the big blind (mackarelli). The action proceeds clockwise until every "
                   "player either (a) Calls the big blind amount (or any amount equal to any "
                   "raises) (b) Raises or (c) Folds ";
        case 4:
            return CRLF + " mackarelli calls";
        case 5:
            return CRLF + " whaland calls";
        case 6:
            return CRLF + " McCoddy folds";
        case 7:
            return CRLF + " flounders folds";
        case 8:
            return CRLF + " tunasia calls";
        case 9:
            return CRLF + " sharky calls";
        case 10:
            return "Jonah who posted the small blind has the option to call and make it a full "
                   "bet or fold. Bassinger who posted the big blind has the option to raise or "
                   "just check if there were no raises by anyone else. Jonah calls and Bassinger "
                   "checks.";
        case 11:
            return " We have a flop and a new round of betting starts. This time there are no "
                   "mandatory blind bets and the first person to act is the small blind (Jonah).  "
                   "At this stage the options are (a) Check (b) Bet or (c) Fold. If someone does "
                   "make a bet, then everyone else will have to call (or raise) to stay in the "
                   "hand";
        case 12:
            return CRLF + "Jonah checks";
        case 13:
            return CRLF + "bassinger checks";
        case 14:
            return CRLF + "mackarelli checks";
        case 15:
            return CRLF + "whaland bets";
        case 16:
            return CRLF + "tunasia folds";
        case 17:
            return CRLF + "sharky calls";
        case 18:
            return CRLF + "Jonah folds";
        case 19:
            return CRLF + "bassinger folds";
        case 20:
            return CRLF + "mackarelli calls";
        case 21:
            return "The fourth card on the board is the 'turn' or sometimes called '4th street'. "
                   "Another betting round starts with the minimum bets and raises now increased "
                   "to the higher level of $1 "
                   "This is how limit poker betting structure is different from no limit variety "
                   "where anyone can bet as much as they like.  Preflop and at the flop, the "
                   "betting is limited to the lower number "
                   "and the maximum bets and raises allowed per round is 4. "
                   "bet->raise->reraise->reraise->call.  This makes it possible to play without "
                   "losing all your money in one round. "
                   "and if you are at a full table, with alot of action, you can win some nice "
                   "pots without risking too many for your chips.  Low limit games of 25c and 50c "
                   "are very popular online ";
        case 22:
            return CRLF + "mackarelli checks";
        case 23:
            return CRLF +
                   "whaland checks (probably was bluffing on the flop or has a weak underpair)";
        case 24:
            return CRLF + "sharky bets";
        case 25:
            return CRLF + "mackarelli calls";
        case 26:
            return CRLF + "whaland folds";
        case 27:
            return "The fifth and final community card on the board is the 'river'. Another "
                   "betting round starts with the minimum bet at $1";
        case 28:
            return CRLF + "mackarelli checks";
        case 29:
            return CRLF + "sharky bets";
        case 30:
            return CRLF + "mackarelli raises";
        case 31:
            return "sharky calls - sharky (JJ) has a strong hand and would normally reraise,  "
                   "but with 4 to a straight showing on the board, he knows better ";
        case 32:
            return CRLF + "Showdown: mackarelli wins with a straight";
        case 33:
            return summary();
        case 34:
            return "Ready to play poker online ? " + CRLF + "Silver Quill Poker has free games," +
                   CRLF + "free $1000 practice play chips " + CRLF +
                   " and a free lunch buffet (ok ok :-) no free lunch buffet but its a great "
                   "place to play poker. Click the link below and check em out ";
    }
    return {};
}

}  // namespace tutor::testing
