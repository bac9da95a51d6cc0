// The page frame on a real page template: the title band pixel by pixel against text that the
// test draws itself in the same fonts, and the centring of windows over their owner or the desktop.
#include "presentation/gdi.h"
#include "presentation/page_frame.h"
#include "presentation/page_texts.h"
#include "resources/page_ids.h"
#include "tests/wine/canvas.h"
#include "tests/wine/page_test_support.h"
#include "wizard/pages.h"

#include <cstring>

namespace {

int kindToPaint = 0;

// The Welcome template, painted with whatever page kind the test asks for.
INT_PTR CALLBACK BandOnlyProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_PAINT:
        PaintPageHeader(page, kindToPaint);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(page, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// The client area as the screen shows it, top rows only.
void CaptureClient(HWND page, Canvas& canvas) {
    HDC dc = GetDC(page);
    BitBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(page, dc);
}

struct Band {
    int width, bottom, textHeight, titleTop;
};

// What the band should show, drawn here independently: white rows above the bottom, the title at
// (20, y) in the bold font and the subtitle at (30, y + 2h) in the normal one.
void DrawExpectedBand(HWND page, int kind, const Band& band, Canvas& expected) {
    expected.fill(RGB(255, 255, 255));
    HFONT dialogFont = FontOf(page, IDC_PAGE_FORWARD);
    LOGFONTA description = DescriptionOf(dialogFont);
    description.lfWeight = FW_BOLD;
    GdiObject bold(CreateFontIndirectA(&description));
    description.lfWeight = FW_NORMAL;
    GdiObject normal(CreateFontIndirectA(&description));
    char title[kBandTextSize], subtitle[kBandTextSize];
    PageHeaderTexts(kind, productInfo.displayName, title, subtitle);
    Selection font(expected.dc(), bold.get());
    TextOutA(expected.dc(), 20, band.titleTop, title, (int)strlen(title));
    SelectObject(expected.dc(), normal.get());
    TextOutA(expected.dc(), 30, band.titleTop + 2 * band.textHeight, subtitle,
             (int)strlen(subtitle));
}

Band MeasureBand(HWND page) {
    RECT client;
    GetClientRect(page, &client);
    RECT line = {0, 40, 405, 41}; // control 300 in dialog units
    MapDialogRect(page, &line);
    LOGFONTA description = DescriptionOf(FontOf(page, IDC_PAGE_FORWARD));
    description.lfWeight = FW_BOLD;
    GdiObject bold(CreateFontIndirectA(&description));
    Canvas scratch(1, 1);
    Selection font(scratch.dc(), bold.get());
    TEXTMETRICA metrics = {};
    GetTextMetricsA(scratch.dc(), &metrics);
    int h = metrics.tmHeight;
    return {client.right, line.top, h, (line.top - 3 * h) / 2};
}

int CountInk(const Canvas& canvas, int rows) {
    int ink = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.at(x, y) != RGB(255, 255, 255))
                ++ink;
    return ink;
}

using PageFrame = PageTest;

} // namespace

TEST_F(PageFrame, BandIsWhiteWithABlackBottomLineAndTheTextsOfTheKind) {
    struct Case {
        int row, kind;
        bool text;
    } cases[] = {{0, kPageWelcome, true},     {0, kPageFinish, true}, {3, kPageComponents, true},
                 {0, kPageInstallType, true}, {0, 9, false},          {0, 255, false}};
    for (const Case& c : cases) {
        SelectCatalogRow(c.row);
        kindToPaint = c.kind;
        Band band = {};
        bool sameAsDrawn = false, sameAfterRepaint = false, lineBlack = true;
        bool belowIsFace = true;
        int ink = 0;
        driver.then([&](HWND page) {
            UpdateWindow(page);
            band = MeasureBand(page);
            Canvas shown(band.width, band.bottom + 2), expected(band.width, band.bottom + 2);
            CaptureClient(page, shown);
            DrawExpectedBand(page, c.kind, band, expected);
            sameAsDrawn = true;
            for (int y = 0; y < band.bottom; ++y)
                for (int x = 0; x < band.width; ++x)
                    if (shown.at(x, y) != expected.at(x, y))
                        sameAsDrawn = false;
            for (int x = 0; x < band.width; ++x) {
                lineBlack = lineBlack && shown.at(x, band.bottom) == RGB(0, 0, 0);
                belowIsFace =
                    belowIsFace && shown.at(x, band.bottom + 1) == GetSysColor(COLOR_BTNFACE);
            }
            ink = CountInk(shown, band.bottom);
            if (c.kind == kPageFinish)
                SaveWindowShot(page, "band-finish");

            // Scribbled over, then repainted: the whole band comes back, texts included.
            HDC dc = GetDC(page);
            RECT top = {0, 0, band.width, band.bottom + 1};
            FillRect(dc, &top, (HBRUSH)GetStockObject(BLACK_BRUSH));
            ReleaseDC(page, dc);
            InvalidateRect(page, nullptr, TRUE);
            UpdateWindow(page);
            Canvas again(band.width, band.bottom + 2);
            CaptureClient(page, again);
            sameAfterRepaint = true;
            for (int y = 0; y <= band.bottom; ++y)
                for (int x = 0; x < band.width; ++x)
                    if (again.at(x, y) != shown.at(x, y))
                        sameAfterRepaint = false;
            PressCloseBox(page);
        });
        Show("WelcomeDlg", BandOnlyProc);
        EXPECT_TRUE(sameAsDrawn) << c.kind;
        EXPECT_TRUE(lineBlack) << c.kind;
        EXPECT_TRUE(belowIsFace) << c.kind;
        EXPECT_TRUE(sameAfterRepaint) << c.kind;
        EXPECT_EQ(ink > 0, c.text) << c.kind;
        EXPECT_EQ(band.titleTop, (band.bottom - 3 * band.textHeight) / 2);
    }
}

TEST(CenterWindow, OverTheOwnerEvenWhenWiderAndOverTheDesktopWithoutOne) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 50, 300, 200, nullptr, nullptr,
                                 instance, nullptr);
    struct Case {
        bool owned;
        int width, height, left, top;
    } cases[] = {
        {true, 200, 100, 150, 100},
        {true, 201, 101, 149, 99}, // halves truncated toward zero
        {true, 305, 210, 98, 45},  // wider and taller: -5 and -10
        {false, 200, 100, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2,
         (GetSystemMetrics(SM_CYSCREEN) - 100) / 2},
    };
    for (const Case& c : cases) {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 3, 4, c.width, c.height,
                                      c.owned ? owner : nullptr, nullptr, instance, nullptr);
        CenterWindow(window);
        RECT r;
        GetWindowRect(window, &r);
        EXPECT_EQ(r.left, c.left) << c.width;
        EXPECT_EQ(r.top, c.top) << c.width;
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        DestroyWindow(window);
    }
    DestroyWindow(owner);
}

TEST_F(PageFrame, PagesAreCentredOverTheirOwner) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 30, 700, 600, nullptr,
                                 nullptr, appInstance, nullptr);
    RECT page = {};
    driver.then([&](HWND dialog) {
        GetWindowRect(dialog, &page);
        Click(dialog, IDC_WELCOME_CANCEL);
    });
    Show("WelcomeDlg", WelcomePageProc, owner);
    DestroyWindow(owner);
    int width = page.right - page.left, height = page.bottom - page.top;
    EXPECT_EQ(page.left, 40 + (700 - width) / 2);
    EXPECT_EQ(page.top, 30 + (600 - height) / 2);
}
