#include "foundation/kol_object.h"

#include <gtest/gtest.h>

namespace {
// Overrides only the plain row text, as most game classes do.
class TNamed : public TKolObject {
public:
    std::string GetListText(int mask) const override { return "row" + std::to_string(mask); }
};

class TCountingPort : public TColumnEditPort {
public:
    bool InputText(const std::string&, std::string&, int) override { return ++asked, true; }
    bool PickFromList(const std::string&, const std::vector<std::string>&, int&) override {
        return ++asked, true;
    }
    int asked = 0;
};
} // namespace

TEST(KolObjectTexts, DefaultsAnswerWithPlaceholders) {
    const TKolObject o;
    EXPECT_EQ(o.GetListText(7), "Kol Object");
    EXPECT_EQ(o.GetListTextEx(7, 0), "Kol Object");
    EXPECT_EQ(o.GetListTextEx(7, 1), "Kol Object Ex");
    EXPECT_EQ(o.GetListTextEx2(7, 1, 0), "Kol Object Ex");
    EXPECT_EQ(o.GetListTextEx2(7, 0, 3), "Kol Object Ex2");
    EXPECT_EQ(o.GetListTextEx3(7, 0, 2, 0), "Kol Object Ex3");
    EXPECT_EQ(o.GetExtraText(0), "");
}

TEST(KolObjectTexts, ZeroSelectorsReachTheOverriddenPlainText) {
    const TNamed o;
    EXPECT_EQ(o.GetListTextEx(5, 0), "row5");
    EXPECT_EQ(o.GetListTextEx2(5, 0, 0), "row5");
    // Selector C is never looked at.
    EXPECT_EQ(o.GetListTextEx3(5, 0, 0, 9), "row5");
    // A non-zero selector A still answers the Ex placeholder unless the class overrides GetListTextEx.
    EXPECT_EQ(o.GetListTextEx3(5, 4, 0, 0), "Kol Object Ex");
}

TEST(KolObjectTexts, AddListLineVariantsAppendTheMatchingText) {
    const TNamed o;
    std::vector<std::string> items{"first"};
    o.AddListLine(items, 1);
    o.AddListLineEx(items, 2, 1);
    o.AddListLineEx2(items, 3, 0, 1);
    o.AddListLinePlain(items, 4);
    EXPECT_EQ(items, (std::vector<std::string>{"first", "row1", "Kol Object Ex", "Kol Object Ex2", "row4"}));
}

TEST(KolObjectColumns, SetupColumnsClearsAndAddsTheNumberColumn) {
    const TKolObject o;
    TColumnList header{{"old", 80}};
    o.SetupColumns(header, false, 0, 0);
    EXPECT_TRUE(header.empty());
    o.SetupColumns(header, true, 0, 0);
    EXPECT_EQ(header, (TColumnList{{"", 25}}));
    TKolObject::AddColumn(header, "Name", 120);
    EXPECT_EQ(header.back(), (TColumnSpec{"Name", 120}));
    EXPECT_EQ(o.Columns(true), (TColumnList{{"", 25}}));
}

TEST(KolObjectDefaults, ColoursSortAndEdit) {
    TKolObject a;
    const TKolObject b;
    EXPECT_EQ(a.TextColor(), 0);
    EXPECT_EQ(a.BackColor(), 0);
    EXPECT_EQ(a.SelectedBackColor(), 0);
    const TKolOrder order = a.SortCompare("Name");
    ASSERT_TRUE(order);
    EXPECT_FALSE(order(&a, &b));
    EXPECT_FALSE(order(&b, &a));
    TCountingPort port;
    EXPECT_TRUE(a.EditColumn("Name", port));
    EXPECT_EQ(port.asked, 0);
}

TEST(KolbrinObject, InfoTextIsEmptyByDefault) {
    const TKolbrinObject o;
    EXPECT_EQ(o.GetInfoText(1, {"3"}), "");
    EXPECT_EQ(o.GetListText(0), "Kol Object");
}
