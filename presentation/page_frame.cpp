// Title band, centring and help of the wizard pages.
#include "presentation/page_frame.h"

#include "app/app_state.h"
#include "app/catalog.h"
#include "presentation/gdi.h"
#include "presentation/page_texts.h"
#include "resources/page_ids.h"

#include <stdio.h>
#include <string.h>

HFONT DeriveFont(HFONT from, int weight) {
    LOGFONTA description = {};
    GetObjectA(from, sizeof description, &description);
    description.lfWeight = weight;
    return CreateFontIndirectA(&description);
}

void PaintPageHeader(HWND page, int pageKind) {
    HFONT dialogFont = (HFONT)SendDlgItemMessageA(page, IDC_PAGE_FORWARD, WM_GETFONT, 0, 0);
    GdiObject boldFont(DeriveFont(dialogFont, FW_BOLD));
    GdiObject normalFont(DeriveFont(dialogFont, FW_NORMAL));
    RECT client;
    GetClientRect(page, &client);
    RECT line;
    GetWindowRect(GetDlgItem(page, IDC_BAND_BOTTOM), &line);
    POINT bandBottom = {line.left, line.top};
    ScreenToClient(page, &bandBottom);
    char title[kBandTextSize];
    char subtitle[kBandTextSize];
    PageHeaderTexts(pageKind, productInfo.displayName, title, subtitle);

    PAINTSTRUCT paint;
    HDC dc = BeginPaint(page, &paint);
    {
        Selection pen(dc, GetStockObject(BLACK_PEN));
        Selection brush(dc, GetStockObject(WHITE_BRUSH));
        Rectangle(dc, -1, -1, client.right + 1, bandBottom.y + 1);
        // Black on white, as on a fresh paint context: when BeginPaint erased the page, the
        // dialog's erase left the face colour as text background, which would box the texts.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        Selection font(dc, boldFont.get());
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        int h = metrics.tmHeight;
        int y = BandTitleTop(bandBottom.y, h);
        TextOutA(dc, 20, y, title, (int)strlen(title));
        SelectObject(dc, normalFont.get());
        TextOutA(dc, 30, y + 2 * h, subtitle, (int)strlen(subtitle));
    }
    EndPaint(page, &paint);
}

void CenterWindow(HWND window) {
    HWND reference = GetParent(window); // a dialog's owner
    if (!reference)
        reference = GetDesktopWindow();
    RECT r, w;
    GetWindowRect(reference, &r);
    GetWindowRect(window, &w);
    int x = CenteredStart(r.left, r.right - r.left, w.right - w.left);
    int y = CenteredStart(r.top, r.bottom - r.top, w.bottom - w.top);
    SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
}

typedef HWND(WINAPI* HtmlHelpFunction)(HWND, LPCSTR, UINT, DWORD_PTR);

// Only a full path is loaded, so an hhctrl.ocx planted beside the installer never is.
static HMODULE LoadHelpControl() {
    char path[MAX_PATH] = "";
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT,
                      "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0, KEY_READ,
                      &key) == ERROR_SUCCESS) {
        char value[MAX_PATH] = "";
        DWORD size = sizeof value - 1;
        DWORD type = 0;
        if (RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)value, &size) == ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ)) {
            value[size < sizeof value ? size : sizeof value - 1] = '\0';
            DWORD length = ExpandEnvironmentStringsA(value, path, sizeof path);
            if (length == 0 || length > sizeof path)
                path[0] = '\0';
        }
        RegCloseKey(key);
    }
    bool absolute =
        (path[0] && path[1] == ':' && path[2] == '\\') || (path[0] == '\\' && path[1] == '\\');
    // Its own imports, too, come only from its folder and the system folder.
    const DWORD search = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
    HMODULE library = absolute ? LoadLibraryExA(path, nullptr, search) : nullptr;
    if (!library) {
        UINT length = GetSystemDirectoryA(path, sizeof path);
        if (length > 0 && length + sizeof "\\hhctrl.ocx" <= sizeof path) {
            strcat(path, "\\hhctrl.ocx");
            library = LoadLibraryExA(path, nullptr, search);
        }
    }
    return library;
}

HWND ShowHelpTopic(int contextId) {
    static HtmlHelpFunction htmlHelp = nullptr;
    static bool lookedUp = false;
    if (!lookedUp) {
        lookedUp = true;
        HMODULE library = LoadHelpControl();
        if (library)
            htmlHelp = (HtmlHelpFunction)(void*)GetProcAddress(library, MAKEINTRESOURCEA(14));
    }
    if (!htmlHelp)
        return nullptr;
    char path[kPathSize + 16];
    snprintf(path, sizeof path, "%sINSTALL.CHM", MediaFolder);
    return htmlHelp(mainWindow, path, 15 /* HH_HELP_CONTEXT */, (DWORD_PTR)contextId);
}
