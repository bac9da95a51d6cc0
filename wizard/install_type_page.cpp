// The Install Type page: New, Update or Custom, each a bold radio button in a framed row; the
// chosen row is framed in black, the others in white.
#include "wizard/pages.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "presentation/page_texts.h"
#include "resources/page_ids.h"
#include "wizard/install_options.h"

#include <stdio.h>

static const int kRadios[] = {IDC_TYPE_NEW, IDC_TYPE_UPDATE, IDC_TYPE_CUSTOM};

// The radio buttons' font when the page opens; the dialog owns it.
static HFONT dialogFont;
// Made by the page from dialogFont and deleted by CloseInstallTypePage.
static HFONT boldFont;

static int RowOfType(int installType) {
    if (installType == New)
        return 0;
    return installType == Update ? 1 : 2;
}

static void SetRowText(HWND page, int id, const char* format) {
    char text[kCatalogText + 64];
    snprintf(text, sizeof text, format, productInfo.displayName);
    SetDlgItemTextA(page, id, text);
}

void InitInstallTypePage(HWND page) {
    SetWindowTextA(page, productInfo.caption);
    dialogFont = (HFONT)SendDlgItemMessageA(page, IDC_TYPE_NEW, WM_GETFONT, 0, 0);
    boldFont = DeriveFont(dialogFont, FW_BOLD);
    for (int id : kRadios)
        SendDlgItemMessageA(page, id, WM_SETFONT, (WPARAM)boldFont, TRUE);
    int row = RowOfType(installOptions.installType);
    CheckDlgButton(page, kRadios[row], BST_CHECKED);
    HighlightInstallType(page, row);
    SetRowText(page, IDC_TYPE_NEW_TEXT, "Installs %s for the first time.");
    SetRowText(page, IDC_TYPE_UPDATE_TEXT, "Updates your current version or demo version of %s.");
    SetRowText(page, IDC_TYPE_CUSTOM_TEXT, "Customize your install options of %s.");
    SetFocus(GetDlgItem(page, IDC_PAGE_FORWARD));
}

void HighlightInstallType(HWND page, int row) {
    if (row != 0 && row != 1)
        row = 2;
    const int frames[] = {IDC_TYPE_NEW_WHITE, IDC_TYPE_UPDATE_WHITE, IDC_TYPE_CUSTOM_WHITE,
                          IDC_TYPE_NEW_BLACK, IDC_TYPE_UPDATE_BLACK, IDC_TYPE_CUSTOM_BLACK};
    for (int i = 0; i < 6; ++i) {
        // White frames (0 to 2) on the other rows, the black one (3 to 5) on the chosen row.
        bool shown = i < 3 ? i != row : i - 3 == row;
        ShowWindow(GetDlgItem(page, frames[i]), shown ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

void CloseInstallTypePage(HWND page, int store) {
    // Back to the dialog font first, so that no radio button holds the deleted one.
    for (int id : kRadios)
        SendDlgItemMessageA(page, id, WM_SETFONT, (WPARAM)dialogFont, FALSE);
    DeleteObject(boldFont);
    boldFont = nullptr;
    if (store == 1) {
        if (IsDlgButtonChecked(page, IDC_TYPE_NEW) == BST_CHECKED)
            installOptions.installType = New;
        else if (IsDlgButtonChecked(page, IDC_TYPE_UPDATE) == BST_CHECKED)
            installOptions.installType = Update;
        else
            installOptions.installType = Custom;
    }
}

INT_PTR CALLBACK InstallTypePageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(page);
        InitInstallTypePage(page);
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(page, kPageInstallType);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpInstallType);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_FORWARD:
            CloseInstallTypePage(page, 1);
            EndDialog(page, PageNext);
            break;
        case IDC_TYPE_CANCEL:
        case IDCANCEL: // Esc and the close box
            CloseInstallTypePage(page, 0);
            EndDialog(page, PageCancel);
            break;
        case IDC_TYPE_NEW:
        case IDC_TYPE_UPDATE:
        case IDC_TYPE_CUSTOM:
            if (HIWORD(wParam) == BN_CLICKED)
                HighlightInstallType(page, LOWORD(wParam) - IDC_TYPE_NEW);
            break;
        case IDC_TYPE_HELP:
            ShowHelpTopic(kHelpInstallType);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
