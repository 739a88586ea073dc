#include "listview/remote_memory_broker.h"

#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int NtPlatform() { return 3; }

TEST(RemoteMemoryBroker, MappingPathKeepsOneRecordPerBlockAndReleasesByAddress) {
    RemoteMemoryBroker broker(MappingPlatform);
    void *first = broker.Reserve(nullptr, 40);
    void *second = broker.Reserve(nullptr, 260);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(broker.PlatformCode, 2);
    ASSERT_EQ(broker.Views.size(), 2u);

    int unknown = 0;
    broker.Release(nullptr, &unknown);
    EXPECT_EQ(broker.Views.size(), 2u);

    broker.Release(nullptr, first);
    ASSERT_EQ(broker.Views.size(), 1u);
    EXPECT_EQ(broker.Views[0].View, second);
    broker.Release(nullptr, second);
    EXPECT_TRUE(broker.Views.empty());
}

TEST(RemoteMemoryBroker, CloseOfNoProcessLeavesTheRecords) {
    RemoteMemoryBroker broker(MappingPlatform);
    void *block = broker.Reserve(nullptr, 16);
    broker.Close(nullptr);
    ASSERT_EQ(broker.Views.size(), 1u);
    broker.Release(nullptr, block);
}

TEST(RemoteMemoryBroker, CloneCopiesTheRecordsAndEachKeepsItsOwn) {
    RemoteMemoryBroker broker(MappingPlatform);
    void *block = broker.Reserve(nullptr, 16);
    auto copy = broker.Clone();
    EXPECT_EQ(copy->PlatformCode, broker.PlatformCode);
    ASSERT_EQ(copy->Views.size(), 1u);
    EXPECT_EQ(copy->Views[0].View, block);
    EXPECT_EQ(copy->Views[0].Mapping, broker.Views[0].Mapping);

    broker.Release(nullptr, block);
    EXPECT_TRUE(broker.Views.empty());
    EXPECT_EQ(copy->Views.size(), 1u);
}

TEST(RemoteMemoryBroker, NtPathWritesAndReadsAnotherProcessesMemoryWithoutRecords) {
    RemoteMemoryBroker broker(NtPlatform);
    HANDLE self = OpenProcess(PROCESS_ALL_ACCESS, FALSE, GetCurrentProcessId());
    void *block = broker.Reserve(self, 8);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(broker.Views.empty());
    EXPECT_TRUE(broker.Write(self, block, "abcdefg", 8));
    EXPECT_STREQ(broker.Read(self, block, 8).data(), "abcdefg");
    broker.Release(self, block);
    broker.Close(self);
}

TEST(RemoteMemoryBroker, ReadOfUnreadableMemoryGivesZerosOfTheAskedLength) {
    RemoteMemoryBroker broker;
    HANDLE self = GetCurrentProcess();
    const std::vector<char> bytes = broker.Read(self, reinterpret_cast<void *>(0x10), 32);
    EXPECT_EQ(bytes, std::vector<char>(32, 0));
}

TEST(RemoteMemoryBroker, FetchesThePlatformOnEveryReserve) {
    static int code = 2;
    RemoteMemoryBroker broker([] { return code; });
    void *mapped = broker.Reserve(nullptr, 8);
    code = 3;
    HANDLE self = GetCurrentProcess();
    void *allocated = broker.Reserve(self, 8);
    EXPECT_EQ(broker.PlatformCode, 3);
    EXPECT_EQ(broker.Views.size(), 1u);
    broker.Release(self, allocated);
    broker.PlatformCode = 2; // back on the mapping path, so the first block can go
    broker.Release(nullptr, mapped);
    EXPECT_TRUE(broker.Views.empty());
}

TEST(RemoteMemoryBroker, TheSystemIsOfTheNtFamily) { EXPECT_EQ(SystemPlatformCode(), 3); }

} // namespace
