// One list-view row with its sub-items, as the accessor reads, sorts and inserts rows.
#pragma once

#include <string>
#include <vector>

// A value type: copies are deep. Element k of the sub-item arrays (k from 1) is column k and is
// stored at vector index k - 1; the two arrays may differ in length.
struct RowRecord {
    std::string Text;
    int Image = 0;
    int StateImage = 0; // -1 none, 0 unticked, 1 ticked
    int Param = 0;
    int Indent = 0;
    std::vector<std::string> SubItemTexts = std::vector<std::string>(1);
    std::vector<int> SubItemImages = std::vector<int>(1);
};

using RowArray = std::vector<RowRecord>; // row 1 at index 0
