#include "app/controls.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "support/window_pictures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

const COLORREF WindowBackground = RGB(26, 36, 53);
const COLORREF PanelBackground = RGB(44, 56, 78);
const COLORREF ListBackground = RGB(149, 167, 196);
const COLORREF FolderBackground = RGB(154, 170, 199);
const COLORREF HintText = RGB(45, 63, 91);
const COLORREF ButtonNormal = RGB(44, 56, 78), ButtonHot = RGB(22, 30, 45);

class MainWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        RegisterWindowClasses(GetModuleHandleA(nullptr));
        InitGlobals(); // the window binds its file list to the global accessor
    }
    static void TearDownTestSuite() { ReleaseGlobals(); }
    void SetUp() override {
        window = OpenMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(window, nullptr);
        SetForegroundWindow(window);
        PumpMessages(100);
    }
    void TearDown() override {
        if (IsWindow(window))
            DestroyWindow(window);
        PumpMessages(20); // takes the WM_QUIT that the last window's end posts
    }
    const MainWindowControls &parts() const { return MainWindowParts(); }
    Rgb Pixel(int x, int y) { return Rgb{CaptureWindow(window).at(x, y)}; }

    HWND window = nullptr;
};

TEST_F(MainWindowTest, OpensCentredAndFramelessAtItsSize) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 650);
    EXPECT_EQ(bounds.bottom - bounds.top, 460);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 650) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 460) / 2);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX));
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Orvanta");
}

TEST_F(MainWindowTest, ShowsTheLayoutsBackgrounds) {
    WindowPicture picture = CaptureWindow(window);
    EXPECT_EQ(Rgb{picture.at(400, 45)}, Rgb{WindowBackground});  // the title strip above the panel
    EXPECT_EQ(Rgb{picture.at(300, 70)}, Rgb{PanelBackground});   // panel, above the list
    EXPECT_EQ(Rgb{picture.at(300, 300)}, Rgb{ListBackground});   // below the last row
    EXPECT_EQ(Rgb{picture.at(480, 418)}, Rgb{FolderBackground}); // the folder box beside the hint
    EXPECT_EQ(Rgb{picture.at(645, 455)}, Rgb{PanelBackground});  // the panel reaches the bottom edge
}

TEST_F(MainWindowTest, FrameLabelsShowTheGradientAsAOnePixelBorder) {
    // 标_1 lies at panel (107,320), 90 x 32, that is window (106,374); its left column shows beside the
    // button.
    WindowPicture picture = CaptureWindow(window);
    EXPECT_EQ(Rgb{picture.at(106, 374)}, Rgb{RGB(103, 126, 169)});     // top row
    EXPECT_EQ(Rgb{picture.at(106, 374 + 16)}, Rgb{RGB(44, 60, 88)});   // mid-height
    EXPECT_EQ(Rgb{picture.at(106, 374 + 31)}, Rgb{RGB(99, 121, 163)}); // last row: t = 15/16 of the way back
    EXPECT_EQ(Rgb{picture.at(107, 375)}, Rgb{ButtonNormal});           // the button starts one pixel in
}

TEST(FrameGradient, FollowsTheFormulaRowByRow) {
    const COLORREF edge = RGB(103, 126, 169), middle = RGB(44, 60, 88);
    const struct {
        int y, height;
        COLORREF expected;
    } rows[] = {
        {0, 32, edge},
        {16, 32, middle},
        {8, 32, RGB(74, 93, 129)},
        {31, 32, RGB(99, 121, 163)},
        {32, 32, edge},
        {0, 1, edge},
        {2, 5, middle},
        {4, 5, edge},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Rgb{FrameGradientRow(row.y, row.height, edge, middle)}, Rgb{row.expected})
            << "row " << row.y << " of " << row.height;
}

