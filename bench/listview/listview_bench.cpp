// Figures for the list-view accessor, locally and across processes (through list_view_host, which
// must lie next to this program): GetItemText calls per second, InsertRows of 10,000 rows with
// 3 columns, and SortByColumn on 10,000 rows in random, ordered and all-equal order.
#include "listview/list_view_accessor.h"
#include "tests/listview/list_sides.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int kTextItems = 1000;
constexpr int kRows = 10000;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Side {
    const char *name;
    ListSide &lists;
    bool remote;
};

// A three-column report list, bound to the accessor.
HWND NewList(const Side &side, ListViewAccessor &accessor) {
    HWND list = side.lists.List(LVS_REPORT);
    for (const char *caption : {"序号", "路径", "状态"})
        side.lists.Column(list, 100, caption);
    accessor.Bind(list, side.remote);
    return list;
}

RowArray Rows(const char *order) {
    std::mt19937 random(7);
    RowArray rows(kRows);
    for (int i = 0; i < kRows; ++i) {
        char key[16];
        const int value = order[0] == 'r' ? static_cast<int>(random() % 1000000) : order[0] == 'o' ? i : 0;
        std::snprintf(key, sizeof key, "%07d", value);
        rows[i].Text = std::to_string(i + 1);
        rows[i].SubItemTexts = {std::string("C:\\pdf\\") + key + ".pdf", key};
    }
    return rows;
}

double TextCallsPerSecond(const Side &side) {
    ListViewAccessor accessor;
    HWND list = NewList(side, accessor);
    RowArray rows(kTextItems);
    for (int i = 0; i < kTextItems; ++i) {
        rows[i].Text = "item " + std::to_string(i);
        rows[i].SubItemTexts = {"C:\\documents\\report " + std::to_string(i) + ".pdf", ""};
    }
    accessor.InsertRows(rows);
    long calls = 0;
    const double start = Now();
    double elapsed = 0;
    std::size_t bytes = 0;
    while (elapsed < 1.0) {
        for (int i = 0; i < kTextItems; ++i)
            bytes += accessor.GetItemText(i, 1).size();
        calls += kTextItems;
        elapsed = Now() - start;
    }
    side.lists.Destroy(list);
    return bytes ? calls / elapsed : 0;
}

double InsertSeconds(const Side &side) {
    ListViewAccessor accessor;
    HWND list = NewList(side, accessor);
    const RowArray rows = Rows("random");
    const double start = Now();
    accessor.InsertRows(rows);
    const double seconds = Now() - start;
    if (accessor.GetItemCount() != kRows)
        std::printf("  (only %d rows arrived)\n", accessor.GetItemCount());
    side.lists.Destroy(list);
    return seconds;
}

double SortSeconds(const Side &side, const char *order) {
    ListViewAccessor accessor;
    HWND list = NewList(side, accessor);
    accessor.InsertRows(Rows(order));
    const double start = Now();
    accessor.SortByColumn(2);
    const double seconds = Now() - start;
    side.lists.Destroy(list);
    return seconds;
}

// The cost of each step of a staged call, across processes: it tells which step sets the floor.
void StepCosts(const Side &side) {
    ListViewAccessor accessor;
    HWND list = NewList(side, accessor);
    RemoteMemoryBroker &broker = *accessor.Broker;
    constexpr int kTimes = 300;
    char record[40] = {};
    double start = Now();
    for (int i = 0; i < kTimes; ++i)
        broker.Release(accessor.Process, broker.Reserve(accessor.Process, 260));
    const double reserve = (Now() - start) / kTimes;
    void *block = broker.Reserve(accessor.Process, 260);
    start = Now();
    for (int i = 0; i < kTimes; ++i)
        broker.Write(accessor.Process, block, record, sizeof record);
    const double write = (Now() - start) / kTimes;
    start = Now();
    for (int i = 0; i < kTimes; ++i)
        broker.Read(accessor.Process, block, 260);
    const double read = (Now() - start) / kTimes;
    broker.Release(accessor.Process, block);
    start = Now();
    for (int i = 0; i < kTimes; ++i)
        accessor.GetItemCount();
    const double message = (Now() - start) / kTimes;
    std::printf("one step, %s: Reserve+Release %.0f us, Write %.0f us, Read %.0f us, a message %.0f us\n",
                side.name, reserve * 1e6, write * 1e6, read * 1e6, message * 1e6);
    side.lists.Destroy(list);
}

} // namespace

int main() {
    setvbuf(stdout, nullptr, _IONBF, 0);
    const Side local{"local", OwnProcessLists(), false};
    const Side remote{"cross-process", HostProcessLists(), true};

    StepCosts(remote);
    const double localCalls = TextCallsPerSecond(local), remoteCalls = TextCallsPerSecond(remote);
    std::printf("GetItemText over %d items, local:         %10.0f calls/s\n", kTextItems, localCalls);
    std::printf("GetItemText over %d items, cross-process: %10.0f calls/s\n", kTextItems, remoteCalls);
    std::printf("GetItemText local / cross-process ratio:   %10.1f (goal: 10 or less)\n",
                remoteCalls > 0 ? localCalls / remoteCalls : 0.0);

    for (const Side *side : {&local, &remote}) {
        std::printf("InsertRows of %d rows x 3 columns, %s: %.3f s\n", kRows, side->name,
                    InsertSeconds(*side));
        for (const char *order : {"random", "ordered", "equal"})
            std::printf("SortByColumn on %d rows (%s), %s: %.3f s\n", kRows, order, side->name,
                        SortSeconds(*side, order));
    }
    return 0;
}
