#include "engine/reports/pages.h"

#include <gtest/gtest.h>

using namespace bm;

namespace {

std::vector<std::string> Numbered(const std::string& prefix, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

} // namespace

TEST(Pages, FillsPagesToTwoLinesShortOfTheirSize) {
    const auto pages = PaginateLines(Numbered("L", 17), 8, false);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], Numbered("L", 6));
    EXPECT_EQ(pages[2], (PrintPage{"L13", "L14", "L15", "L16", "L17"}));
    EXPECT_TRUE(PaginateLines({}, 8, false).empty());
    EXPECT_TRUE(PaginateLines({"", "", ""}, 8, false).empty());
}

TEST(Pages, BlankLinesAtThePageTopAreSkipped) {
    const auto pages =
        PaginateLines(Joined({Numbered("A", 4), {"", ""}, Numbered("B", 2)}), 6, false);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], Numbered("A", 4));
    EXPECT_EQ(pages[1], Numbered("B", 2));
}

TEST(Pages, MarkerLinesStartANewPageAndAreNotPrinted) {
    const std::vector<std::string> lines =
        Joined({Numbered("A", 3), {"<NP>"}, Numbered("B", 2), {"<NP> club"}, Numbered("C", 1)});
    const auto pages = PaginateLines(lines, 40, false);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], Numbered("A", 3));
    EXPECT_EQ(pages[1], Numbered("B", 2));
    EXPECT_EQ(pages[2], Numbered("C", 1));
    // "<NP" is too short to be a marker, "x<NP>" does not begin with one.
    EXPECT_EQ(PaginateLines({"<NP", "x<NP>"}, 40, false),
              (std::vector<PrintPage>{{"<NP", "x<NP>"}}));
}

TEST(Pages, AMarkerAtThePageTopGivesNoEmptyPage) {
    // The first page is full just before the marker, and the report starts with one.
    const std::vector<std::string> lines =
        Joined({{"<NP>"}, Numbered("A", 4), {"<NP>", "<NP>"}, Numbered("B", 1)});
    const auto pages = PaginateLines(lines, 6, false);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], Numbered("A", 4));
    EXPECT_EQ(pages[1], Numbered("B", 1));
}

TEST(Pages, BlocksStayTogetherWhenSplittingOnBlankLines) {
    const std::vector<std::string> lines =
        Joined({Numbered("A", 3), {""}, Numbered("B", 3), {""}, Numbered("C", 2)});
    // Pages of five lines: without the setting B is cut after B1.
    const auto filled = PaginateLines(lines, 7, false);
    ASSERT_EQ(filled.size(), 2u);
    EXPECT_EQ(filled[0], (PrintPage{"A1", "A2", "A3", "", "B1"}));
    const auto blocks = PaginateLines(lines, 7, true);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0], Numbered("A", 3));
    EXPECT_EQ(blocks[1], (PrintPage{"B1", "B2", "B3"}));
    EXPECT_EQ(blocks[2], Numbered("C", 2));
    // A page that ends exactly before a blank line is not shortened.
    EXPECT_EQ(PaginateLines(Joined({Numbered("A", 5), {""}, Numbered("B", 1)}), 7, true)[0],
              Numbered("A", 5));
    // A block longer than a page is cut where the page is full.
    EXPECT_EQ(PaginateLines(Numbered("A", 9), 7, true)[0], Numbered("A", 5));
}

TEST(Pages, AMarkerEndsThePageEvenWhenBlocksAreKeptTogether) {
    const std::vector<std::string> lines =
        Joined({Numbered("A", 2), {""}, Numbered("B", 2), {"<NP>"}, Numbered("C", 2)});
    const auto pages = PaginateLines(lines, 40, true);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], (PrintPage{"A1", "A2", "", "B1", "B2"}));
    EXPECT_EQ(pages[1], Numbered("C", 2));
}

TEST(Pages, HugeFontsStillPrintOneLinePerPage) {
    for (int perPage : {-5, 0, 1, 2, 3}) {
        const auto pages = PaginateLines(Numbered("L", 3), perPage, true);
        ASSERT_EQ(pages.size(), 3u) << perPage;
        EXPECT_EQ(pages[1], PrintPage{"L2"});
    }
}
