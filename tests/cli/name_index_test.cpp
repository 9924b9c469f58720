#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "cli/name_index.h"

using namespace velmar;

namespace {

// Names that differ only in case, which the real tables happen not to have.
const NameIndex Index({"Réaumur", "meter²", "Stone", "stone", "STONE", "kilometer", "kiloparsec"});

TEST(NameIndex, ExactMatchesWinThenUniqueCaseInsensitiveOnes)
{
    struct Case {
        std::string_view Query;
        MatchStatus Status;
        int Index;
    };
    for (const Case& c : std::vector<Case>{
             {"stone", MatchStatus::Found, 3},
             {"STONE", MatchStatus::Found, 4},
             {"Stone", MatchStatus::Found, 2},
             {"sTONE", MatchStatus::Ambiguous, -1},
             {"réaumur", MatchStatus::Found, 0},
             {"RÉAUMUR", MatchStatus::Found, 0},
             {"REAUMUR", MatchStatus::Unknown, -1},
             {"METER²", MatchStatus::Found, 1},
             {"meter", MatchStatus::Unknown, -1},
             {"", MatchStatus::Unknown, -1},
             {std::string_view("R\xC3", 2), MatchStatus::Unknown, -1},
         }) {
        const NameMatch match = Index.find(c.Query);
        EXPECT_EQ(match.Status, c.Status) << c.Query;
        EXPECT_EQ(match.Index, c.Index) << c.Query;
    }
}

TEST(NameIndex, CandidatesNarrowToWhatTheUserProbablyMeant)
{
    using Names = std::vector<std::string_view>;
    EXPECT_EQ(Index.candidatesFor("sTONE"), (Names{"Stone", "stone", "STONE"}));
    EXPECT_EQ(Index.candidatesFor("KILO"), (Names{"kilometer", "kiloparsec"}));
    EXPECT_EQ(Index.candidatesFor("ton"), (Names{"Stone", "stone", "STONE"}));
    EXPECT_EQ(Index.candidatesFor("mile").size(), 7u);
    EXPECT_EQ(Index.candidatesFor("").size(), 7u);
}

} // namespace
