// A user's session with the real Orvanta.exe, driven from outside as a person would drive it: real clicks at
// the layout's places, the real open dialog, typed text, and the file list read through the accessor's
// cross-process path. e2e_test prepares the folder and checks the written documents afterwards.
#include "orvanta_user.h"
#include "windows_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string Converting = "转换中，请等待";
const std::string Succeeded = "转换成功";
const std::string Failed = "转换失败";

std::string Environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Reads every row's status until each has a final one, noting each row's statuses in the order seen.
std::vector<std::vector<std::string>> WatchStatuses(RemoteFileList &list, int rows, DWORD limit) {
    std::vector<std::vector<std::string>> seen(static_cast<size_t>(rows));
    auto final = [](const std::vector<std::string> &s) {
        return !s.empty() && (s.back() == Succeeded || s.back() == Failed);
    };
    WaitUntil(
        [&] {
            for (int row = 0; row < rows; ++row) {
                const std::string status = list.Text(row, 2);
                auto &statuses = seen[static_cast<size_t>(row)];
                if (!status.empty() && (statuses.empty() || statuses.back() != status))
                    statuses.push_back(status);
            }
            return std::all_of(seen.begin(), seen.end(), final);
        },
        limit);
    return seen;
}

} // namespace

TEST(UserSession, AddsConvertsEditsTheListAndEndsWithTheCloseButton) {
    const std::string folder = Environment("ORVANTA_E2E_FOLDER");
    const std::string program = Environment("ORVANTA_E2E_PROGRAM");
    ASSERT_FALSE(folder.empty() || program.empty()) << "e2e_test sets ORVANTA_E2E_FOLDER and ORVANTA_E2E_PROGRAM";
    const std::string in = folder + "\\in\\";
    const std::map<std::string, std::string> expected = {
        {in + "english.pdf", Succeeded},
        {in + "chinese.pdf", Succeeded},
        {in + "报告 第一 版.pdf", Succeeded},
        {in + "broken.pdf", Failed},
    };

    OrvantaUser user(program, folder + "\\in");
    ASSERT_TRUE(user.Ready()) << "Orvanta.exe did not come up with its file list";
    RemoteFileList &list = user.List();
    EXPECT_EQ(list.Count(), 0);

    ASSERT_TRUE(user.AddFiles("\"english.pdf\" \"chinese.pdf\" \"报告 第一 版.pdf\" \"broken.pdf\""))
        << "the open dialog did not open and close";
    ASSERT_TRUE(WaitUntil([&] { return list.Count() == 4; }, 5000)) << list.Count() << " rows";
    EXPECT_EQ(list.Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    std::vector<std::string> paths = list.Column(1);
    std::vector<std::string> sorted = paths;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> expectedPaths;
    for (const auto &entry : expected)
        expectedPaths.push_back(entry.first);
    EXPECT_EQ(sorted, expectedPaths);
    EXPECT_EQ(list.Column(2), std::vector<std::string>(4));

    ASSERT_TRUE(user.TypeOutputFolder(folder + "\\out")) << "the typed folder did not reach the folder box";
    user.ClickStart();
    const auto seen = WatchStatuses(list, 4, 180000);
    for (size_t row = 0; row < paths.size(); ++row) {
        SCOPED_TRACE(paths[row]);
        const auto wanted = expected.find(paths[row]);
        ASSERT_NE(wanted, expected.end());
        EXPECT_EQ(seen[row], (std::vector<std::string>{Converting, wanted->second}));
    }

    // Deleting the second row renumbers the rest.
    user.ClickRow(1);
    user.ClickDelete();
    ASSERT_TRUE(WaitUntil([&] { return list.Count() == 3; }, 5000)) << list.Count() << " rows after deleting";
    EXPECT_EQ(list.Column(0), (std::vector<std::string>{"1", "2", "3"}));
    std::vector<std::string> left = paths;
    left.erase(left.begin() + 1);
    EXPECT_EQ(list.Column(1), left);

    user.ClickClear();
    EXPECT_TRUE(WaitUntil([&] { return list.Count() == 0; }, 5000)) << list.Count() << " rows after clearing";

    EXPECT_TRUE(user.OpenAndCloseAbout()) << "the about box did not open from the menu and close again";

    user.ClickClose();
    EXPECT_EQ(user.Process().WaitForExit(15000), 0) << "-1: still running after its close button";
}
