#include "foundation/kol_list.h"
#include "foundation/kol_object.h"

#include <gtest/gtest.h>

namespace {
int g_alive = 0;

class TItem : public TKolObject {
public:
    TItem(std::string n, int k = 0) : name(std::move(n)), key(k) { ++g_alive; }
    ~TItem() override { --g_alive; }
    std::string GetListText(int mask) const override { return name + "/" + std::to_string(mask); }
    std::string GetListTextEx(int mask, int selector) const override {
        return selector == 0 ? GetListText(mask) : name + "#" + std::to_string(selector);
    }
    std::string name;
    int key;
};

std::string Names(const TKolList<TItem>& list) {
    std::string out;
    for (TItem* item : list) out += item ? item->name : std::string("-");
    return out;
}

class KolListTest : public ::testing::Test {
protected:
    void SetUp() override { g_alive = 0; }
    void TearDown() override { EXPECT_EQ(g_alive, 0) << "an object leaked or was freed twice"; }
};
} // namespace

// ---- ownership --------------------------------------------------------------------------------------------

TEST_F(KolListTest, OwningListFreesWhatItHoldsAndNothingItHandedBack) {
    TItem* kept = nullptr;
    TItem* taken = nullptr;
    {
        TKolList<TItem> list(true);
        list.Add(new TItem("a"));
        list.Add(new TItem("b"));
        list.Add(new TItem("c"));
        list.Add(new TItem("d"));
        list.Add(nullptr);
        list.Delete(0); // frees a
        EXPECT_EQ(g_alive, 3);
        kept = list.Extract(0); // b handed back
        taken = list.Take(0);   // c handed back, nil left in place
        EXPECT_EQ(Names(list), "-d-");
        list.Put(1, new TItem("e")); // frees d
        EXPECT_EQ(g_alive, 3);
        EXPECT_EQ(Names(list), "-e-");
    }
    EXPECT_EQ(g_alive, 2);
    delete kept;
    delete taken;
}

TEST_F(KolListTest, NonOwningListNeverFrees) {
    TItem a("a"), b("b");
    {
        TKolList<TItem> list;
        list.Add(&a);
        list.Add(&b);
        list.Delete(0);
        list.Put(0, &a);
        list.Clear();
        list.Add(&b);
    }
    EXPECT_EQ(g_alive, 2);
}

