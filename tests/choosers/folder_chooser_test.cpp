#include "choosers/folder_chooser.h"

#include "app/globals.h"
#include "dialog_driver.h"
#include "test_folder.h"
#include "test_owner.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

namespace {

BOOL CALLBACK TakeEditBox(HWND window, LPARAM found) {
    char className[16];
    if (GetClassNameA(window, className, sizeof(className)) && lstrcmpiA(className, "Edit") == 0)
        *reinterpret_cast<HWND *>(found) = window;
    return TRUE;
}

bool HasEditBox(HWND dialog) {
    HWND edit = nullptr;
    EnumChildWindows(dialog, TakeEditBox, reinterpret_cast<LPARAM>(&edit));
    return edit != nullptr;
}

// The name that the dialog's folder tree shows for its selected item.
std::string SelectedName(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    char text[MAX_PATH] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string LastName(const std::string &path) { return path.substr(path.rfind('\\') + 1); }

class ChooseOutputFolderTest : public testing::Test {
protected:
    // Runs the handler with `action` driving the dialog.
    void Choose(std::function<void(HWND)> action) {
        DialogDriver driver(std::move(action));
        ChooseOutputFolder(owner_.Window(), owner_.FolderBox());
        EXPECT_TRUE(driver.Finished()) << "the folder dialog did not show and close in time";
    }

    // Runs the handler and presses OK once the tree shows `folder` selected, after `select` (if any) has
    // asked for it. Wine's folder tree now and then stops short on its way down to a folder and selects an
    // ancestor (about one dialog in ten here, at random); such an attempt is cancelled and made again.
    bool ChooseSelected(const std::string &folder, const std::string &select = {}) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            bool selected = false;
            Choose([&](HWND dialog) {
                if (!select.empty())
                    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(select.c_str()));
                selected = SelectedName(dialog) == LastName(folder);
                PressDialogButton(dialog, selected ? IDOK : IDCANCEL);
            });
            if (selected)
                return true;
        }
        return false;
    }

    TestOwner owner_;
};

} // namespace

TEST_F(ChooseOutputFolderTest, OpensOnTheRunDirectoryWithAnEditBoxAndOkWritesItIntoTheBox) {
    SetWindowTextA(owner_.FolderBox(), "D:\\before");
    bool hasEditBox = false;
    Choose([&](HWND dialog) {
        hasEditBox = HasEditBox(dialog);
        PressDialogButton(dialog, IDCANCEL);
    });
    EXPECT_TRUE(hasEditBox);

    ASSERT_TRUE(ChooseSelected(RunDirectory())) << "the dialog never opened on " << RunDirectory();
    EXPECT_EQ(owner_.FolderText(), RunDirectory());
    ASSERT_NE(InitialFolder, nullptr);
    EXPECT_STREQ(InitialFolder, RunDirectory().c_str());
}

TEST_F(ChooseOutputFolderTest, ChosenFolderReplacesTheBoxText) {
    TestFolder folder;
    std::string chosen = folder.AddFolder("输出 目录");
    SetWindowTextA(owner_.FolderBox(), "D:\\before");
    ASSERT_TRUE(ChooseSelected(chosen, chosen));
    EXPECT_EQ(owner_.FolderText(), chosen);
}

TEST_F(ChooseOutputFolderTest, CancelEmptiesTheBox) {
    SetWindowTextA(owner_.FolderBox(), "D:\\before");
    Choose([](HWND dialog) { PressDialogButton(dialog, IDCANCEL); });
    EXPECT_EQ(owner_.FolderText(), "");
}

TEST(FolderChooser, EachCallReplacesInitialFolderAndShutdownReleasesIt) {
    InitGlobals();
    TestFolder first, second;
    for (const TestFolder *folder : {&first, &second}) {
        DialogDriver driver([](HWND dialog) { PressDialogButton(dialog, IDCANCEL); });
        EXPECT_EQ(FolderChooser(nullptr, folder->Path()), "");
        ASSERT_TRUE(driver.Finished());
        EXPECT_STREQ(InitialFolder, folder->Path().c_str());
    }
    ReleaseGlobals();
    EXPECT_EQ(InitialFolder, nullptr);
}
