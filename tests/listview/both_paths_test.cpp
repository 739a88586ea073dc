// The same operations on the same list, once on the local path in our own process and once on the
// remote path in list_view_host, must answer alike and leave the lists alike.
#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Operation {
    const char *name;
    std::function<std::string(ListViewAccessor &)> run;
};

std::string Indexes(VARIANT variant) {
    std::string text;
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(variant.parray, 1, &lower);
    SafeArrayGetUBound(variant.parray, 1, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        LONG index = 0;
        SafeArrayGetElement(variant.parray, &i, &index);
        text += std::to_string(lower) + ':' + std::to_string(index) + ' ';
    }
    VariantClear(&variant);
    return text;
}

HWND Build(ListSide &side, DWORD extendedStyle) {
    HWND list = side.List(LVS_REPORT, extendedStyle);
    for (const char *caption : {"序号", "路径", "状态"})
        side.Column(list, 80, caption);
    side.Row(list, {"1", "C:\\一.pdf", "转换成功"});
    side.Row(list, {"2", "C:\\b.pdf"});
    side.Row(list, {"3", std::string(300, 'p'), "x"});
    side.Item(list, 1, 2, 1, 70, 1);
    side.Select(list, 2);
    return list;
}

TEST(BothPaths, AnswerAndChangeAlike) {
    const auto n = [](auto value) { return std::to_string(value); };
    const Operation operations[] = {
        {"texts",
         [](ListViewAccessor &a) {
             return a.GetItemText(0, 1) + '|' + a.GetItemText(2) + '|' + a.GetItemText(1, 2);
         }},
        {"numbers",
         [&](ListViewAccessor &a) {
             return n(a.GetItemImage(1)) + n(a.GetItemIndent(1)) + n(a.GetItemParam(1));
         }},
        {"state images",
         [&](ListViewAccessor &a) { return n(a.GetStateImageIndex(0)) + n(a.GetStateImageIndex(1)); }},
        {"selected", [](ListViewAccessor &a) { return Indexes(a.GetSelectedIndexes()); }},
        {"checked", [](ListViewAccessor &a) { return Indexes(a.GetCheckedIndexes()); }},
        {"find",
         [&](ListViewAccessor &a) {
             return n(a.FindItemByText("2", -1, true)) + n(a.FindItemByParam(-1, 70));
         }},
        {"columns",
         [&](ListViewAccessor &a) {
             return a.GetColumnText(1) + n(a.GetColumnWidth(2)) + n(a.GetColumnAlignment(0));
         }},
        {"row",
         [](ListViewAccessor &a) { return a.GetRow(2).SubItemTexts.at(0) + a.GetRow(0).SubItemTexts.at(1); }},
        {"set",
         [](ListViewAccessor &a) {
             a.SetItemText(1, 2, "新");
             a.SetItemParam(0, 5);
             a.SetStateImageIndex(2, 1);
             return std::string();
         }},
        {"insert",
         [&](ListViewAccessor &a) {
             return n(a.InsertItem(1, "in", 3, 0, 2, 9)) + n(a.InsertColumn(-1, "末", 30, 1));
         }},
        {"rows",
         [](ListViewAccessor &a) {
             a.InsertRows({RowRecord{}, RowRecord{}}, 0, 1);
             return std::string();
         }},
        {"sort",
         [](ListViewAccessor &a) {
             a.SortByColumn(1, 2);
             return std::string();
         }},
        {"select",
         [](ListViewAccessor &a) {
             a.DeselectItem(2);
             a.SelectItem(0);
             a.DeleteItem(3);
             return std::string();
         }},
    };
    ListSide &own = OwnProcessLists(), &host = HostProcessLists();
    for (DWORD extendedStyle : {0ul, static_cast<unsigned long>(LVS_EX_CHECKBOXES)}) {
        HWND localList = Build(own, extendedStyle), remoteList = Build(host, extendedStyle);
        ListViewAccessor local, remote;
        ASSERT_TRUE(local.Bind(localList));
        ASSERT_TRUE(remote.Bind(remoteList, true));
        for (const Operation &operation : operations) {
            EXPECT_EQ(operation.run(local), operation.run(remote)) << operation.name;
            EXPECT_EQ(own.Dump(localList), host.Dump(remoteList)) << "after " << operation.name;
        }
        own.Destroy(localList);
        host.Destroy(remoteList);
    }
}

} // namespace
