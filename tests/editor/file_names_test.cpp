// The file names the editor builds for a team when it loads it.
#include "editor/file_names.h"

#include <gtest/gtest.h>

TEST(FileNames, CorrectionKeepsOnlyTheAllowedCharactersOfTheNamePart) {
    EXPECT_EQ(CorrectedFileName("Sao Joao (B)!.kbt", "kbt"), "SaoJoaoB.kbt");
    EXPECT_EQ(CorrectedFileName("a-b_c.9.kbt", "kbt"), "a-b_c.9.kbt");
    EXPECT_EQ(CorrectedFileName("\xC1gua.kot", "kot"), "gua.kot");
    EXPECT_EQ(CorrectedFileName("  .kbt", "kbt"), "team.kbt");
    EXPECT_EQ(CorrectedFileName("", "kbt"), "team.kbt");
}

TEST(FileNames, TeamNamesDropBlanksDotsAndBackslashesAndLowerTheRest) {
    EXPECT_EQ(FileNameFromShortName("Real S.C. Norte", "kbt"), "Realscnorte.kbt");
    EXPECT_EQ(FileNameFromShortName("AB\\CD", "kot"), "Abcd.kot");
    EXPECT_EQ(FileNameFromShortName("", "kbt"), ".kbt");
}

TEST(FileNames, NameAndExtensionSplitAtTheLastDot) {
    EXPECT_EQ(FileNamePart("a.b.kbt"), "a.b");
    EXPECT_EQ(FileExtensionPart("a.b.kbt"), "kbt");
    EXPECT_EQ(FileNamePart("plain"), "plain");
    EXPECT_EQ(FileExtensionPart("plain"), "");
}
