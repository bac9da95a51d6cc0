// The folder browser dialog and the owner-drawn folder list it alone uses.
#include "wizard/folder_browser.h"

#include "app/app_state.h"
#include "app/text_util.h"
#include "presentation/gdi.h"
#include "presentation/page_frame.h"
#include "resources/folder_ids.h"
#include "search/search_text.h"
#include "wizard/folder_text.h"

#include <stdio.h>
#include <string.h>

char browsePath[kPathSize];
int lastDriveIndex;

enum { kFolderItemHeight = 15, kFolderTextX = 21 };

// "[NAME]" entries: a name of up to 255 characters, its brackets and the terminating zero.
enum { kEntrySize = kPathSize + 2 };

int BrowseForFolder(HWND owner, char* result) {
    INT_PTR chosen = DialogBoxParamA(appInstance, "DirBrowserDlg", owner, FolderBrowserProc, 0);
    UpdateWindow(owner);
    if (chosen != 1)
        return 0;
    CopyText(result, kPathSize, browsePath);
    return 1;
}

void FillFolderList(HWND list, const char* path) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    char pattern[kPathSize];
    if (snprintf(pattern, sizeof pattern, "%s*.*", path) >= (int)sizeof pattern)
        return;
    if (CountBackslashes(pattern) > 1)
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)kUpEntry);
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA(pattern, &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) ||
            IsSkippedFolderName(entry.cFileName))
            continue;
        char text[kEntrySize];
        if (FolderEntryText(text, sizeof text, path, entry.cFileName))
            SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)text);
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
}

void FillDriveCombo(HWND combo, const char* path) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[4];
        snprintf(root, sizeof root, "%c:\\", letter);
        if (GetDriveTypeA(root) != DRIVE_FIXED)
            continue;
        char label[kPathSize] = "";
        if (!GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr,
                                   0))
            label[0] = '\0';
        char text[kPathSize + 8];
        DriveEntryText(text, sizeof text, letter, label);
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text);
    }
    char drive[3] = {path[0], path[0] ? path[1] : '\0', '\0'};
    int count = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
    int chosen = 0;
    for (int index = 0; index < count; ++index) {
        char text[kPathSize + 8] = "";
        if (SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) >= (LRESULT)sizeof text)
            continue;
        SendMessageA(combo, CB_GETLBTEXT, index, (LPARAM)text);
        text[2] = '\0';
        if (EqualNoCase(text, drive)) {
            chosen = index;
            break;
        }
    }
    SendMessageA(combo, CB_SETCURSEL, chosen, 0);
}

void ShowBrowsePath(HWND field, const char* path) {
    char text[kPathSize];
    BrowsePathText(text, sizeof text, path);
    SetWindowTextA(field, text);
}

// The folder picture: tab and body outlined in black over a yellow fill.
static void DrawFolderPicture(HDC dc, int left, int top, int withArrow) {
    GdiObject yellowPen(CreatePen(PS_SOLID, 1, RGB(255, 255, 0)));
    GdiObject blackPen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    GdiObject yellowBrush(CreateSolidBrush(RGB(255, 255, 0)));
    auto line = [&](int x1, int y1, int x2, int y2) {
        MoveToEx(dc, left + x1, top + y1, nullptr);
        LineTo(dc, left + x2, top + y2);
    };
    Selection pen(dc, yellowPen.get());
    line(4, 2, 9, 2);
    SelectObject(dc, blackPen.get());
    line(4, 1, 9, 1);
    line(3, 2, 4, 2);
    line(9, 2, 10, 2);
    SelectObject(dc, yellowPen.get());
    {
        Selection brush(dc, yellowBrush.get());
        Rectangle(dc, left + 3, top + 4, left + 16, top + 13);
    }
    SelectObject(dc, blackPen.get());
    line(2, 3, 16, 3);
    line(2, 13, 17, 13);
    line(2, 4, 2, 13);
    line(16, 4, 16, 13);
    if (withArrow) {
        line(7, 5, 8, 5);
        line(6, 6, 9, 6);
        line(5, 7, 10, 7);
        line(7, 8, 7, 10);
        line(7, 10, 13, 10);
    }
}

