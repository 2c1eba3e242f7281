#pragma once
// A fixed header over an owner-drawn list: one section per column of the rows, as wide as the row painter
// draws the cell, captions from the columns; not clickable.
#include "foundation/kol_object.h"

#include <QHeaderView>

QHeaderView* FixedColumnHeader(const TColumnList& columns, QWidget* parent);
