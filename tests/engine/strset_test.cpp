#include "engine/model/strset.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;

namespace {

std::vector<std::string> TextsOf(const StrSet& set) {
    return set.Texts();
}

} // namespace

TEST(StrSet, AddGivesTheNextKeyAndKeysAreNeverShared) {
    StrSet set("Events", false);
    EXPECT_EQ(set.Add("A"), 1);
    EXPECT_EQ(set.AddWithKey(5, "B"), 5);
    EXPECT_EQ(set.AddWithKey(2, "C"), 2);
    EXPECT_EQ(set.Add("D"), 6);
    set.DeleteKey(6);
    EXPECT_EQ(set.Add("E"), 6);
    EXPECT_EQ(set.Add(""), -1);
    EXPECT_EQ(set.Count(), 4);
    StrSet negative("Clubs", false);
    negative.AddWithKey(-4, "X");
    EXPECT_EQ(negative.Add("Y"), 1);
    // No key follows the largest 32-bit key: the smallest free positive key is given.
    StrSet full("Events", false);
    full.AddWithKey(2147483647, "Top");
    full.AddWithKey(1, "One");
    EXPECT_EQ(full.Add("Next"), 2);
    EXPECT_EQ(full.Add("Then"), 3);
    EXPECT_EQ(full.TextOf(3), "Then");
}

TEST(StrSet, RepeatsRule) {
    StrSet unique("Clubs", false);
    unique.Add("Riverside");
    EXPECT_EQ(unique.Add("RIVERSIDE"), 1);
    EXPECT_EQ(unique.Count(), 1);
    EXPECT_EQ(unique.KeyOf("riverside"), 1);

    StrSet repeats("EntryFees", true);
    repeats.AddWithKey(1, "12.50");
    EXPECT_EQ(repeats.AddWithKey(3, "12.50"), 3);
    EXPECT_EQ(repeats.Count(), 2);
    repeats.AddWithKey(3, "10.00");
    EXPECT_EQ(repeats.Count(), 2);
    EXPECT_EQ(repeats.TextOf(3), "10.00");
}

TEST(StrSet, LookupsOfMissingEntries) {
    StrSet set("Events", false);
    set.Add("A");
    EXPECT_EQ(set.TextOf(9), "????");
    EXPECT_EQ(set.TextAt(1), "");
    EXPECT_EQ(set.TextAt(-1), "");
    EXPECT_EQ(set.KeyOf("B"), -1);
    EXPECT_EQ(set.IndexOfKey(9), -1);
    EXPECT_EQ(set.DeleteKey(9), -1);
    EXPECT_FALSE(set.HasKey(9));
    set.DeleteText("a");
    EXPECT_EQ(set.Count(), 0);
}

TEST(StrSet, SortsKeepKeysAndEqualOrder) {
    StrSet set("Clubs", false);
    set.Add("Zeta");
    set.Add("alpha");
    set.Add("Beta");
    set.SortAlphabetic();
    EXPECT_EQ(TextsOf(set), (std::vector<std::string>{"Beta", "Zeta", "alpha"}));
    EXPECT_EQ(set.Keys(), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(set.KeyOf("zeta"), 1);

    StrSet events("Events", false);
    for (const char* name : {"MS 4+", "Junk Event", "MS 8+", "MixS 8+", "WS 8+", "MS 4-"})
        events.Add(name);
    events.SortEventNames();
    EXPECT_EQ(TextsOf(events), (std::vector<std::string>{"MS 8+", "MS 4-", "MS 4+", "Junk Event",
                                                         "WS 8+", "MixS 8+"}));
}

TEST(StrSet, OrderOperations) {
    StrSet set("Events", false);
    set.Add("A");
    set.Add("B");
    set.Add("C");
    set.InsertAfter("A2", "A");
    EXPECT_EQ(TextsOf(set), (std::vector<std::string>{"A", "A2", "B", "C"}));
    set.SwapTexts("A", "C");
    EXPECT_EQ(TextsOf(set), (std::vector<std::string>{"C", "A2", "B", "A"}));
    set.Rename("b", "Bee");
    EXPECT_EQ(set.TextOf(2), "Bee");
    EXPECT_FALSE(set.Precedes(1, 1));
    EXPECT_TRUE(set.Precedes(3, 1));
    EXPECT_FALSE(set.Precedes(1, 3));
    EXPECT_TRUE(set.Precedes(1, 99));
    EXPECT_FALSE(set.Precedes(99, 1));
    EXPECT_EQ(set.MaxTextLength(), 3);
}

TEST(StrSet, WritesAndReadsItsLines) {
    StrSet set("Club Colours", true);
    set.AddWithKey(2, "Blue \"and\" white");
    set.AddWithKey(7, "Red");
    std::ostringstream out;
    set.WriteStrSet(out);
    EXPECT_EQ(out.str(), "StrSet: \"Club Colours\" \"2\" \"Blue 'and' white\"\n"
                         "StrSet: \"Club Colours\" \"7\" \"Red\"\n\n");
    StrSet read("Club Colours", true);
    ReadStrSetLine(read, R"(StrSet: "Club Colours" "2" "Blue")");
    ReadStrSetLine(read, R"(StrSet: "Clubs" "3" "Other set")");
    ReadStrSetLine(read, R"(StrSet: "Club Colours" "4" "")");
    ReadStrSetLine(read, R"(StrSet: "Club Colours" "2" "Green")");
    EXPECT_EQ(read.Count(), 1);
    EXPECT_EQ(read.TextOf(2), "Green");
}
