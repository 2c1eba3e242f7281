#pragma once
// Sorting of the editor's lists. The editor's orders are for display only (no career depends on them), so
// a stable O(n log n) sort replaces the program's exchange sort, which takes too long on thousands of
// players. The result is the same: entries the order does not tell apart keep their order.
#include "foundation/kol_list.h"

#include <algorithm>
#include <vector>

// `inOrder(a, b)`: true when a may stand before b (true for equal keys), as the lists' orders are written.
template <class T, class InOrder> void StableSortList(TKolList<T>& list, InOrder inOrder) {
    list.Pack();
    std::vector<T*> items;
    items.reserve(static_cast<std::size_t>(list.Count()));
    while (!list.Empty()) items.push_back(list.Extract(list.Count() - 1));
    std::reverse(items.begin(), items.end());
    std::stable_sort(items.begin(), items.end(), [&](T* a, T* b) { return !inOrder(b, a); });
    for (T* item : items) list.TKolList<T>::Add(item);
}
