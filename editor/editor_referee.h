#pragma once
// A referee as the editor lists him: the record of the referee file with its list row.
#include "datafiles/referee_attr.h"

#include <string>

class TEditorReferee : public TRefereeAttr {
public:
    using TRefereeAttr::TRefereeAttr;
    explicit TEditorReferee(const TRefereeAttr& attr) : TRefereeAttr(attr) {}

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
    TKolOrder SortCompare(const std::string& columnTitle) const override;
};
