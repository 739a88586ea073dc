// The 32-bit record layouts the accessor sends and stages. mingw's headers carry the later, longer
// layouts, and on the remote path the bytes land unchanged in a process that expects these.
#pragma once

#include <windows.h>

#include <cstdint>

// LVITEMA up to iIndent.
struct ItemRecord {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    char *pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
};
static_assert(sizeof(ItemRecord) == 40, "LVITEMA of 32-bit Windows up to iIndent");

// LVCOLUMNA up to iOrder.
struct ColumnRecord {
    UINT mask;
    int fmt;
    int cx;
    char *pszText;
    int cchTextMax;
    int iSubItem;
    int iImage;
    int iOrder;
};
static_assert(sizeof(ColumnRecord) == 32, "LVCOLUMNA of 32-bit Windows up to iOrder");

// LVFINDINFOA without the direction, which only a nearest-point search reads.
struct FindRecord {
    UINT flags;
    const char *psz;
    LPARAM lParam;
    POINT pt;
};
static_assert(sizeof(FindRecord) == 20, "LVFINDINFOA of 32-bit Windows up to pt");

struct BkImageRecord {
    ULONG ulFlags;
    HBITMAP hbm;
    char *pszImage;
    UINT cchImageMax;
    int xOffsetPercent;
    int yOffsetPercent;
};
static_assert(sizeof(BkImageRecord) == 24, "LVBKIMAGEA of 32-bit Windows");

// State images sit in bits 12 and up of an item's state: index n is stored as n + 1.
constexpr UINT kStateImageMask = 0xFFFFF000;
constexpr UINT StateImageBits(int index) { return static_cast<UINT>(index + 1) << 12; }
constexpr int StateImageIndex(UINT state) { return static_cast<int>(state) / 4096 - 1; }
