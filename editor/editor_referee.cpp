#include "editor/editor_referee.h"

#include "datafiles/countries.h"
#include "editor/editor_texts.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"

namespace {

const TEditorReferee* AsReferee(const TKolObject* o) {
    return static_cast<const TEditorReferee*>(o);
}

// Pixel widths of the list's columns. Their names differ from the record's field lengths (kNameWidth,
// kCodeWidth), which a member function of the referee would otherwise find first.
constexpr int kNameColumn = 250;
constexpr int kCodeColumn = 60;
constexpr int kCountryNameColumn = 160;

} // namespace

std::string TEditorReferee::GetListText(int) const {
    const TCountry* country = AllCountries().FindByCode(Country());
    return TRowMarkup()
        .Cell(kNameColumn, Name())
        .Cell(kCodeColumn, Country())
        .Cell(kCountryNameColumn, country ? country->Name() : std::string())
        .Text();
}

void TEditorReferee::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColName), kNameColumn);
    AddColumn(header, GetText(kTxtColCountry), kCodeColumn);
    AddColumn(header, "", kCountryNameColumn);
}

TKolOrder TEditorReferee::SortCompare(const std::string& columnTitle) const {
    if (columnTitle == GetText(kTxtColCountry))
        return [](const TKolObject* x, const TKolObject* y) {
            const TEditorReferee* a = AsReferee(x);
            const TEditorReferee* b = AsReferee(y);
            if (a->Country() != b->Country()) return a->Country() < b->Country();
            return a->Name() <= b->Name();
        };
    return
        [](const TKolObject* x, const TKolObject* y) { return AsReferee(x)->Name() <= AsReferee(y)->Name(); };
}
