#pragma once
// The lists of the program (teams, players, coaches, divisions, countries, games, history records...) and
// the small toolbox of list algorithms every subsystem uses.
//
// Ownership. A TKolList<T> is an ordered vector of T* in which an entry may be nullptr (a "nil" entry: an
// object taken out of the list while its place is kept). Whether the list frees its objects is fixed when
// it is created:
//   - an owning list (TKolList<T>(true)) destroys every object it still holds when it is destroyed or
//     cleared, and when an entry is deleted or overwritten through Delete, Put or Clear;
//   - a non-owning list (the default) never destroys anything: it only refers to objects another list owns
//     (the teams still in the cup refer to the objects of the list of all teams).
// Extract and Take hand an object back to the caller without destroying it, in both kinds.
// An object must never be held by two owning lists.
//
// Order matters: many rules walk lists "in order", and the sort and the shuffle below are part of the rules
// (the same seed must give the same career), so their exact loops must not change.
#include "foundation/kol_random.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

template <class T> class TKolList {
public:
    explicit TKolList(bool ownsObjects = false) : owns_(ownsObjects) {}
    TKolList(const TKolList&) = delete;
    TKolList& operator=(const TKolList&) = delete;
    TKolList(TKolList&& other) noexcept : items_(std::move(other.items_)), owns_(other.owns_) {
        other.items_.clear();
    }
    TKolList& operator=(TKolList&& other) noexcept {
        if (this != &other) {
            Clear();
            items_ = std::move(other.items_);
            owns_ = other.owns_;
            other.items_.clear();
        }
        return *this;
    }
    virtual ~TKolList() { Clear(); }

    bool OwnsObjects() const { return owns_; }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }

    // The entry at `index` (may be nullptr). The index must be in 0..Count-1.
    T* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    T* operator[](int index) const { return Items(index); }
    T* First() const { return items_.empty() ? nullptr : items_.front(); }
    T* Last() const { return items_.empty() ? nullptr : items_.back(); }

    // Appends at the end (nullptr allowed). A limited list then drops its oldest entries.
    virtual void Add(T* item) { items_.push_back(item); }
    void Insert(int index, T* item) { items_.insert(items_.begin() + CheckedIndex(index, true), item); }
    // Index of the first entry equal to `item`, or -1.
    int IndexOf(const T* item) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == item) return static_cast<int>(i);
        return -1;
    }
    bool Contains(const T* item) const { return IndexOf(item) >= 0; }

    // Removes the entry; an owning list destroys its object.
    void Delete(int index) {
        const auto at = CheckedIndex(index, false);
        T* item = items_[at];
        items_.erase(items_.begin() + at);
        if (owns_) delete item;
    }
    // Removes the entry and hands its object to the caller (never destroyed).
    T* Extract(int index) {
        const auto at = CheckedIndex(index, false);
        T* item = items_[at];
        items_.erase(items_.begin() + at);
        return item;
    }
    // Removes the first entry equal to `item` without destroying it; its former index, or -1.
    int Remove(const T* item) {
        const int index = IndexOf(item);
        if (index >= 0) items_.erase(items_.begin() + index);
        return index;
    }
    // Overwrites an entry; an owning list destroys the object that stood there (unless it is the same).
    void Put(int index, T* item) {
        const auto at = CheckedIndex(index, false);
        if (owns_ && items_[at] != item) delete items_[at];
        items_[at] = item;
    }
    // Leaves a nil entry in place and hands the object to the caller.
    T* Take(int index) {
        const auto at = CheckedIndex(index, false);
        return std::exchange(items_[at], nullptr);
    }
    void Exchange(int a, int b) { std::swap(items_[CheckedIndex(a, false)], items_[CheckedIndex(b, false)]); }
    // Moves the entry at `from` so that it stands at `to`.
    void Move(int from, int to) {
        CheckedIndex(to, false); // checked first, so a bad target never loses the entry
        T* item = Extract(from);
        Insert(to, item);
    }
    // Puts the entries in the order given, which must hold exactly the entries of the list (nil ones
    // included); anything else raises std::invalid_argument and leaves the list as it was.
    void Reorder(std::vector<T*> order) {
        std::vector<T*> have = items_, want = order;
        std::sort(have.begin(), have.end());
        std::sort(want.begin(), want.end());
        if (have != want) throw std::invalid_argument("a new order of other entries than the list's");
        items_ = std::move(order);
    }
    // Removes the nil entries, keeping the order of the others.
    void Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }
    // Empties the list; an owning list destroys its objects.
    void Clear() {
        std::vector<T*> old;
        old.swap(items_);
        if (owns_)
            for (T* item : old) delete item;
    }

    // Iteration over the entries as they stand (nil entries included).
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    const std::vector<T*>& Entries() const { return items_; }

