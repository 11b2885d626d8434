#include "engine/model/random.h"

#include <gtest/gtest.h>

using namespace bm;

TEST(Random, RepeatsTheSameSequenceFromTheStartState) {
    ResetRandom();
    // state 1 -> 1 * 22695477 + 1 = 22695478; bits 16..30 give 346.
    EXPECT_EQ(NextRandom(), 346);
    const int second = NextRandom();
    ResetRandom();
    NextRandom();
    EXPECT_EQ(NextRandom(), second);
    ResetRandom();
    for (int i = 0; i < 1000; ++i) {
        const int r = RandomBelow(3, 700);
        ASSERT_GE(r, 3);
        ASSERT_LE(r, 3 + 255);
    }
}