TEST_F(MainWindowTest, FlatButtonsShowTheirThreeStatesAndOffsetTheCaptionWhilePressed) {
    HWND button = parts().clearButton; // panel (206,321), window (205,375), 88 x 30
    const int left = 205, top = 375;
    WindowPicture normal = CaptureWindow(window);
    EXPECT_EQ(Rgb{normal.at(left + 2, top + 2)}, Rgb{ButtonNormal});

    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    WindowPicture hot = CaptureWindow(window);
    EXPECT_EQ(Rgb{hot.at(left + 2, top + 2)}, Rgb{ButtonHot});

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    WindowPicture pressed = CaptureWindow(window);
    EXPECT_EQ(Rgb{pressed.at(left + 2, top + 2)}, Rgb{ButtonHot});
    int bright = 0, same = 0, compared = 0;
    for (int y = top + 1; y < top + 28; ++y)
        for (int x = left + 1; x < left + 86; ++x) {
            bright += GetRValue(hot.at(x, y)) > 200;
            same += pressed.at(x + 1, y + 1) == hot.at(x, y);
            ++compared;
        }
    EXPECT_GT(bright, 20) << "the hot caption is white";
    EXPECT_EQ(same, compared) << "the pressed caption is the hot one moved by (1,1)";
    ReleaseCapture(); // lets go without a click
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Rgb{CaptureWindow(window).at(left + 2, top + 2)}, Rgb{ButtonNormal});
}