TEST_F(KolListTest, MoveAndIndexHelpersKeepOrder) {
    TKolList<TItem> list(true);
    for (const char* n : {"a", "b", "c", "d"}) list.Add(new TItem(n));
    list.Move(0, 3);
    EXPECT_EQ(Names(list), "bcda");
    list.Insert(1, nullptr);
    EXPECT_EQ(list.IndexOf(nullptr), 1);
    list.Pack();
    EXPECT_EQ(Names(list), "bcda");
    EXPECT_THROW(list.Items(4), std::out_of_range);
    EXPECT_THROW(list.Delete(-1), std::out_of_range);
    EXPECT_THROW(list.Move(0, 4), std::out_of_range);
    EXPECT_EQ(Names(list), "bcda");
    TKolList<TItem> moved(std::move(list));
    EXPECT_EQ(moved.Count(), 4);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(KolListTest, ReorderTakesOnlyAPermutationOfTheEntries) {
    TKolList<TItem> list(true);
    for (const char* n : {"a", "b", "c"}) list.Add(new TItem(n));
    list.Add(nullptr);
    TItem* a = list[0];
    TItem* b = list[1];
    TItem* c = list[2];
    list.Reorder({c, nullptr, a, b});
    EXPECT_EQ(Names(list), "c-ab");
    TItem stranger("x");
    for (const std::vector<TItem*>& wrong :
         std::vector<std::vector<TItem*>>{{c, a, b},                   // one short
                                          {c, a, b, nullptr, nullptr}, // one more
                                          {c, a, a, nullptr},          // one twice, one missing
                                          {c, a, &stranger, nullptr}}) // one not in the list
        EXPECT_THROW(list.Reorder(wrong), std::invalid_argument);
    EXPECT_EQ(Names(list), "c-ab");
}

TEST_F(KolListTest, LimitedListDropsAndDestroysTheOldest) {
    TKolLimitedList<TItem> list(2);
    list.Add(new TItem("a"));
    list.Add(new TItem("b"));
    list.Add(new TItem("c"));
    EXPECT_EQ(Names(list), "bc");
    EXPECT_EQ(g_alive, 2);
    // Through the base class too: the limit is part of the list, not of the caller.
    TKolList<TItem>& base = list;
    base.Add(new TItem("d"));
    EXPECT_EQ(Names(list), "cd");
    EXPECT_EQ(g_alive, 2);
}

TEST_F(KolListTest, LimitedListWithLimitZeroNeverDrops) {
    TKolLimitedList<TItem> list(0);
    for (int i = 0; i < 300; ++i) list.Add(new TItem("x"));
    EXPECT_EQ(list.Count(), 300);
    TKolLimitedList<TItem> negative(-1);
    for (int i = 0; i < 3; ++i) negative.Add(new TItem("y"));
    EXPECT_EQ(negative.Count(), 3);
}

// ---- algorithms that pack first
// -------------------------------------------------------------------------------

TEST_F(KolListTest, CountForEachAndFindFirstPackNilEntriesAway) {
    TKolList<TItem> list(true);
    list.Add(nullptr);
    list.Add(new TItem("a", 1));
    list.Add(nullptr);
    list.Add(new TItem("b", 2));
    list.Add(new TItem("c", 3));
    EXPECT_EQ(CountIf(list, [](TItem* i) { return i->key >= 2; }), 2);
    EXPECT_EQ(list.Count(), 3);

    list.Add(nullptr);
    std::string seen;
    ForEach(list, [&](TItem* i) { seen += i->name; });
    EXPECT_EQ(seen, "abc");
    EXPECT_EQ(list.Count(), 3);

    list.Insert(0, nullptr);
    EXPECT_EQ(FindFirstThat(list, [](TItem* i) { return i->key >= 2; })->name, "b");
    EXPECT_EQ(FindFirstThat(list, [](TItem* i) { return i->key > 5; }), nullptr);
    EXPECT_EQ(Names(list), "abc");
}

TEST_F(KolListTest, FindBestKeepsTheFirstOfEqualBests) {
    TKolList<TItem> list(true);
    EXPECT_EQ(FindBest(list, [](TItem*, TItem*) { return true; }), nullptr);
    list.Add(new TItem("a", 1));
    list.Add(new TItem("b", 5));
    list.Add(new TItem("c", 5));
    list.Add(new TItem("d", 2));
    EXPECT_EQ(FindBest(list, [](TItem* x, TItem* best) { return x->key > best->key; })->name, "b");
    EXPECT_EQ(FindBest(list, [](TItem* x, TItem* best) { return x->key >= best->key; })->name, "c");
    // The first item is the best until beaten, even when the predicate would never pick it.
    EXPECT_EQ(FindBest(list, [](TItem*, TItem*) { return false; })->name, "a");
}

// ---- sort and shuffle
// --------------------------------------------------------------------------------------

TEST_F(KolListTest, SortWithNonStrictPredicateKeepsEqualItemsInOrder) {
    TKolList<TItem> list(true);
    const int keys[] = {3, 1, 3, 2, 1, 3};
    const char* names[] = {"a", "b", "c", "d", "e", "f"};
    for (int i = 0; i < 6; ++i) list.Add(new TItem(names[i], keys[i]));
    SortList(list, [](TItem* a, TItem* b) { return a->key <= b->key; });
    EXPECT_EQ(Names(list), "bedacf");
}

TEST_F(KolListTest, SortFollowsTheExchangeLoopsForStrictPredicates) {
    // Worked by hand: i=1: a=2 keeps (B,A2); a=1 swaps (A1,B) -> B A1 A2; i=2: a=2 swaps the equal A1, A2.
    TKolList<TItem> list(true);
    list.Add(new TItem("1", 1));
    list.Add(new TItem("B", 0));
    list.Add(new TItem("2", 1));
    SortList(list, [](TItem* a, TItem* b) { return a->key < b->key; });
    EXPECT_EQ(Names(list), "B21");
}

TEST_F(KolListTest, SortOfNineWithEqualKeysFollowsEveryExchange) {
    // Keys 2 1 2 0 1 2 1 0 2 under a strict predicate: equal neighbours are exchanged each time the inner
    // loop meets them, so the order of equal keys records every comparison (worked through pass by pass
    // for i = 1..8, a = 8 down to i). A true-for-equal predicate keeps the order of equal keys instead.
    const int keys[] = {2, 1, 2, 0, 1, 2, 1, 0, 2};
    const char* names[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    TKolList<TItem> strict(true);
    TKolList<TItem> stable(true);
    for (int i = 0; i < 9; ++i) {
        strict.Add(new TItem(names[i], keys[i]));
        stable.Add(new TItem(names[i], keys[i]));
    }
    SortList(strict, [](TItem* a, TItem* b) { return a->key < b->key; });
    EXPECT_EQ(Names(strict), "hdegbfcia");
    SortList(stable, [](TItem* a, TItem* b) { return a->key <= b->key; });
    EXPECT_EQ(Names(stable), "dhbegacfi");
}

TEST_F(KolListTest, ShuffleOfEmptyOrSingleListDrawsOnlyWhatItNeeds) {
    TKolList<TItem> list(true);
    SetRandSeed(99);
    ShuffleList(list);
    EXPECT_EQ(RandSeed(), 99u);
    list.Add(new TItem("a"));
    ShuffleList(list);
    EXPECT_EQ(Names(list), "a");
    // Three draws for one item: 99 stepped three times.
    std::uint32_t s = 99;
    for (int i = 0; i < 3; ++i) s = s * 134775813u + 1u;
    EXPECT_EQ(RandSeed(), s);
}

TEST_F(KolListTest, ShuffleFollowsTheDrawsOfTheProgramGenerator) {
    // Expected orders computed apart from this code from state * 134775813 + 1 and the upper-32-bit rule.
    TKolList<TItem> list(true);
    for (const char* n : {"A", "B", "C"}) list.Add(new TItem(n));
    SetRandSeed(12345);
    ShuffleList(list);
    EXPECT_EQ(Names(list), "CBA");
    EXPECT_EQ(RandSeed(), 138982102u);
}

TEST_F(KolListTest, ShuffleRemovesTheFirstOccurrenceOfADuplicate) {
    // The same object twice: taking out the drawn index instead of the first occurrence ends "XYX" here.
    TItem x("X"), y("Y");
    TKolList<TItem> list;
    list.Add(&x);
    list.Add(&y);
    list.Add(&x);
    SetRandSeed(6);
    ShuffleList(list);
    EXPECT_EQ(Names(list), "YXX");
}

TEST_F(KolListTest, FillListBoxPacksAndUsesSelectorA) {
    TKolList<TItem> list(true);
    list.Add(new TItem("a"));
    list.Add(nullptr);
    list.Add(new TItem("b"));
    std::vector<std::string> rows{"kept"};
    FillListBox(list, rows, 3);
    FillListBox(list, rows, 3, 7);
    EXPECT_EQ(rows, (std::vector<std::string>{"kept", "a/3", "b/3", "a#7", "b#7"}));
    EXPECT_EQ(list.Count(), 2);
}
