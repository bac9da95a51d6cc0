// The Install Overview page: the folder, components and tasks, and the Install button.
#include "wizard/component_pages.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "resources/component_ids.h"
#include "wizard/component_choices.h"
#include "wizard/install_options.h"

enum { kOverviewPageKind = 6 };

void InitOverviewPage(HWND page) {
    SetWindowTextA(page, productInfo.caption);
    static OverviewLines lines; // over 4 KB: kept off the stack of the modal loop
    BuildOverviewLines(installOptions, productInfo.displayName, productVersion, &lines);
    for (int i = 0; i < lines.count; ++i)
        SendDlgItemMessageA(page, IDC_OVERVIEW_LIST, LB_ADDSTRING, 0, (LPARAM)lines.line[i]);
    SetFocus(GetDlgItem(page, IDC_OVERVIEW_INSTALL));
}

INT_PTR CALLBACK OverviewPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(page);
        InitOverviewPage(page);
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(page, kOverviewPageKind);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpOverview);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OVERVIEW_INSTALL:
            EndDialog(page, PageNext);
            break;
        case IDC_OVERVIEW_BACK:
            EndDialog(page, PageBack);
            break;
        case IDC_OVERVIEW_CANCEL:
        case IDCANCEL:
            EndDialog(page, PageCancel);
            break;
        case IDC_OVERVIEW_HELP:
            ShowHelpTopic(kHelpOverview);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