void DrawFolderItem(const DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    const RECT& r = item->rcItem;
    int textColor = COLOR_WINDOWTEXT, backColor = COLOR_WINDOW;
    if (item->itemState & ODS_SELECTED) {
        textColor = COLOR_HIGHLIGHTTEXT;
        backColor = COLOR_HIGHLIGHT;
    } else if (item->itemState & ODS_DISABLED) {
        textColor = COLOR_GRAYTEXT;
        backColor = COLOR_BTNFACE;
    }
    {
        GdiObject pen(CreatePen(PS_SOLID, 1, GetSysColor(backColor)));
        GdiObject brush(CreateSolidBrush(GetSysColor(backColor)));
        Selection penIn(dc, pen.get());
        Selection brushIn(dc, brush.get());
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    // An empty list that has the focus asks for an item that does not exist.
    char entry[kEntrySize] = "";
    LRESULT length = item->itemID == (UINT)-1
                         ? LB_ERR
                         : SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0);
    if (length != LB_ERR && length < (LRESULT)sizeof entry) {
        SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, (LPARAM)entry);
        DrawFolderPicture(dc, r.left, r.top, IsUpEntry(entry));
        char shown[kEntrySize];
        DisplayedEntryText(shown, sizeof shown, entry);
        COLORREF oldText = SetTextColor(dc, GetSysColor(textColor));
        COLORREF oldBack = SetBkColor(dc, GetSysColor(backColor));
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        RECT clip = {kFolderTextX, r.top, r.right, r.bottom};
        ExtTextOutA(dc, kFolderTextX, (r.top + r.bottom - metrics.tmHeight) / 2,
                    ETO_OPAQUE | ETO_CLIPPED, &clip, shown, (UINT)strlen(shown), nullptr);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
    }
    if (item->itemState & ODS_FOCUS)
        DrawFocusRect(dc, &r);
}

static void OpenSelectedEntry(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_BROWSER_FOLDERS);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    char entry[kEntrySize] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, index, 0) >= (LRESULT)sizeof entry)
        return;
    SendMessageA(list, LB_GETTEXT, index, (LPARAM)entry);
    NavigateFolder(browsePath, sizeof browsePath, entry);
    FillFolderList(list, browsePath);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    ShowBrowsePath(GetDlgItem(dialog, IDC_BROWSER_PATH), browsePath);
}

static void ChangeDrive(HWND dialog, int index) {
    lastDriveIndex = index;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    char text[kPathSize] = "";
    GetDlgItemTextA(dialog, IDC_BROWSER_DRIVES, text, sizeof text);
    DriveRootFromEntry(browsePath, sizeof browsePath, text);
    HWND list = GetDlgItem(dialog, IDC_BROWSER_FOLDERS);
    ShowBrowsePath(GetDlgItem(dialog, IDC_BROWSER_PATH), browsePath);
    FillFolderList(list, browsePath);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

static void Accept(HWND dialog) {
    AcceptedFolderText(browsePath);
    EndDialog(dialog, 1);
}

static void OpenBrowser(HWND dialog) {
    CenterWindow(dialog);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        snprintf(browsePath, sizeof browsePath, "%c:\\", letter);
        if (GetDriveTypeA(browsePath) == DRIVE_FIXED)
            break;
    }
    HWND list = GetDlgItem(dialog, IDC_BROWSER_FOLDERS);
    HWND drives = GetDlgItem(dialog, IDC_BROWSER_DRIVES);
    ShowBrowsePath(GetDlgItem(dialog, IDC_BROWSER_PATH), browsePath);
    FillFolderList(list, browsePath);
    FillDriveCombo(drives, browsePath);
    lastDriveIndex = (int)SendMessageA(drives, CB_GETCURSEL, 0, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SetFocus(list);
}

static void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDCANCEL:
    case IDC_BROWSER_CANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_BROWSER_FOLDERS:
        if (code == LBN_DBLCLK)
            OpenSelectedEntry(dialog);
        break;
    case IDC_BROWSER_DRIVES:
        if (code == CBN_SELCHANGE) {
            int index = (int)SendDlgItemMessageA(dialog, IDC_BROWSER_DRIVES, CB_GETCURSEL, 0, 0);
            if (index != lastDriveIndex)
                ChangeDrive(dialog, index);
        }
        break;
    case IDC_BROWSER_OK:
        // Enter in the folder list opens the entry; the OK button itself accepts.
        if (GetFocus() == GetDlgItem(dialog, IDC_BROWSER_FOLDERS))
            OpenSelectedEntry(dialog);
        else
            Accept(dialog);
        break;
    case IDC_BROWSER_HELP:
        ShowHelpTopic(kHelpWelcome);
        break;
    }
}

INT_PTR CALLBACK FolderBrowserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OpenBrowser(dialog);
        return FALSE;
    case WM_MEASUREITEM:
        ((MEASUREITEMSTRUCT*)lParam)->itemHeight = kFolderItemHeight;
        return TRUE;
    case WM_DRAWITEM:
        DrawFolderItem((const DRAWITEMSTRUCT*)lParam);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpWelcome);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
