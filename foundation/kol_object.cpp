#include "foundation/kol_object.h"

std::string TKolObject::GetListText(int) const {
    return "Kol Object";
}

std::string TKolObject::GetListTextEx(int mask, int selector) const {
    if (selector == 0) return GetListText(mask);
    return "Kol Object Ex";
}

std::string TKolObject::GetListTextEx2(int mask, int selectorA, int selectorB) const {
    if (selectorB != 0) return "Kol Object Ex2";
    return GetListTextEx(mask, selectorA);
}

std::string TKolObject::GetListTextEx3(int mask, int selectorA, int selectorB, int) const {
    if (selectorB != 0) return "Kol Object Ex3";
    return GetListTextEx2(mask, selectorA, 0);
}

std::string TKolObject::GetExtraText(int) const {
    return std::string();
}

bool TKolObject::EditColumn(const std::string&, TColumnEditPort&) {
    return true;
}

void TKolObject::SetupColumns(TColumnList& header, bool numbered, int, int) const {
    header.clear();
    if (numbered) AddColumn(header, std::string(), 25);
}

void TKolObject::AddListLine(std::vector<std::string>& items, int mask) const {
    AddListLineEx(items, mask, 0);
}

void TKolObject::AddListLineEx(std::vector<std::string>& items, int mask, int selector) const {
    items.push_back(GetListTextEx(mask, selector));
}

void TKolObject::AddListLineEx2(std::vector<std::string>& items, int mask, int selectorA,
                                int selectorB) const {
    items.push_back(GetListTextEx2(mask, selectorA, selectorB));
}

void TKolObject::AddListLinePlain(std::vector<std::string>& items, int mask) const {
    items.push_back(GetListText(mask));
}

TColor TKolObject::TextColor() const {
    return 0;
}
TColor TKolObject::BackColor() const {
    return 0;
}
TColor TKolObject::SelectedBackColor() const {
    return 0;
}

TKolOrder TKolObject::SortCompare(const std::string&) const {
    return [](const TKolObject*, const TKolObject*) { return false; };
}

void TKolObject::AddColumn(TColumnList& header, const std::string& caption, int width) {
    header.push_back(TColumnSpec{caption, width});
}

TColumnList TKolObject::Columns(bool numbered, int a, int b) const {
    TColumnList header;
    SetupColumns(header, numbered, a, b);
    return header;
}

std::string TKolbrinObject::GetInfoText(int, const std::vector<std::string>&) const {
    return std::string();
}