TEST_F(MainWindowTest, PictureButtonsBlendTheNormalGlyphAndShowOpaquePicturesOtherwise) {
    HWND close = parts().closeButton; // window (614,8); the cross runs through (10,10) of the button
    WindowPicture normal = CaptureWindow(window);
    // White at 60 % over the window's background.
    COLORREF glyph = normal.at(614 + 10, 8 + 10);
    EXPECT_NEAR(GetRValue(glyph), 26 + (255 - 26) * 0.6, 2);
    EXPECT_NEAR(GetBValue(glyph), 53 + (255 - 53) * 0.6, 2);
    EXPECT_EQ(Rgb{normal.at(614 + 2, 8 + 2)}, Rgb{WindowBackground});

    SendMessageA(close, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    WindowPicture hot = CaptureWindow(window);
    EXPECT_EQ(Rgb{hot.at(614 + 2, 8 + 2)}, Rgb{RGB(212, 64, 39)});
    EXPECT_EQ(Rgb{hot.at(614 + 10, 8 + 10)}, Rgb{RGB(255, 255, 255)});
    SendMessageA(parts().menuButton, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(Pixel(553 + 2, 8 + 2), Rgb{RGB(61, 194, 52)});
    SendMessageA(parts().minimiseButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(Pixel(584 + 2, 8 + 2), Rgb{RGB(0, 173, 65)});
    ReleaseCapture();
}

TEST_F(MainWindowTest, TheBadgeFillsTheUpperLeftTriangleAndLeavesTheRestTransparent) {
    WindowPicture picture = CaptureWindow(window);
    EXPECT_EQ(Rgb{picture.at(3, 3)}, Rgb{RGB(255, 153, 53)});
    EXPECT_EQ(Rgb{picture.at(45, 2)}, Rgb{RGB(255, 153, 53)});
    EXPECT_EQ(Rgb{picture.at(40, 40)}, Rgb{WindowBackground}); // the transparent corner
    EXPECT_EQ(Rgb{picture.at(49, 49)}, Rgb{WindowBackground});
}

int CountPixels(const WindowPicture &picture, RECT area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += picture.at(x, y) == colour;
    return count;
}

TEST_F(MainWindowTest, TheHintFollowsTheTrimmedFolderText) {
    const struct {
        const char *text;
        bool hintShown;
    } cases[] = {
        {"", true},           {"   ", true}, {"\xA1\xA1", true}, {" \xA1\xA1 ", true}, {"a", false},
        {" D:\\Out ", false}, {"\t", false}, {"\r\n", false},    {"", true},
    };
    for (const auto &c : cases) {
        SetWindowTextA(parts().folderBox, c.text);
        EXPECT_EQ(IsWindowVisible(parts().hint) != FALSE, c.hintShown) << "text \"" << c.text << "\"";
    }
    // The hint shows its dark text on the box's colour; hidden, the box shows through.
    RECT hintArea{12, 420, 12 + 252, 420 + 24};
    EXPECT_GT(CountPixels(CaptureWindow(window), hintArea, HintText), 10);
    SetWindowTextA(parts().folderBox, "D:\\Out");
    EXPECT_EQ(CountPixels(CaptureWindow(window), hintArea, HintText), 0);
}

TEST_F(MainWindowTest, TheFolderBoxShowsOneCentredLine) {
    RECT box, frame;
    GetWindowRect(parts().folderBox, &box);
    GetWindowRect(parts().folderFrame, &frame);
    EXPECT_EQ(frame.bottom - frame.top, 30);
    EXPECT_EQ(box.top - frame.top, frame.bottom - box.bottom);
    EXPECT_EQ(GetWindowLongA(parts().folderBox, GWL_STYLE) &
                  (ES_READONLY | ES_PASSWORD | ES_NOHIDESEL | WS_BORDER),
              0);
}

TEST_F(MainWindowTest, PressingTheHintFocusesTheFolderBox) {
    SetFocus(parts().fileList);
    SendMessageA(parts().hint, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(parts().hint, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), parts().folderBox);
}

TEST_F(MainWindowTest, TheFileListHasItsColumnsColoursAndStyles) {
    HWND list = parts().fileList;
    const struct {
        const char *caption;
        int width;
    } columns[] = {{"序号", 50}, {"路径", 400}, {"状态", 100}};
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        char caption[32] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = caption;
        column.cchTextMax = sizeof(caption);
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(caption, columns[i].caption);
        EXPECT_EQ(column.cx, columns[i].width);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
    LONG style = GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style &
                 (LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_NOSORTHEADER | LVS_SORTASCENDING | WS_BORDER));
    DWORD extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_TRACKSELECT),
              DWORD(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETBKCOLOR, 0, 0), ListBackground);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

void AddRow(HWND list, const char *text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = 1000;
    item.pszText = const_cast<char *>(text);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

TEST_F(MainWindowTest, ClearFileListEmptiesTheListAndAcceptsAnEmptyOne) {
    AddRow(parts().fileList, "1");
    AddRow(parts().fileList, "2");
    ClearFileList();
    EXPECT_EQ(SendMessageA(parts().fileList, LVM_GETITEMCOUNT, 0, 0), 0);
    ClearFileList();
    EXPECT_EQ(SendMessageA(parts().fileList, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(MainWindowTest, MinimiseKeepsTheWindow) {
    MinimiseMainWindow();
    PumpMessages(100);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_TRUE(IsWindow(window));
}

// A press at a point of the window, then a drag of (dx, dy) with the real mouse. The input comes from another
// thread, because a press that starts a move runs the system's modal move loop on this one.
void DragAt(HWND window, POINT at, int dx, int dy) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    POINT start{bounds.left + at.x, bounds.top + at.y};
    std::thread mouse([=] {
        auto send = [](DWORD flags) {
            INPUT input{INPUT_MOUSE};
            input.mi.dwFlags = flags;
            SendInput(1, &input, sizeof(INPUT));
            Sleep(40);
        };
        SetCursorPos(start.x, start.y);
        send(MOUSEEVENTF_MOVE);
        send(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 4; ++step) {
            SetCursorPos(start.x + dx * step / 4, start.y + dy * step / 4);
            send(MOUSEEVENTF_MOVE);
        }
        send(MOUSEEVENTF_LEFTUP);
    });
    PumpMessages(800);
    mouse.join();
    PumpMessages(50);
}

TEST_F(MainWindowTest, OnlyTheBackgroundLabelsAndBadgeMoveTheWindow) {
    const struct {
        const char *region;
        POINT at;
        bool moves;
    } regions[] = {
        {"background strip", {400, 45}, true},
        {"标签2 title", {150, 20}, true},
        {"标签4 contact", {200, 40}, true},
        {"图片框1 badge", {10, 10}, true},
        {"标_1 frame label", {106, 390}, true},
        {"panel", {300, 70}, false},
        {"list", {300, 300}, false},
        {"hint 标签1", {100, 432}, false},
        {"folder box", {480, 430}, false},
    };
    for (const auto &region : regions) {
        RECT before, after;
        GetWindowRect(window, &before);
        DragAt(window, region.at, 30, 20);
        GetWindowRect(window, &after);
        bool moved = after.left != before.left || after.top != before.top;
        EXPECT_EQ(moved, region.moves) << region.region;
        if (moved)
            EXPECT_EQ(after.left - before.left, 30) << region.region;
        SetWindowPos(window, nullptr, before.left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

TEST_F(MainWindowTest, EscOnAnyControlClosesTheWindowAndEndsTheLoop) {
    for (HWND MainWindowControls::*control :
         {&MainWindowControls::folderBox, &MainWindowControls::fileList}) {
        HWND target = parts().*control;
        SetFocus(target);
        SendMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(PumpMessages(100)) << "the last window's end posts WM_QUIT";
        EXPECT_FALSE(IsWindow(window));
        window = OpenMainWindow(GetModuleHandleA(nullptr));
        PumpMessages(50);
    }
}

} // namespace
