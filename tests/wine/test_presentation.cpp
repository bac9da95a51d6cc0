// Background and status panel drawn by the real code into memory bitmaps, checked pixel by pixel.
#include "app/app_state.h"
#include "app/catalog.h"
#include "presentation/gdi.h"
#include "presentation/presentation.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kLightGrey = RGB(192, 192, 192);

class Presentation : public ::testing::Test {
  protected:
    void SetUp() override { appInstance = GetModuleHandleA(nullptr); }
    void TearDown() override {
        if (presentation.backgroundImage)
            DeleteObject(presentation.backgroundImage);
        if (presentation.logoImage)
            DeleteObject(presentation.logoImage);
        presentation = PresentationState{};
    }
    void Load(int row, const char* logo = nullptr, const char* tile = nullptr) {
        SelectCatalogRow(row);
        if (logo)
            strcpy(productInfo.logoBitmap, logo);
        if (tile)
            strcpy(productInfo.backgroundBitmap, tile);
        strcpy(MediaFolder, media.folderText().c_str());
        LoadBackground();
    }
    // Copies a whole bitmap into a canvas of its size.
    static void Draw(HBITMAP bitmap, Canvas& canvas) {
        MemoryDC memory(canvas.dc());
        Selection in(memory.get(), bitmap);
        BitBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), memory.get(), 0, 0, SRCCOPY);
    }
    TempFolder media;
};

// A 24-bit picture whose four quarters are red, green, blue and yellow.
void WriteQuarterPicture(const TempFolder& media, int width, int height) {
    int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(stride * height);
    for (int row = 0; row < height; ++row) {
        int y = height - 1 - row; // bottom-up
        for (int x = 0; x < width; ++x) {
            bool right = x >= width / 2, bottom = y >= height / 2;
            COLORREF c = !bottom ? (right ? RGB(0, 255, 0) : RGB(255, 0, 0))
                                 : (right ? RGB(255, 255, 0) : RGB(0, 0, 255));
            char* p = &pixels[row * stride + x * 3];
            p[0] = (char)GetBValue(c);
            p[1] = (char)GetGValue(c);
            p[2] = (char)GetRValue(c);
        }
    }
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + (DWORD)pixels.size();
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::ofstream out(media.path() / "BACKGRND.BMP", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), (std::streamsize)pixels.size());
}

} // namespace

TEST_F(Presentation, PanelGeometryFollowsTheLogo) {
    struct Case {
        int row;
        const char* logo;
        int logoWidth, logoHeight, width, height, textX;
    } cases[] = {
        {0, nullptr, 200, 100, 615, 110, 210},
        {3, nullptr, 150, 70, 565, 80, 160},
        {0, "NoSuchLogo", 0, 0, 410, 80, 5},
    };
    for (const Case& c : cases) {
        Load(c.row, c.logo);
        EXPECT_EQ(presentation.logoWidth, c.logoWidth);
        EXPECT_EQ(presentation.logoHeight, c.logoHeight);
        EXPECT_EQ(presentation.panelWidth, c.width);
        EXPECT_EQ(presentation.panelHeight, c.height);
        EXPECT_EQ(presentation.statusTextX, c.textX);
        EXPECT_EQ(presentation.logoImage == nullptr, c.logo != nullptr);
        TearDown();
    }
}

TEST_F(Presentation, TilesRepeatFromTheTopLeftAndAreCutAtTheEdges) {
    for (int row : {0, 11}) {
        Load(row);
        ASSERT_EQ(presentation.backgroundStretched, 0);
        int w = presentation.backgroundWidth, h = presentation.backgroundHeight;
        EXPECT_EQ(row == 0 ? 100 : 190, w);
        EXPECT_EQ(row == 0 ? 75 : 32, h);
        Canvas tile(w, h);
        Draw(presentation.backgroundImage, tile);
        Canvas screen(1024, 768);
        screen.fill(kMagenta);
        DrawBackground(screen.dc(), 1024, 768);
        // 11 x 11 tiles of 100 x 75: the last column shows 24 pixels, the last row 18.
        int mismatches = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                mismatches += screen.at(x, y) != tile.at(x % w, y % h);
        EXPECT_EQ(mismatches, 0) << "row " << row;
        TearDown();
    }
}

