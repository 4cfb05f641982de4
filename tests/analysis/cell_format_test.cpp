#include "analysis/cell_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/analysis/analysis_fixture.h"

namespace velmora {
namespace {

using testing::Blanks;
using testing::Cat;

TEST(NumberText, WritesThousandsSeparatorsAndTheGivenDecimals) {
    EXPECT_EQ(NumberText(0), "0.00");
    EXPECT_EQ(NumberText(0.05), "0.05");
    EXPECT_EQ(NumberText(999.5, 0), "1,000");
    EXPECT_EQ(NumberText(1234567, 0), "1,234,567");
    EXPECT_EQ(NumberText(-1234567.891), "-1,234,567.89");
    EXPECT_EQ(NumberText(100, 0), "100");
    EXPECT_EQ(NumberText(123456.75, 1), "123,456.8");
    EXPECT_EQ(NumberText(1e20, 0), "100,000,000,000,000,000,000");
}

TEST(NumberText, RoundsDecimalTiesAwayFromZeroAndCarriesIntoTheSeparators) {
    EXPECT_EQ(NumberText(0.125), "0.13");
    EXPECT_EQ(NumberText(2.5, 0), "3");
    EXPECT_EQ(NumberText(-2.5, 0), "-3");
    EXPECT_EQ(NumberText(1.25, 1), "1.3");
    EXPECT_EQ(NumberText(999.995), "1,000.00");
    EXPECT_EQ(NumberText(99999.996), "100,000.00");
}

TEST(NumberText, AValueThatRoundsToZeroHasNoMinusSign) {
    EXPECT_EQ(NumberText(-0.004), "0.00");
    EXPECT_EQ(NumberText(-0.4, 0), "0");
    EXPECT_EQ(NumberText(-0.0), "0.00");
    EXPECT_EQ(NumberText(-0.006), "-0.01");
}

TEST(NumberText, LeftAlignsInAMinimumWidthAndCutsOnlyWhereAsked) {
    EXPECT_EQ(NumberLeft(-1.5, 6, 2), "-1.50 ");
    EXPECT_EQ(NumberLeft(1234567.5, 6, 2), "1,234,567.50");
    EXPECT_EQ(NumberCell(1234, 14, 0), Cat({" 1,234", Blanks(9)}));
    EXPECT_EQ(NumberCell(7, 10, 0), Cat({" 7", Blanks(9)}));
    EXPECT_EQ(NumberCell(1e15, 14, 0), " 1,000,000,000,0");
    EXPECT_EQ(FirstChars("abc", 16), "abc");
}

TEST(PercentCell, WritesTheExamplesOfTheGrid) {
    EXPECT_EQ(PercentCell(0.1234), Cat({Blanks(5), "12.34 %"}));
    EXPECT_EQ(PercentCell(0.0567), Cat({Blanks(7), "5.67 %"}));
    EXPECT_EQ(PercentCell(-0.05), Cat({Blanks(5), "- 5.00 %"}));
    EXPECT_EQ(PercentCell(0), Cat({Blanks(7), "0.00 %"}));
    EXPECT_EQ(PercentCell(1), Cat({Blanks(3), "100.00 %"}));
    EXPECT_EQ(PercentCell(-0.1234), Cat({Blanks(4), "-12.34 %"}));
    EXPECT_EQ(PercentCell(0.99994), Cat({Blanks(5), "99.99 %"}));
    EXPECT_EQ(PercentCell(0.00005), Cat({Blanks(7), "0.01 %"}));
}

TEST(PercentCell, OneHundredPercentAndMoreReadAsAWholePercentage) {
    EXPECT_EQ(PercentCell(0.99995), Cat({Blanks(3), "100.00 %"}));
    EXPECT_EQ(PercentCell(1.5), Cat({Blanks(3), "150.00 %"}));
    EXPECT_EQ(PercentCell(12.5), Cat({Blanks(2), "1250.00 %"}));
    // A loss of every dollar staked keeps its sign.
    EXPECT_EQ(PercentCell(-1), Cat({Blanks(2), "-100.00 %"}));
    EXPECT_EQ(PercentCell(-1.5), Cat({Blanks(2), "-150.00 %"}));
}

TEST(PercentCell, ValuesThatAreNotFiniteReadAsZero) {
    EXPECT_EQ(PercentCell(std::numeric_limits<double>::quiet_NaN()), Cat({Blanks(7), "0.00 %"}));
    EXPECT_EQ(PercentCell(std::numeric_limits<double>::infinity()), Cat({Blanks(7), "0.00 %"}));
    EXPECT_EQ(PercentCell(-std::numeric_limits<double>::infinity()), Cat({Blanks(7), "0.00 %"}));
}

TEST(DollarCell, MarginDependsOnSizeAndSign) {
    EXPECT_EQ(DollarCell(-0.004), Cat({"$", Blanks(5), "0.00", Blanks(10)}));
    EXPECT_EQ(DollarCell(0), Cat({"$", Blanks(5), "0.00", Blanks(10)}));
    EXPECT_EQ(DollarCell(9.5), Cat({"$", Blanks(5), "9.50", Blanks(10)}));
    EXPECT_EQ(DollarCell(-5), Cat({"$", Blanks(4), "-5.00", Blanks(9)}));
    EXPECT_EQ(DollarCell(-0.01), Cat({"$", Blanks(4), "-0.01", Blanks(9)}));
    EXPECT_EQ(DollarCell(-10), Cat({"$", Blanks(2), "-10.00", Blanks(8)}));
    EXPECT_EQ(DollarCell(-25), Cat({"$", Blanks(2), "-25.00", Blanks(8)}));
    EXPECT_EQ(DollarCell(250), Cat({"$", Blanks(3), "250.00", Blanks(8)}));
    EXPECT_EQ(DollarCell(10), Cat({"$", Blanks(3), "10.00", Blanks(9)}));
}

TEST(DollarCell, LargeAmountsGetSeparatorsAndOverflowTheirWidth) {
    EXPECT_EQ(DollarCell(1234567.891), Cat({"$", Blanks(3), "1,234,567.89", Blanks(2)}));
    EXPECT_EQ(DollarCell(-1234.5), Cat({"$", Blanks(2), "-1,234.50", Blanks(5)}));
    EXPECT_EQ(DollarCell(12345678901234.5), Cat({"$", Blanks(3), "12,345,678,901,234.50"}));
    EXPECT_EQ(DollarCell(std::nan("")), Cat({"$", Blanks(5), "0.00", Blanks(10)}));
}

TEST(AdvantageCell, NegativeAdvantageHasOneBlankLessInFront) {
    EXPECT_EQ(AdvantageCell(-1.5), Cat({Blanks(5), " -1.50 ", "%"}));
    EXPECT_EQ(AdvantageCell(2.5), Cat({Blanks(6), " 2.50 ", "%"}));
    EXPECT_EQ(AdvantageCell(0), Cat({Blanks(6), " 0.00 ", "%"}));
    EXPECT_EQ(AdvantageCell(12.5), Cat({Blanks(6), " 12.50", "%"}));
    EXPECT_EQ(AdvantageCell(-12.5), Cat({Blanks(5), " -12.50", "%"}));
}

TEST(RatioCell, LargerCountOverSmallerWithTheSignOfTheWinner) {
    EXPECT_EQ(RatioCell(3, 2), "+ 1.5 ");
    EXPECT_EQ(RatioCell(2, 3), "- 1.5 ");
    EXPECT_EQ(RatioCell(4, 4), "+ 1.0 ");
    EXPECT_EQ(RatioCell(1, 4), "- 4.0 ");
    EXPECT_EQ(RatioCell(5, 4), "+ 1.3 ");  // 1.25, a tie, rounds up
    EXPECT_EQ(RatioCell(1234, 1), "+ 1,234.0");
    EXPECT_EQ(RatioCell(0, 2), "");
    EXPECT_EQ(RatioCell(3, 0), "");
    EXPECT_EQ(RatioCell(-1, 2), "");
}

TEST(RunTimeText, HoursThenTwoDigitMinutesAndSeconds) {
    EXPECT_EQ(RunTimeText(1, 5, 9), "1:05:09");
    EXPECT_EQ(RunTimeText(0, 0, 0), "0:00:00");
    EXPECT_EQ(RunTimeText(123, 59, 10), "123:59:10");
}

}  // namespace
}  // namespace velmora
