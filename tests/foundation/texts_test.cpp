#include "foundation/texts.h"

#include "foundation/errors.h"
#include "labels_test_files.h"

#include <gtest/gtest.h>

namespace {
// Line 3 is a raw short line, line 4 damaged (a coded line with its last byte changed), line 6 the last.
class LabelsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string damaged = EncodeLabelsLine("broken");
        damaged.back() = static_cast<char>(damaged.back() + 1);
        WriteRawLines(path, {EncodeLabelsLine("first"), "X", "ab", damaged, EncodeLabelsLine("fifth"),
                             EncodeLabelsLine("never read")});
    }
    TempFolder folder;
    std::string path = folder.File("labels.kbl");
};

TEST_F(LabelsFileTest, EmptyEntriesShortLinesAndTheLastLineGiveNoText) {
    TLabelsFile file(path);
    EXPECT_EQ(file.GetText(1), "first");
    EXPECT_EQ(file.GetText(2), "");
    EXPECT_EQ(file.GetText(3), "");
    EXPECT_EQ(file.GetText(5), "fifth");
    EXPECT_EQ(file.GetText(6), ""); // the last line: the file is at its end
    EXPECT_EQ(file.GetText(7), "");
    EXPECT_EQ(file.GetText(1000), "");
}

TEST_F(LabelsFileTest, ReadsForwardsAndRewindsOnlyForASmallerNumber) {
    TLabelsFile file(path);
    EXPECT_EQ(file.GetText(5), "fifth");
    EXPECT_EQ(file.LinesRead(), 5);
    EXPECT_EQ(file.GetText(5), "fifth"); // the same number again reads nothing
    EXPECT_EQ(file.LinesRead(), 5);
    EXPECT_EQ(file.GetText(1), "first"); // a smaller number rewinds
    EXPECT_EQ(file.LinesRead(), 1);
    EXPECT_EQ(file.GetText(100), "");
    EXPECT_EQ(file.LinesRead(), 6); // stops at the end of the file
    EXPECT_EQ(file.GetText(5), "fifth");
    EXPECT_EQ(file.GetText(0), ""); // rewinds to before line 1: nothing is left in the buffer
    EXPECT_EQ(file.LinesRead(), 0);
}

TEST_F(LabelsFileTest, ADamagedLineRaisesOnlyWhenItIsAskedFor) {
    TLabelsFile file(path);
    try {
        file.GetText(4);
        ADD_FAILURE() << "the damaged line was accepted";
    } catch (const EInvalidFile& e) {
        EXPECT_STREQ(e.what(), "Error in labels file");
    }
    EXPECT_EQ(file.GetText(5), "fifth");
}

TEST(LabelsFile, LinesEndedByLineFeedAloneReadTheSame) {
    TempFolder folder;
    WriteRawLines(folder.File("lf.kbl"), {EncodeLabelsLine("one"), EncodeLabelsLine("two"), "X"}, "\n");
    TLabelsFile file(folder.File("lf.kbl"));
    EXPECT_EQ(file.GetText(2), "two");
    EXPECT_EQ(file.GetText(1), "one");
}

TEST(LabelsFile, AMissingFileOrAFolderIsNotFound) {
    TempFolder folder;
    for (const std::string& path : {folder.File("missing.kbl"), folder.Path().string()}) {
        try {
            TLabelsFile file(path);
            ADD_FAILURE() << path << " was opened";
        } catch (const EFileNotFound& e) {
            EXPECT_EQ(e.what(), path + " not found or is invalid.");
        }
    }
}

TEST(CaptionAndHint, TheMarksSplitCaptionFromHint) {
    EXPECT_EQ(CaptionOfText("\xBBWord\xABSentence"), "Word");
    EXPECT_EQ(HintOfText("\xBBWord\xABSentence"), "Sentence ");
    EXPECT_EQ(CaptionOfText("Whole text"), "Whole text ");
    EXPECT_EQ(HintOfText("Whole text"), "Whole text ");
    // Without the closing mark the text stays whole, opening mark included.
    EXPECT_EQ(CaptionOfText("\xBBNo end"), "\xBBNo end ");
    EXPECT_EQ(HintOfText("\xBBNo end"), "\xBBNo end ");
    // Only the first closing mark splits; a closing mark without the opening one splits nothing.
    EXPECT_EQ(HintOfText("\xBB"
                         "a\xAB"
                         "b\xAB"
                         "c"),
              "b\xAB"
              "c ");
    EXPECT_EQ(CaptionOfText("a\xAB"
                            "b"),
              "a\xAB"
              "b ");
    EXPECT_EQ(CaptionOfText(""), " ");
}

class CurrentLabelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteTexts(folder.File("labels.kbl"), {"one",
                                               "\xBBOK\xAB"
                                               "Closes the window",
                                               "three", "", "five", ""});
        OpenLabelsFile(folder.File("labels.kbl"));
    }
    void TearDown() override { CloseLabelsFile(); }
    TempFolder folder;
};

TEST_F(CurrentLabelsTest, CaptionsAndHintsByNumber) {
    EXPECT_EQ(GetCaptionText(2), "OK");
    EXPECT_EQ(GetHintText(2), "Closes the window ");
    EXPECT_EQ(GetCaptionText(1), "one ");
    EXPECT_EQ(GetCaptionText(4), " ");
    EXPECT_EQ(GetCaptionText(0), "");
    EXPECT_EQ(GetHintText(0), "");
    EXPECT_EQ(GetCaptionText(-3), "");
    EXPECT_EQ(GetHintText(-3), "");
}

TEST_F(CurrentLabelsTest, NumberStrings) {
    EXPECT_EQ(GetTextByNumberString("3"), "three");
    EXPECT_EQ(GetTextByNumberString(" 5"), "five");
    EXPECT_EQ(GetTextByNumberString("+1"), "one");
    EXPECT_EQ(GetTextByNumberString(""), "");
    EXPECT_EQ(GetTextByNumberString("3a"), "");
    EXPECT_EQ(GetTextByNumberString("Three"), "");
    EXPECT_EQ(GetTextByNumberString("99999999999999999999"), "");
    EXPECT_EQ(GetTextByNumberString("-2"), "");
}

TEST(CurrentLabels, WithoutAFileEveryTextIsEmpty) {
    CloseLabelsFile();
    EXPECT_FALSE(LabelsFileIsOpen());
    EXPECT_EQ(GetText(1), "");
    EXPECT_EQ(GetCaptionText(1), " ");
    EXPECT_EQ(SlotText(190), "");
}

TEST(TextSlots, TheTableIsAscendingWithWidthsFrom1To30) {
    int previous = 0;
    for (const TTextSlot& slot : TextSlots()) {
        EXPECT_GT(slot.number, previous);
        EXPECT_GE(slot.width, 1);
        EXPECT_LE(slot.width, 30);
        previous = slot.number;
    }
}

TEST(TextSlots, SlotsAreReadOnceAndCutToTheirWidth) {
    TempFolder folder;
    std::vector<std::string> texts(200);
    texts[188] = "Amounts in words, a long text"; // line 189
    texts[189] = "nothing";                       // line 190
    texts[4] = "not a slot";                      // line 5
    WriteTexts(folder.File("labels.kbl"), texts);
    OpenLabelsFile(folder.File("labels.kbl"));
    const TTextSlot& first = TextSlots()[0];
    ASSERT_EQ(first.number, 189);
    EXPECT_EQ(SlotText(189), texts[188].substr(0, static_cast<std::size_t>(first.width)));
    FillTextSlots();
    // Once filled, a slot no longer reads the file: rewrite the open file with another text 190.
    texts[189] = "changed";
    WriteTexts(folder.File("labels.kbl"), texts);
    EXPECT_EQ(GetText(190), "changed");
    EXPECT_EQ(SlotText(190), "nothing");
    EXPECT_EQ(SlotText(189), texts[188].substr(0, static_cast<std::size_t>(first.width)));
    EXPECT_EQ(SlotText(5), "not a slot");
    // ...until another labels file is opened, which forgets them.
    WriteTexts(folder.File("other.kbl"), {"x"});
    OpenLabelsFile(folder.File("other.kbl"));
    EXPECT_EQ(SlotText(190), "");
    CloseLabelsFile();
}
} // namespace