protected:
    std::vector<T*>& MutableEntries() { return items_; }

private:
    std::size_t CheckedIndex(int index, bool allowEnd) const {
        const int limit = allowEnd ? Count() : Count() - 1;
        if (index < 0 || index > limit) throw std::out_of_range("list index " + std::to_string(index));
        return static_cast<std::size_t>(index);
    }

    std::vector<T*> items_;
    bool owns_;
};

// A list that keeps at most `Limit` entries (when Limit > 0): adding past the limit destroys the oldest
// objects and removes their entries. A limited list always owns its objects, since it destroys them.
// Limit 0 (or less) never drops anything. The program uses limits 50 (a team's event history) and 200
// (the global history lists).
template <class T> class TKolLimitedList : public TKolList<T> {
public:
    explicit TKolLimitedList(std::int16_t limit) : TKolList<T>(true), Limit(limit) {}

    void Add(T* item) override {
        TKolList<T>::Add(item);
        if (Limit > 0)
            while (this->Count() > Limit) this->Delete(0);
    }

    const std::int16_t Limit;
};

// ---- List algorithms -------------------------------------------------------------------------------------
// Predicates and procedures are called with the object (T*); a user value is captured by the callable.

// Packs the list, then counts the entries that satisfy `pred`.
template <class T, class Pred> int CountIf(TKolList<T>& list, Pred pred) {
    list.Pack();
    int count = 0;
    for (T* item : list)
        if (pred(item)) ++count;
    return count;
}

// Packs the list, then calls `proc` for every entry in order. `proc` must not add to or remove from the list.
template <class T, class Proc> void ForEach(TKolList<T>& list, Proc proc) {
    list.Pack();
    for (int i = 0; i < list.Count(); ++i) proc(list[i]);
}

// Packs the list; the first entry that satisfies `pred`, or nullptr.
template <class T, class Pred> T* FindFirstThat(TKolList<T>& list, Pred pred) {
    list.Pack();
    for (T* item : list)
        if (pred(item)) return item;
    return nullptr;
}

// The first entry is the best so far; every later entry for which better(entry, best) holds replaces it.
// Nullptr for an empty list. Expects a packed list.
template <class T, class Better> T* FindBest(const TKolList<T>& list, Better better) {
    T* best = nullptr;
    for (int i = 0; i < list.Count(); ++i) {
        T* item = list[i];
        if (i == 0 || better(item, best)) best = item;
    }
    return best;
}

// The exchange sort of the program. Its exact loops decide the order of entries the predicate does not tell
// apart, and rules depend on that order: with a predicate that is true for equal keys it keeps the existing
// order of equal entries. Expects a packed list.
template <class T, class InOrder> void SortList(TKolList<T>& list, InOrder inOrder) {
    const int count = list.Count();
    for (int i = 1; i <= count - 1; ++i)
        for (int a = count - 1; a >= i; --a)
            if (!inOrder(list[a - 1], list[a])) list.Exchange(a - 1, a);
}

// 3 x Count times: draw an index with Random(Count), take that entry out (its first occurrence) and append
// it at the end. The draws come from the program-wide generator, in this order.
template <class T> void ShuffleList(TKolList<T>& list) {
    const int count = list.Count();
    for (int n = 0; n < 3 * count; ++n) {
        T* item = list[Random(count)];
        list.Extract(list.IndexOf(item));
        list.TKolList<T>::Add(item);
    }
}

// The core part of filling a list box: packs the list and appends each object's GetListTextEx2(mask,
// selector, 0) row to `rows`. T derives from TKolObject.
template <class T>
void FillListBox(TKolList<T>& list, std::vector<std::string>& rows, int mask, int selector = 0) {
    list.Pack();
    for (T* item : list) rows.push_back(item->GetListTextEx2(mask, selector, 0));
}
