// The order of row records under a sort key: the quicksort whose partition steps fix the order of ties.
#pragma once

#include "listview/row_record.h"

// Sort codes: 1 or 2048 Text, 2 Image, 3 StateImage, 4 Param, 2048 + k sub-item text k.
// A key c sorts ascending, ~c descending; 0, -1 and codes naming nothing leave the rows alone.
// Positions are 1-based and clamped to the array.
void SortRowRange(RowArray &rows, int first, int last, int key);
