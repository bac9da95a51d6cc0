// The status panel: logo, product caption and one progress line, repainted synchronously.
#include "presentation/presentation.h"

#include "app/app_state.h"
#include "app/catalog.h"
#include "app/text_util.h"
#include "presentation/gdi.h"
#include "presentation/panel_layout.h"

#include <string.h>

HFONT CreateSimpleFont(const char* face, int height, int weight) {
    LOGFONTA description = {};
    description.lfHeight = height;
    description.lfWeight = weight;
    CopyText(description.lfFaceName, sizeof description.lfFaceName, face);
    return CreateFontIndirectA(&description);
}

static int TextHeight(HDC dc) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

void ShowStatusPanel() {
    presentation.statusText[0] = '\0';
    ShowWindow(statusPanel, SW_SHOW);
    MoveWindow(statusPanel, 5, 5, presentation.panelWidth, presentation.panelHeight, TRUE);
}

void PaintStatusPanel(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    int width = client.right;
    int height = client.bottom;
    GdiObject bitmap(CreateCompatibleBitmap(dc, width, height));
    MemoryDC memory(dc);
    HDC m = memory.get();
    Selection bitmapIn(m, bitmap.get());
    {
        Selection brush(m, GetStockObject(LTGRAY_BRUSH));
        Selection pen(m, GetStockObject(WHITE_PEN));
        Rectangle(m, 0, 0, width, height);
    }
    if (presentation.logoImage) {
        MemoryDC logo(dc);
        Selection logoIn(logo.get(), presentation.logoImage);
        BitBlt(m, 5, 5, presentation.logoWidth, presentation.logoHeight, logo.get(), 0, 0,
               SRCCOPY);
    }
    SetBkMode(m, TRANSPARENT);
    GdiObject captionFont(CreateSimpleFont("Times New Roman", 18, FW_BOLD));
    GdiObject statusFont(CreateSimpleFont("Times New Roman", 16, FW_NORMAL));
    COLORREF oldColor = GetTextColor(m);
    HGDIOBJ oldFont = SelectObject(m, captionFont.get());
    int captionHeight = TextHeight(m);
    SelectObject(m, statusFont.get());
    int statusHeight = TextHeight(m);
    int y = CaptionLineTop(height, captionHeight, statusHeight);
    int y2 = StatusLineTop(y, captionHeight, statusHeight);

    char caption[kMessageSize];
    BuildPanelCaption(productInfo, caption, sizeof caption);
    SelectObject(m, captionFont.get());
    SetTextColor(m, RGB(0, 0, 255));
    TextOutA(m, presentation.statusTextX, y, caption, (int)strlen(caption));
    SelectObject(m, statusFont.get());
    SetTextColor(m, RGB(0, 0, 0));
    TextOutA(m, presentation.statusTextX, y2, presentation.statusText,
             (int)strlen(presentation.statusText));
    SetTextColor(m, oldColor);
    SelectObject(m, oldFont);
    BitBlt(dc, 0, 0, width, height, m, 0, 0, SRCCOPY);
}

LRESULT CALLBACK StatusPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintStatusPanel(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case UM_STATUS_CHANGED: {
        WindowDC dc(window);
        PaintStatusPanel(window, dc.get());
        return 0;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void SetStatusText(const char* text) {
    // Longer texts are cut: the line holds 79 characters.
    CopyText(presentation.statusText, sizeof presentation.statusText, text);
    SendMessageA(statusPanel, UM_STATUS_CHANGED, 0, 0);
}