TEST_F(Presentation, MissingTileLeavesTheScreenAlone) {
    Load(0, nullptr, "NoSuchBack");
    EXPECT_EQ(presentation.backgroundImage, nullptr);
    EXPECT_EQ(presentation.backgroundWidth, 0);
    Canvas screen(64, 48);
    screen.fill(kMagenta);
    DrawBackground(screen.dc(), 64, 48);
    EXPECT_EQ(screen.at(10, 10), kMagenta);
}

TEST_F(Presentation, BackgroundPictureIsStretchedOverTheWholeScreen) {
    WriteQuarterPicture(media, 640, 480);
    Load(0);
    ASSERT_EQ(presentation.backgroundStretched, 1);
    EXPECT_EQ(presentation.backgroundWidth, 640);
    EXPECT_EQ(presentation.backgroundHeight, 480);
    BITMAP stretched = {};
    GetObjectA(presentation.backgroundImage, sizeof stretched, &stretched);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(stretched.bmWidth, screenWidth + 1);
    EXPECT_EQ(stretched.bmHeight, screenHeight + 1);

    Canvas screen(screenWidth, screenHeight);
    screen.fill(kMagenta);
    DrawBackground(screen.dc(), screenWidth, screenHeight);
    int cx = screenWidth / 2, cy = screenHeight / 2;
    EXPECT_EQ(screen.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(screen.at(screenWidth - 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(screen.at(0, screenHeight - 1), RGB(0, 0, 255));
    EXPECT_EQ(screen.at(screenWidth - 1, screenHeight - 1), RGB(255, 255, 0));
    EXPECT_EQ(screen.at(cx - 3, cy - 3), RGB(255, 0, 0));
    EXPECT_EQ(screen.at(cx + 3, cy + 3), RGB(255, 255, 0));
}

namespace {

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

int statusChangedCount = 0;
WNDPROC panelProc = nullptr;

LRESULT CALLBACK CountingPanelProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == UM_STATUS_CHANGED)
        ++statusChangedCount;
    return CallWindowProcA(panelProc, w, m, wp, lp);
}

// A hidden parent with a status panel child, as the program creates them.
class PanelWindows {
  public:
    PanelWindows() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA main = {};
            main.lpfnWndProc = PlainWindowProc;
            main.hInstance = GetModuleHandleA(nullptr);
            main.lpszClassName = "TEST:PARENT";
            RegisterClassA(&main);
            WNDCLASSA panel = {};
            panel.lpfnWndProc = StatusPanelProc;
            panel.hInstance = GetModuleHandleA(nullptr);
            panel.lpszClassName = "TEST:PANEL";
            RegisterClassA(&panel);
            registered = true;
        }
        parent = CreateWindowExA(0, "TEST:PARENT", "", WS_POPUP, 0, 0, 800, 600, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        statusPanel = CreateWindowExA(0, "TEST:PANEL", nullptr,
                                      WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER, 0,
                                      0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~PanelWindows() {
        DestroyWindow(parent);
        statusPanel = nullptr;
    }
    HWND parent;
};

struct Ink {
    int left = 100000, top = 100000, right = -1, bottom = -1;
    bool any() const { return right >= 0; }
};

Ink FindInk(const Canvas& canvas, COLORREF color, int fromX) {
    Ink ink;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = fromX; x < canvas.width(); ++x)
            if (canvas.at(x, y) == color) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

int FontHeight(int height, int weight) {
    GdiObject font(CreateSimpleFont("Times New Roman", height, weight));
    Canvas scratch(1, 1);
    Selection in(scratch.dc(), font.get());
    TEXTMETRICA metrics = {};
    GetTextMetricsA(scratch.dc(), &metrics);
    return metrics.tmHeight;
}

} // namespace

TEST_F(Presentation, StatusPanelShowsLogoCaptionAndStatusLine) {
    // The heights that the fonts really get here (Wine's replacement font may round them).
    int captionHeight = FontHeight(18, FW_BOLD), statusHeight = FontHeight(16, FW_NORMAL);
    struct Case {
        int row;
        const char* logo;
        int clientHeight;
    } cases[] = {{0, nullptr, 108}, {3, nullptr, 78}, {13, "NoSuchLogo", 78}};
    for (const Case& c : cases) {
        int captionTop = (c.clientHeight - 2 * statusHeight - captionHeight) / 2;
        int statusTop = captionTop + captionHeight + statusHeight;
        Load(c.row, c.logo);
        PanelWindows windows;
        ShowStatusPanel();
        EXPECT_TRUE(GetWindowLongA(statusPanel, GWL_STYLE) & WS_VISIBLE); // its parent is hidden
        RECT placed;
        GetWindowRect(statusPanel, &placed);
        MapWindowPoints(nullptr, windows.parent, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, 5);
        EXPECT_EQ(placed.top, 5);
        EXPECT_EQ(placed.right - placed.left, presentation.panelWidth);
        EXPECT_EQ(placed.bottom - placed.top, presentation.panelHeight);

        SetStatusText("Copying files...");
        RECT client;
        GetClientRect(statusPanel, &client);
        ASSERT_EQ(client.bottom, c.clientHeight);
        Canvas panel(client.right, client.bottom);
        panel.fill(kMagenta);
        PaintStatusPanel(statusPanel, panel.dc());

        // White frame along the client edge, light grey inside.
        EXPECT_EQ(panel.at(0, 0), kWhite);
        EXPECT_EQ(panel.at(panel.width() - 1, panel.height() - 1), kWhite);
        EXPECT_EQ(panel.at(panel.width() - 3, panel.height() - 3), kLightGrey);
        if (presentation.logoImage) {
            Canvas logo(presentation.logoWidth, presentation.logoHeight);
            Draw(presentation.logoImage, logo);
            int mismatches = 0;
            for (int y = 0; y < logo.height(); ++y)
                for (int x = 0; x < logo.width(); ++x)
                    mismatches += panel.at(5 + x, 5 + y) != logo.at(x, y);
            EXPECT_EQ(mismatches, 0);
        }
        int textX = presentation.statusTextX;
        Ink caption = FindInk(panel, kBlue, textX);
        Ink status = FindInk(panel, kBlack, textX);
        ASSERT_TRUE(caption.any() && status.any()) << "row " << c.row;
        EXPECT_GE(caption.top, captionTop);
        EXPECT_LT(caption.bottom, captionTop + captionHeight);
        EXPECT_GE(status.top, statusTop);
        EXPECT_LT(status.bottom, statusTop + statusHeight);
        EXPECT_LE(caption.left, textX + 3);
        EXPECT_LE(status.left, textX + 3);
        // No ink of either line left of where the text starts, outside the logo.
        EXPECT_FALSE(FindInk(panel, kBlue, 0).left < textX);
        TearDown();
    }
}

TEST_F(Presentation, EmptyStatusTextLeavesOnlyTheCaption) {
    Load(0);
    PanelWindows windows;
    ShowStatusPanel();
    SetStatusText("Copying files...");
    SetStatusText("");
    RECT client;
    GetClientRect(statusPanel, &client);
    Canvas panel(client.right, client.bottom);
    PaintStatusPanel(statusPanel, panel.dc());
    EXPECT_TRUE(FindInk(panel, kBlue, presentation.statusTextX).any());
    EXPECT_FALSE(FindInk(panel, kBlack, presentation.statusTextX).any());
}

TEST_F(Presentation, StatusTextIsPaintedBeforeSetStatusTextReturnsAndCutTo79) {
    Load(0);
    PanelWindows windows;
    ShowStatusPanel();
    panelProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        statusPanel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingPanelProc)));
    statusChangedCount = 0;
    std::string longText(100, 'x');
    SetStatusText(longText.c_str());
    EXPECT_EQ(statusChangedCount, 1);
    EXPECT_EQ(std::string(presentation.statusText), std::string(79, 'x'));
    MSG pending;
    EXPECT_FALSE(PeekMessageA(&pending, statusPanel, UM_STATUS_CHANGED, UM_STATUS_CHANGED,
                              PM_NOREMOVE));
}
