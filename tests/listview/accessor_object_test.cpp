#include "tests/listview/accessor_fixture.h"

#include <gtest/gtest.h>

namespace {

HWND OwnWindow(const char *className) {
    return CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// The broker that watches which process handles are closed.
class ClosingBroker : public RemoteMemoryBroker {
public:
    explicit ClosingBroker(std::vector<HANDLE> &closed) : closed_(closed) {}
    std::unique_ptr<RemoteMemoryBroker> Clone() const override {
        return std::make_unique<ClosingBroker>(closed_);
    }
    void Close(HANDLE process) override {
        if (process)
            closed_.push_back(process);
        RemoteMemoryBroker::Close(process);
    }

private:
    std::vector<HANDLE> &closed_;
};

TEST(ListViewAccessorBind, AcceptsOnlyTheNamedClassExactly) {
    HWND list = OwnWindow(WC_LISTVIEWA), button = OwnWindow("BUTTON"), edit = OwnWindow("Edit");
    ListViewAccessor accessor;
    EXPECT_FALSE(accessor.Bind(button));
    EXPECT_EQ(accessor.Window, nullptr);
    EXPECT_EQ(accessor.Process, nullptr);

    EXPECT_TRUE(accessor.Bind(list));
    EXPECT_EQ(accessor.Window, list);
    EXPECT_FALSE(accessor.Remote);
    EXPECT_NE(accessor.Process, nullptr) << "the process is opened on the local path too";

    EXPECT_FALSE(accessor.Bind(button));
    EXPECT_EQ(accessor.Window, list);
    EXPECT_FALSE(accessor.Bind(edit, true, "EDIT")) << "the class test is case-sensitive";
    EXPECT_TRUE(accessor.Bind(edit, true, "Edit"));
    EXPECT_EQ(accessor.Window, edit);
    EXPECT_TRUE(accessor.Remote);
    EXPECT_FALSE(accessor.Bind(nullptr, false, "")) << "no class can be read for no window";
    for (HWND window : {list, button, edit})
        DestroyWindow(window);
}

TEST(ListViewAccessorBind, EachHandleIsClosedExactlyOnce) {
    HWND list = OwnWindow(WC_LISTVIEWA);
    std::vector<HANDLE> closed;
    {
        ListViewAccessor accessor(std::make_unique<ClosingBroker>(closed));
        accessor.Bind(list);
        const HANDLE first = accessor.Process;
        accessor.Bind(list);
        ASSERT_EQ(closed, std::vector<HANDLE>{first}) << "a second Bind closes the handle it replaces";

        auto copy = accessor.Clone();
        EXPECT_NE(copy->Process, nullptr);
        EXPECT_NE(copy->Process, accessor.Process);
        EXPECT_EQ(copy->Window, list);
        copy.reset();
        EXPECT_EQ(closed.size(), 2u);
        EXPECT_NE(GetProcessId(accessor.Process), 0u) << "the original's handle is still open";
    }
    EXPECT_EQ(closed.size(), 3u);
    DestroyWindow(list);
}

TEST(ListViewAccessorBind, AnUnboundAccessorClosesNothing) {
    std::vector<HANDLE> closed;
    { ListViewAccessor accessor(std::make_unique<ClosingBroker>(closed)); }
    EXPECT_TRUE(closed.empty());
}

// Methods reach each other through the virtual table.
class FixedCountAccessor : public ListViewAccessor {
public:
    int GetItemCount() override { return 0; }
};

TEST(ListViewAccessorBind, CallersFollowAReplacedMethod) {
    HWND list = OwnWindow(WC_LISTVIEWA);
    FixedCountAccessor accessor;
    accessor.Bind(list);
    accessor.InsertItem(-1, "a");
    accessor.InsertItem(-1, "b"); // placed at the count the derived class gives: before "a"
    EXPECT_EQ(accessor.GetItemText(0), "b");
    DestroyWindow(list);
}

} // namespace
