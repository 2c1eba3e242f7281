#pragma once
// The coach of a team open in the editor.
#include "datafiles/coach_attr.h"
#include "foundation/kol_object.h"

class TEditorCoach : public TKolbrinObject {
public:
    TCoachAttr attr;
};
