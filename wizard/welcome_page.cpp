// The Welcome page: greets the user with the product's name and version.
#include "wizard/pages.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "presentation/page_texts.h"
#include "resources/page_ids.h"
#include "wizard/install_options.h"

#include <stdio.h>

void InitWelcomePage(HWND page) {
    CenterWindow(page);
    SetWindowTextA(page, productInfo.caption);
    // Holds the longest name and version of the catalog.
    char line[kCatalogText + kVersionSize + 64];
    snprintf(line, sizeof line, "Welcome to the %s installation wizard.", productInfo.displayName);
    SetDlgItemTextA(page, IDC_WELCOME_GREETING, line);
    if (productVersion[0])
        snprintf(line, sizeof line, "This wizard will install %s %s on your computer.",
                 productInfo.displayName, productVersion);
    else
        snprintf(line, sizeof line, "This wizard will install %s on your computer.",
                 productInfo.displayName);
    SetDlgItemTextA(page, IDC_WELCOME_INTRO, line);
    SetFocus(GetDlgItem(page, IDC_PAGE_FORWARD));
}

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitWelcomePage(page);
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(page, kPageWelcome);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpWelcome);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_FORWARD:
            EndDialog(page, PageNext);
            break;
        case IDC_WELCOME_CANCEL:
        case IDCANCEL: // Esc and the close box
            EndDialog(page, PageCancel);
            break;
        case IDC_WELCOME_HELP:
            ShowHelpTopic(kHelpWelcome);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
