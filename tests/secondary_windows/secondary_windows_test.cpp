#include "app/secondary_windows.h"

#include "app/globals.h"
#include "app/main_window.h"
#include "mouse_input.h"
#include "support/window_pictures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

const COLORREF WindowBackground = RGB(26, 36, 53);
const COLORREF PanelBackground = RGB(44, 56, 78);
const COLORREF White = RGB(255, 255, 255);

RECT Bounds(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

POINT ScreenPoint(HWND window, int x, int y) {
    RECT bounds = Bounds(window);
    return {bounds.left + x, bounds.top + y};
}

// A press and release of the left button that the control itself receives; true when WM_QUIT came by.
bool Click(HWND control) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    return PumpMessages();
}

void PressEscape(HWND target) {
    SetFocus(target);
    SendMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0);
}

bool IsCentred(HWND window, int width, int height) {
    RECT bounds = Bounds(window);
    return bounds.right - bounds.left == width && bounds.bottom - bounds.top == height &&
           bounds.left == (GetSystemMetrics(SM_CXSCREEN) - width) / 2 &&
           bounds.top == (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
}

// How many pixels of the rectangle differ from `background`: a caption drawn there shows as some.
int InkPixels(const WindowPicture &picture, RECT area, COLORREF background) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            ink += picture.at(x, y) != background;
    return ink;
}

const SecondaryWindowControls &Parts() { return SecondaryWindowParts(); }

class SecondaryWindowsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        RegisterWindowClasses(GetModuleHandleA(nullptr));
        InitGlobals(); // the main window binds its list to the global accessor
    }
    static void TearDownTestSuite() { ReleaseGlobals(); }
    void SetUp() override {
        main = OpenMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        PumpMessages(100);
    }
    void TearDown() override {
        for (HWND window : {Parts().menuPopup, Parts().aboutWindow, Parts().noticeWindow, main})
            if (IsWindow(window))
                DestroyWindow(window);
        PumpMessages(20); // takes the WM_QUIT that the last window's end posts
    }

    void OpenPopup() {
        OpenMenuPopup(main);
        PumpMessages();
        ASSERT_NE(Parts().menuPopup, nullptr);
    }

    HWND main = nullptr;
};

