// The editor's stable sort gives the order the program's exchange sort gives, equal keys included.
#include "editor/list_sort.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
struct TItem {
    int key;
    int id;
};
} // namespace

TEST(ListSort, MatchesTheExchangeSortAndKeepsEqualKeysInOrder) {
    std::vector<std::unique_ptr<TItem>> owner;
    TKolList<TItem> a, b;
    std::uint32_t state = 7;
    for (int i = 0; i < 300; ++i) {
        state = state * 134775813u + 1u;
        owner.push_back(std::make_unique<TItem>(TItem{static_cast<int>((state >> 24) % 9), i}));
        a.Add(owner.back().get());
        b.Add(owner.back().get());
    }
    a.Add(nullptr); // a nil entry is packed away
    const auto inOrder = [](const TItem* x, const TItem* y) { return x->key <= y->key; };
    SortList(b, inOrder);
    StableSortList(a, inOrder);
    ASSERT_EQ(a.Count(), 300);
    for (int i = 0; i < 300; ++i) EXPECT_EQ(a[i], b[i]) << i;
    for (int i = 1; i < 300; ++i) {
        if (a[i - 1]->key == a[i]->key) {
            EXPECT_LT(a[i - 1]->id, a[i]->id);
        }
    }
    // A descending order written with ">=" works the same way.
    StableSortList(a, [](const TItem* x, const TItem* y) { return x->key >= y->key; });
    EXPECT_EQ(a[0]->key, 8);
    EXPECT_EQ(a[299]->key, 0);
}
