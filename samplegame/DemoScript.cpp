#include "samplegame/DemoScript.h"

#include <vector>

namespace tutor::demo {

const char* const kPokerRoom = "Silver Quill Poker";

namespace {

const std::string CRLF = "\r\n";

std::vector<Step> buildScript() {
    using A = Animation;
    auto says = [](const std::string& action) { return CRLF + action; };
    auto tell = [](Animation animation, std::string text) {
        Step s;
        s.animation = animation;
        s.commentary = std::move(text);
        return s;
    };
    auto act = [](std::string text, int seat, std::string caption, bool folds = false) {
        Step s;
        s.commentary = std::move(text);
        s.seat = seat;
        s.caption = std::move(caption);
        s.folds = folds;
        return s;
    };
    std::vector<Step> s(kSteps + 1);
    s[1] = tell(A::None,
                " Here is a sample commented demonstration of an online low limit 50c/$1 Texas "
                "Hold'em Poker game" +
                    CRLF + " (click next  to continue)");
    s[2] =
        tell(A::None,
             " A new game starts with the clockwise rotation of the dealer position (button) The "
             "blinds (mandatory bets) are posted by the 2 players next to the dealer, and each "
             "player is dealt 2 cards" +
                 CRLF + "  (click next to continue)");
    s[3] =
        tell(A::DealNewHand,
             " After the cards are dealt, a round of betting follows. The blinds have each already "
             "posted a bet, so the first person to act is the player immediately next to the big "
             "blind (mackarelli). The action proceeds clockwise until every player either (a) "
             "Calls the big blind amount (or any amount equal to any raises) (b) Raises or (c) "
             "Folds ");
    s[4] = act(says(" mackarelli calls"), 2, "50c");
    s[5] = act(says(" whaland calls"), 3, "50c");
    s[6] = act(says(" McCoddy folds"), 4, "folded", true);
    s[7] = act(says(" flounders folds"), 5, "folded", true);
    s[8] = act(says(" tunasia calls"), 6, "50c");
    s[9] = act(says(" sharky calls"), 7, "50c");
    s[10] =
        act("Jonah who posted the small blind has the option to call and make it a full bet or "
            "fold. Bassinger who posted the big blind has the option to raise or just check if "
            "there were no raises by anyone else. Jonah calls and Bassinger checks.",
            0, "50c");
    s[11] =
        tell(A::ShowFlop,
             " We have a flop and a new round of betting starts. This time there are no mandatory "
             "blind bets and the first person to act is the small blind (Jonah).  At this stage "
             "the options are (a) Check (b) Bet or (c) Fold. If someone does make a bet, then "
             "everyone else will have to call (or raise) to stay in the hand");
    s[12] = act(says("Jonah checks"), 0, "chk");
    s[13] = act(says("bassinger checks"), 1, "chk");
    s[14] = act(says("mackarelli checks"), 2, "chk");
    s[15] = act(says("whaland bets"), 3, "50c");
    s[16] = act(says("tunasia folds"), 6, "folds", true);
    s[17] = act(says("sharky calls"), 7, "50c");
    s[18] = act(says("Jonah folds"), 0, "folds", true);
    s[19] = act(says("bassinger folds"), 1, "folds", true);
    s[20] = act(says("mackarelli calls"), 2, "50c");
    s[21] =
        tell(A::ShowTurn,
             std::string("The fourth card on the board is the 'turn' or sometimes called '4th "
                         "street'. ") +
                 "Another betting round starts with the minimum bets and raises now increased to "
                 "the higher level of $1 " +
                 "This is how limit poker betting structure is different from no limit variety "
                 "where anyone can bet as much as they like.  Preflop and at the flop, the "
                 "betting is limited to the lower number " +
                 "and the maximum bets and raises allowed per round is 4. "
                 "bet->raise->reraise->reraise->call.  This makes it possible to play without "
                 "losing all your money in one round. " +
                 "and if you are at a full table, with alot of action, you can win some nice pots "
                 "without risking too many for your chips.  Low limit games of 25c and 50c are "
                 "very popular online ");
    s[22] = act(says("mackarelli checks"), 2, "chk");
    s[23] = act(says("whaland checks (probably was bluffing on the flop or has a weak underpair)"),
                3, "chk");
    s[24] = act(says("sharky bets"), 7, "$1");
    s[25] = act(says("mackarelli calls"), 2, "$1");
    s[26] = act(says("whaland folds"), 3, "folds", true);
    s[27] = tell(A::ShowRiver,
                 "The fifth and final community card on the board is the 'river'. Another betting "
                 "round starts with the minimum bet at $1");
    s[28] = act(says("mackarelli checks"), 2, "chk");
    s[29] = act(says("sharky bets"), 7, "$1");
    s[30] = act(says("mackarelli raises"), 2, "$2");
    s[31] =
        act("sharky calls - sharky (JJ) has a strong hand and would normally reraise,  but with 4 "
            "to a straight showing on the board, he knows better ",
            7, "$2");
    s[32] = tell(A::ShowShowdown, says("Showdown: mackarelli wins with a straight"));
    s[33] = tell(A::None, "Summary of the action..");
    s[34] = tell(A::None, "Ready to play poker online ? " + CRLF + kPokerRoom + " has free games," +
                              CRLF + "free $1000 practice play chips " + CRLF +
                              " and a free lunch buffet (ok ok :-) no free lunch buffet but its a "
                              "great place to play poker. Click the link below and check em out ");
    return s;
}

}  // namespace

const Step& step(int number) {
    static const std::vector<Step> script = buildScript();
    if (number < 1 || number > kSteps) number = 1;
    return script[static_cast<std::size_t>(number)];
}

const std::array<std::string, 21>& summaryAdditions() {
    static const std::array<std::string, 21> pieces = {
        CRLF + "There were no raises preflop, everyone smooth called the blinds. ",
        "sharky (JJ) could have raised preflop to try to thin the field but he played "
        "conservatively. ",
        "At the flop, whaland tried a bluff but got called by sharky and mackarelli. ",
        "Again, sharky should have raised on the flop but decided to slow play his trips. ",
        "whaland has nothing so he is not about to bet or call and ends up folding on the turn. ",
        "The turn gives mackarelli a gutshot straight draw so she hangs around for the river. ",
        "The river gives mackarelli her miracle 'runner runner' gutshot ",
        "so she gleefully pulls a check-raise routine on the unsuspecting sharky. ",
        "sharky bets and is blindsided by a most unwelcome raise. ",
        "sharky notices (too late) that the board shows 4 to a str8 and figures he is beat. ",
        "But he is in too deep to fold with trips so he reluctantly calls. ",
        "Losing with trips to a runner runner gutshot could qualify as a bad beat ",
        "mackarelli had no business being in that hand. ",
        "but sharky shares some blame for slow playing and letting mackarelli in cheap. ",
        "In the long run, calling with 10-4 is a good way to go broke. ",
        "but at the low limit tables, the action is wild and loose. ",
        "and such are the ways of Texas Hold'em. ",
        "A hand can go from worthless on the flop to a monster by the river. ",
        "These crazy swings in the value of a hand make Texas Hold'em an addictively exciting and "
        "exhilarating game when the cards hit, and a maddening exercise in futility when the bad "
        "luck streaks strike. ",
        "sharky being the gentleman that he is, politely types 'nice hand' ",
        "while yelling 'you lucky (bleep bleep) at the monitor :-)",
    };
    return pieces;
}

const std::array<Seat, kSeats>& seats() {
    static const std::array<Seat, kSeats> table = {{
        {"Jonah", "$72", 2850, 4950, 2190, 4755},
        {"bassinger", "$13", 1965, 3585, 1305, 3390},
        {"mackarelli", "$56", 2565, 2070, 1905, 1815},
        {"whaland", "$26", 3900, 1785, 3690, 1155},
        {"McCoddy", "$18", 5910, 1755, 5715, 1110},
        {"flounders", "$39", 7470, 2415, 7230, 1785},
        {"tunasia", "$25", 7500, 3615, 7830, 3405},
        {"sharky", "$12", 6585, 5010, 6945, 4815},
    }};
    return table;
}

}  // namespace tutor::demo
