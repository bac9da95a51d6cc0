// The License page: the licence text of EULA.TXT, accepted, declined or left with Back.
#include "wizard/pages.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "presentation/page_texts.h"
#include "resources/page_ids.h"
#include "wizard/install_options.h"
#include "wizard/text_list.h"

// From WM_INITDIALOG until the page ends.
static HFONT licenseFont;
// What the list had before it got licenseFont, given back before that is deleted.
static HFONT listFormerFont;

static void InitLicensePage(HWND page) {
    CenterWindow(page);
    SetWindowTextA(page, productInfo.caption);
    listFormerFont = (HFONT)SendDlgItemMessageA(page, IDC_LICENSE_LIST, WM_GETFONT, 0, 0);
    licenseFont = CreateTextListFont();
    if (LoadTextFileList(page, "EULA.TXT", licenseFont)) {
        SetFocus(GetDlgItem(page, IDC_PAGE_FORWARD));
    } else {
        // Nothing to accept: only Back, Decline and Help are left.
        EnableWindow(GetDlgItem(page, IDC_PAGE_FORWARD), FALSE);
        SetFocus(GetDlgItem(page, IDC_LICENSE_DECLINE));
    }
}

static void EndLicensePage(HWND page, PageResult result) {
    SendDlgItemMessageA(page, IDC_LICENSE_LIST, WM_SETFONT, (WPARAM)listFormerFont, FALSE);
    DeleteObject(licenseFont);
    licenseFont = nullptr;
    EndDialog(page, result);
}

INT_PTR CALLBACK LicensePageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitLicensePage(page);
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(page, kPageLicense);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpLicense);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_FORWARD:
            EndLicensePage(page, PageNext);
            break;
        case IDC_LICENSE_BACK:
            EndLicensePage(page, PageBack);
            break;
        case IDC_LICENSE_DECLINE:
        case IDCANCEL: // Esc and the close box
            EndLicensePage(page, PageCancel);
            break;
        case IDC_LICENSE_HELP:
            ShowHelpTopic(kHelpLicense);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
