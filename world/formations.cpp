#include "world/formations.h"

const std::array<TFormation, 13> formations = {{
    {334, 3, 3, 4, true, true},
    {343, 3, 4, 3, true, true},
    {352, 3, 5, 2, false, true},
    {424, 4, 2, 4, true, true},
    {433, 4, 3, 3, true, true},
    {442, 4, 4, 2, true, true},
    {451, 4, 5, 1, true, true},
    {523, 5, 2, 3, true, true},
    {532, 5, 3, 2, true, true},
    {541, 5, 4, 1, true, true},
    {550, 5, 5, 0, true, false},
    {631, 6, 3, 1, true, true},
    {640, 6, 4, 0, true, true},
}};

const TFormation* FormationByCode(int code) {
    for (const TFormation& f : formations)
        if (f.code == code) return &f;
    return nullptr;
}
