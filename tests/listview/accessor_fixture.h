// Accessor tests run on every path: local, remote into our own process (NT and mapping brokers) and
// remote into list_view_host. The broker counts its blocks, so every test also proves that an
// operation leaves nothing reserved.
#pragma once

#include "listview/list_view_accessor.h"
#include "tests/listview/list_sides.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

inline int MappingPlatform() { return 2; }

class CountingBroker : public RemoteMemoryBroker {
public:
    using RemoteMemoryBroker::RemoteMemoryBroker;
    void *Reserve(HANDLE process, std::size_t size) override {
        void *block = RemoteMemoryBroker::Reserve(process, size);
        ++reserved;
        live.insert(block);
        return block;
    }
    void Release(HANDLE process, void *address) override {
        EXPECT_EQ(live.erase(address), 1u) << "released a block it never reserved";
        RemoteMemoryBroker::Release(process, address);
    }
    int reserved = 0;
    std::set<void *> live;
};

struct PathCase {
    const char *name;
    bool hostProcess;
    bool remote;
    bool mapping;
};

inline const PathCase kPaths[] = {
    {"Local", false, false, false},
    {"RemoteIntoOwnProcess", false, true, false},
    {"MappingIntoOwnProcess", false, true, true},
    {"RemoteIntoHostProcess", true, true, false},
};

inline std::string PathName(const testing::TestParamInfo<PathCase> &info) { return info.param.name; }

class AccessorTest : public testing::TestWithParam<PathCase> {
protected:
    AccessorTest()
        : broker(new CountingBroker(GetParam().mapping ? MappingPlatform : SystemPlatformCode)),
          accessor(std::unique_ptr<RemoteMemoryBroker>(broker)) {}

    void TearDown() override {
        EXPECT_TRUE(broker->live.empty()) << "blocks left reserved";
        for (HWND list : lists)
            side().Destroy(list);
    }

    ListSide &side() { return GetParam().hostProcess ? HostProcessLists() : OwnProcessLists(); }
    bool remote() const { return GetParam().remote; }

    // A bound list view; report view unless told otherwise.
    HWND MakeList(DWORD style = LVS_REPORT, DWORD extendedStyle = 0) {
        HWND list = side().List(style, extendedStyle);
        lists.push_back(list);
        EXPECT_TRUE(accessor.Bind(list, remote()));
        return list;
    }

    // Report view with the given captions (width 100) and rows of texts.
    HWND MakeTable(const std::vector<std::string> &captions,
                   const std::vector<std::vector<std::string>> &rows, DWORD style = LVS_REPORT,
                   DWORD extendedStyle = 0) {
        HWND list = MakeList(style, extendedStyle);
        for (const std::string &caption : captions)
            side().Column(list, 100, caption);
        for (const auto &row : rows)
            side().Row(list, row);
        return list;
    }

    CountingBroker *broker; // owned by the accessor
    ListViewAccessor accessor;
    std::vector<HWND> lists;
};

#define ON_EVERY_PATH(suite) INSTANTIATE_TEST_SUITE_P(Paths, suite, testing::ValuesIn(kPaths), PathName)
