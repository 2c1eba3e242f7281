#include "foundation/money_format.h"

#include "foundation/texts.h"
#include "labels_test_files.h"

#include <gtest/gtest.h>

namespace {
// A labels file whose money words are texts 189 to 197 as given.
class MoneyTest : public ::testing::Test {
protected:
    void UseWords(const std::vector<std::string>& words) {
        std::vector<std::string> texts(200);
        for (std::size_t i = 0; i < words.size(); ++i) texts[188 + i] = words[i];
        WriteTexts(folder.File("labels.kbl"), texts);
        OpenLabelsFile(folder.File("labels.kbl"));
        FillTextSlots();
    }
    void TearDown() override { CloseLabelsFile(); }
    TempFolder folder;
};

TEST_F(MoneyTest, NumericStyleUnlessText189BeginsWithA) {
    UseWords({"Numbers", "zero", "minus", "K"});
    EXPECT_EQ(FormatMoney(1234567, "$"), "1 234 567 $");
    EXPECT_EQ(FormatMoney(-1500, "$"), "-1 500 $");
    EXPECT_EQ(FormatMoney(0, "EUR"), "0 EUR");
    EXPECT_EQ(FormatMoney(500000, " EUR"), "500 000 EUR"); // a suffix with its blank gets no second one
    UseWords({"a lower-case a", "zero"});
    EXPECT_EQ(FormatMoney(999, "$"), "999 $");
}

TEST_F(MoneyTest, WordsStyle) {
    UseWords({"A", "nothing", "minus", " thousand", "one million", "one million and", "million", "exactly",
              "and"});
    EXPECT_EQ(FormatMoney(0, "$"), "nothing");
    EXPECT_EQ(FormatMoney(1500, "$"), " thousand$"); // 1000 to 1999: the hundreds are dropped
    EXPECT_EQ(FormatMoney(1000, "$"), " thousand$");
    EXPECT_EQ(FormatMoney(25000, "$"), "25  thousand$");
    EXPECT_EQ(FormatMoney(999999, "$"), "999  thousand$");
    EXPECT_EQ(FormatMoney(1000000, "$"), "one million$");
    EXPECT_EQ(FormatMoney(1500000, "$"), "one million and 500  thousand$");
    EXPECT_EQ(FormatMoney(2500000, "$"), "2 million and 500  thousand$");
    EXPECT_EQ(FormatMoney(3000000, "$"), "3 million exactly$");
    EXPECT_EQ(FormatMoney(12001000, "$"), "12 million and  thousand$");
    EXPECT_EQ(FormatMoney(-2500000, "$"), "minus 2 million and 500  thousand$");
    EXPECT_EQ(FormatMoney(-1500, "$"), "minus  thousand$");
}

TEST_F(MoneyTest, LongWordsAreCutToTheirSlot) {
    // 25 characters: the slot keeps 20, the blank after it stays.
    UseWords({"A", "nothing", "negative-negative-minus", "K", "M", "one-million-and-more-text"});
    EXPECT_EQ(FormatMoney(-5000, "$"), "negative-negative-mi 5 K$");
    EXPECT_EQ(FormatMoney(1002000, "$"), "one-million-and-more 2 K$");
}
} // namespace