TEST_F(SecondaryWindowsTest, PopupOpensUnderTheMenuButtonAlsoAfterTheMainWindowMoved) {
    for (POINT at : {POINT{-1, -1}, POINT{37, 81}}) {
        if (at.x >= 0)
            SetWindowPos(main, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        OpenPopup();
        RECT popup = Bounds(Parts().menuPopup), window = Bounds(main);
        EXPECT_EQ(popup.left, window.left + 550);
        EXPECT_EQ(popup.top, window.top + 40);
        EXPECT_EQ(popup.right - popup.left, 98);
        EXPECT_EQ(popup.bottom - popup.top, 37);
        EXPECT_EQ(GetForegroundWindow(), Parts().menuPopup);
        PressEscape(Parts().menuPopup);
        PumpMessages();
        EXPECT_EQ(Parts().menuPopup, nullptr);
    }
}

TEST_F(SecondaryWindowsTest, PopupShowsOnlyTheAboutButtonOnThePanel) {
    OpenPopup();
    WindowPicture normal = CaptureWindow(Parts().menuPopup);
    EXPECT_EQ(Rgb{normal.at(50, 2)}, Rgb{PanelBackground});  // the panel above the button
    EXPECT_EQ(Rgb{normal.at(2, 8)}, Rgb{PanelBackground});   // the button, normal
    EXPECT_EQ(Rgb{normal.at(50, 34)}, Rgb{PanelBackground}); // the panel below it
    EXPECT_GT(InkPixels(normal, {30, 5, 70, 31}, PanelBackground), 20) << "the caption 关于";

    SendMessageA(Parts().aboutButton, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    WindowPicture hot = CaptureWindow(Parts().menuPopup);
    EXPECT_EQ(Rgb{hot.at(2, 8)}, Rgb{RGB(21, 207, 86)});
    EXPECT_EQ(Rgb{hot.at(97, 30)}, Rgb{RGB(21, 207, 86)}); // clipped at the popup's right edge
    EXPECT_EQ(Rgb{hot.at(50, 2)}, Rgb{PanelBackground});
    EXPECT_EQ(Rgb{hot.at(50, 32)}, Rgb{PanelBackground});
}

TEST_F(SecondaryWindowsTest, ClickOnTheMainWindowClosesThePopupAndStillReachesTheMainWindow) {
    OpenPopup();
    SetFocus(nullptr);
    ClickAt(ScreenPoint(main, 100, 432)); // the hint label, whose press puts the caret into the folder box
    PumpMessages();
    EXPECT_EQ(Parts().menuPopup, nullptr);
    EXPECT_EQ(GetFocus(), MainWindowParts().folderBox);
}

TEST_F(SecondaryWindowsTest, AboutOpensCentredAndClosesThePopup) {
    OpenPopup();
    HWND popup = Parts().menuPopup;
    Click(Parts().aboutButton);
    PumpMessages();
    ASSERT_NE(Parts().aboutWindow, nullptr);
    EXPECT_TRUE(IsCentred(Parts().aboutWindow, 460, 280));
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_EQ(Parts().menuPopup, nullptr);

    // Asked again, the open box comes to the front instead of a second one.
    HWND about = Parts().aboutWindow;
    SetForegroundWindow(main);
    OpenPopup();
    Click(Parts().aboutButton);
    PumpMessages();
    EXPECT_EQ(Parts().aboutWindow, about);
    EXPECT_EQ(GetForegroundWindow(), about);
    EXPECT_EQ(Parts().menuPopup, nullptr);
}

TEST_F(SecondaryWindowsTest, EachWindowIsFramelessWithItsOwnTaskbarButtonAndNoOwner) {
    OpenNoticeWindow();
    OpenPopup();
    Click(Parts().aboutButton);
    for (HWND window : {Parts().aboutWindow, Parts().noticeWindow}) {
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        EXPECT_EQ(GetWindowTextLengthA(window), 0);
    }
    EXPECT_TRUE(IsCentred(Parts().noticeWindow, 361, 152));
}

TEST_F(SecondaryWindowsTest, EscClosesOnlyItsOwnWindow) {
    OpenNoticeWindow();
    OpenPopup();
    Click(Parts().aboutButton);
    HWND about = Parts().aboutWindow, notice = Parts().noticeWindow;
    ASSERT_TRUE(about && notice);

    PressEscape(Parts().aboutClose);
    PumpMessages();
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindow(notice));

    PressEscape(Parts().noticeOk);
    PumpMessages();
    EXPECT_FALSE(IsWindow(notice));
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(SecondaryWindowsTest, NoticeClosesByItsCrossAndByOkAndComesToTheFrontWhenAskedAgain) {
    for (HWND SecondaryWindowControls::*button :
         {&SecondaryWindowControls::noticeClose, &SecondaryWindowControls::noticeOk}) {
        OpenNoticeWindow();
        HWND notice = Parts().noticeWindow;
        SetForegroundWindow(main);
        PumpMessages();
        OpenNoticeWindow();
        EXPECT_EQ(Parts().noticeWindow, notice);
        EXPECT_EQ(GetForegroundWindow(), notice);

        Click(Parts().*button);
        PumpMessages();
        EXPECT_FALSE(IsWindow(notice));
        EXPECT_EQ(Parts().noticeWindow, nullptr);
    }
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(SecondaryWindowsTest, NoticeShowsItsColoursIconAndButtons) {
    OpenNoticeWindow();
    HWND notice = Parts().noticeWindow;
    WindowPicture picture = CaptureWindow(notice);
    EXPECT_EQ(Rgb{picture.at(150, 20)}, Rgb{WindowBackground});  // title strip, right of "提示"
    EXPECT_EQ(Rgb{picture.at(360, 100)}, Rgb{WindowBackground}); // the strip right of the panel
    EXPECT_EQ(Rgb{picture.at(100, 151)}, Rgb{WindowBackground}); // and below it
    EXPECT_EQ(Rgb{picture.at(20, 120)}, Rgb{PanelBackground});
    EXPECT_EQ(Rgb{picture.at(323, 9)}, Rgb{WindowBackground});  // the cross's corner
    EXPECT_EQ(Rgb{picture.at(36, 63)}, Rgb{RGB(74, 151, 255)}); // the icon's disc, panel (32,20)
    EXPECT_EQ(Rgb{picture.at(254, 118)}, Rgb{RGB(0, 194, 73)}); // 确定, panel (252,80)
    EXPECT_GT(InkPixels(picture, {24, 8, 60, 32}, WindowBackground), 20) << "the title 提示";
    EXPECT_GT(InkPixels(picture, {60, 53, 336, 107}, PanelBackground), 100) << "the message";

    SendMessageA(Parts().noticeOk, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(Parts().noticeClose, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    WindowPicture hot = CaptureWindow(notice);
    EXPECT_EQ(Rgb{hot.at(254, 118)}, Rgb{RGB(0, 173, 65)});
    EXPECT_EQ(Rgb{hot.at(323, 9)}, Rgb{RGB(212, 64, 39)});
}

TEST_F(SecondaryWindowsTest, AboutShowsItsSheetStripAndCross) {
    OpenPopup();
    Click(Parts().aboutButton);
    HWND about = Parts().aboutWindow;
    ASSERT_NE(about, nullptr);
    WindowPicture picture = CaptureWindow(about);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Rgb{picture.at(300, 200)}, Rgb{White});           // the sheet dt
    EXPECT_EQ(Rgb{picture.at(458, 100)}, Rgb{face});            // the 2-pixel strip on the right
    EXPECT_EQ(Rgb{picture.at(200, 279)}, Rgb{face});            // and at the bottom
    EXPECT_EQ(Rgb{picture.at(425, 12)}, Rgb{White});            // the cross's button, normal
    EXPECT_GT(InkPixels(picture, {24, 16, 72, 40}, White), 20); // "关于"
    EXPECT_GT(InkPixels(picture, {32, 88, 272, 120}, White), 50);
    EXPECT_GT(InkPixels(picture, {424, 11, 450, 37}, White), 5); // "×"

    SendMessageA(Parts().aboutClose, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Rgb{CaptureWindow(about).at(425, 12)}, Rgb{RGB(241, 107, 107)});

    HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (tip && GetWindow(tip, GW_OWNER) != about)
        tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr);
    ASSERT_NE(tip, nullptr) << "the cross has a tooltip";
    char text[32] = "";
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = about;
    tool.uId = reinterpret_cast<UINT_PTR>(Parts().aboutClose);
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "关闭");

    Click(Parts().aboutClose);
    EXPECT_FALSE(IsWindow(about));
}

TEST_F(SecondaryWindowsTest, AboutMovesByItsBodyAndTheNoticeDoesNotMove) {
    OpenNoticeWindow();
    OpenPopup();
    Click(Parts().aboutButton);
    HWND about = Parts().aboutWindow, notice = Parts().noticeWindow;
    ASSERT_TRUE(about && notice);
    const struct {
        HWND window;
        POINT at;
        bool moves;
        const char *what;
    } presses[] = {
        {about, {300, 200}, true, "about: the sheet"},
        {about, {40, 100}, true, "about: the text label over the sheet"},
        {about, {459, 100}, true, "about: the background strip"},
        {notice, {150, 20}, false, "notice: title strip"},
        {notice, {100, 120}, false, "notice: panel"},
        {notice, {100, 70}, false, "notice: message label"},
    };
    for (const auto &press : presses) {
        SetForegroundWindow(press.window);
        PumpMessages();
        RECT before = Bounds(press.window);
        DragFrom(ScreenPoint(press.window, press.at.x, press.at.y), 30, 20);
        RECT after = Bounds(press.window);
        EXPECT_EQ(after.left != before.left || after.top != before.top, press.moves) << press.what;
        if (press.moves)
            EXPECT_EQ(after.left - before.left, 30) << press.what;
        SetWindowPos(press.window, nullptr, before.left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

TEST_F(SecondaryWindowsTest, LastWindowClosedAfterTheMainWindowEndsTheLoop) {
    OpenNoticeWindow();
    PressEscape(MainWindowParts().folderBox);
    EXPECT_FALSE(PumpMessages(100)) << "the notice is still open";
    EXPECT_FALSE(IsWindow(main));
    ASSERT_NE(Parts().noticeWindow, nullptr);
    EXPECT_TRUE(Click(Parts().noticeOk)) << "closing the last window posts WM_QUIT";
}

} // namespace
