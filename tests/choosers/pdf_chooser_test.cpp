#include "choosers/pdf_chooser.h"

#include "dialog_driver.h"
#include "test_folder.h"
#include "test_owner.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

namespace {

const char Title[] = "请选择需要转换的pdf文件";
const char Filter[] = "pdf文件|*.pdf";

struct DialogSeen {
    std::string title, fileType, folder;
};

// Types `names` into the dialog's name box and opens them, noting what the dialog showed first.
std::function<void(HWND)> OpenNames(const std::string &names, DialogSeen *seen = nullptr) {
    return [names, seen](HWND dialog) {
        if (seen) {
            char text[MAX_PATH] = "";
            GetWindowTextA(dialog, text, MAX_PATH);
            seen->title = text;
            GetDlgItemTextA(dialog, cmb1, text, MAX_PATH);
            seen->fileType = text;
            SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(text));
            seen->folder = text;
        }
        if (!SetDlgItemTextA(dialog, cmb13, names.c_str()))
            SetDlgItemTextA(dialog, edt1, names.c_str());
        PressDialogButton(dialog, IDOK);
    };
}

class PdfChooserTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = CurrentDirectory();
        SetCurrentDirectoryA(folder_.Path().c_str());
    }
    void TearDown() override { SetCurrentDirectoryA(saved_.c_str()); }

    std::string Choose(std::function<void(HWND)> action, const std::string &initialDirectory = {},
                       bool keepCurrentDirectory = false) {
        DialogDriver driver(std::move(action));
        std::string paths =
            PdfChooser(owner_.Window(), Title, Filter, initialDirectory, keepCurrentDirectory);
        EXPECT_TRUE(driver.Finished()) << "the open dialog did not show and close in time";
        return paths;
    }

    std::string saved_;
    TestFolder folder_;
    TestOwner owner_;
};

} // namespace

TEST_F(PdfChooserTest, OneFileStartsInTheCurrentDirectoryAndLeavesItAsItWas) {
    std::string path = folder_.AddFile("one.pdf");
    DialogSeen seen;
    EXPECT_EQ(Choose(OpenNames("one.pdf", &seen)), path);
    EXPECT_EQ(seen.title, Title);
    EXPECT_EQ(seen.fileType, "pdf文件");
    EXPECT_EQ(seen.folder, folder_.Path());
    EXPECT_EQ(CurrentDirectory(), folder_.Path());
}

TEST_F(PdfChooserTest, SeveralFilesWithSpacesAndChineseNamesComeOnePerLineInOrder) {
    std::string a = folder_.AddFile("a b.pdf");
    std::string chinese = folder_.AddFile("中文 文件.pdf");
    std::string c = folder_.AddFile("c.pdf");
    EXPECT_EQ(Choose(OpenNames("\"a b.pdf\" \"中文 文件.pdf\" \"c.pdf\"")),
              a + "\r\n" + chinese + "\r\n" + c);
}

TEST_F(PdfChooserTest, DriveRootGetsOneBackslash) {
    SetCurrentDirectoryA("C:\\");
    EXPECT_EQ(Choose(OpenNames("\"x.pdf\" \"y.pdf\"")), "C:\\x.pdf\r\nC:\\y.pdf");
    EXPECT_EQ(Choose(OpenNames("z.pdf")), "C:\\z.pdf");
    EXPECT_EQ(CurrentDirectory(), "C:\\");
}

TEST_F(PdfChooserTest, TypedNameNeedNotExistNorEndInPdf) {
    EXPECT_EQ(Choose(OpenNames("missing.txt")), folder_.Path() + "\\missing.txt");
}

TEST_F(PdfChooserTest, CancelGivesTheEmptyText) {
    folder_.AddFile("one.pdf");
    EXPECT_EQ(Choose([](HWND dialog) { PressDialogButton(dialog, IDCANCEL); }), "");
    EXPECT_EQ(CurrentDirectory(), folder_.Path());
}

TEST_F(PdfChooserTest, GivenInitialDirectoryAndKeptCurrentDirectory) {
    std::string other = folder_.AddFolder("other");
    std::string path = folder_.AddFile("other\\in other.pdf");
    DialogSeen seen;
    EXPECT_EQ(Choose(OpenNames("in other.pdf", &seen), other), path);
    EXPECT_EQ(seen.folder, other);
    EXPECT_EQ(CurrentDirectory(), folder_.Path());

    // The dialog moves the current directory to where the files were chosen; only the flag keeps it there.
    EXPECT_EQ(Choose(OpenNames("in other.pdf"), other, true), path);
    EXPECT_EQ(CurrentDirectory(), other);
}

TEST_F(PdfChooserTest, AddPdfFilesNumbersNewRowsAfterTheExistingOnes) {
    for (int i = 1; i <= 3; ++i)
        owner_.AddRow(std::to_string(i), "old " + std::to_string(i));
    std::vector<std::string> paths;
    std::string names;
    for (const char *name : {"p1.pdf", "p 2.pdf", "文件3.pdf", "p4.pdf", "p5.pdf"}) {
        paths.push_back(folder_.AddFile(name));
        names += std::string(" \"") + name + "\"";
    }

    DialogDriver driver(OpenNames(names));
    AddPdfFiles(owner_.Window(), owner_.FileList());
    ASSERT_TRUE(driver.Finished());
    ASSERT_EQ(owner_.RowCount(), 8);
    for (int row = 3; row < 8; ++row) {
        EXPECT_EQ(owner_.CellText(row, 0), std::to_string(row + 1));
        EXPECT_EQ(owner_.CellText(row, 1), paths[row - 3]);
        EXPECT_EQ(owner_.CellText(row, 2), "");
    }
    EXPECT_EQ(owner_.CellText(2, 1), "old 3");

    // Nothing checks for duplicates, and a cancel adds nothing.
    DialogDriver again(OpenNames("p1.pdf"));
    AddPdfFiles(owner_.Window(), owner_.FileList());
    ASSERT_TRUE(again.Finished());
    DialogDriver cancel([](HWND dialog) { PressDialogButton(dialog, IDCANCEL); });
    AddPdfFiles(owner_.Window(), owner_.FileList());
    ASSERT_TRUE(cancel.Finished());
    ASSERT_EQ(owner_.RowCount(), 9);
    EXPECT_EQ(owner_.CellText(8, 0), "9");
    EXPECT_EQ(owner_.CellText(8, 1), paths[0]);
}
