// The Finish page: completion line and, after a New installation, the quick start guide task.
#include "wizard/finish.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "resources/page_ids.h"
#include "wizard/install_options.h"

#include <stdio.h>

void InitFinishPage(HWND page, int guideOffered) {
    SetWindowTextA(page, productInfo.caption);
    char line[kMessageSize + kCatalogText];
    snprintf(line, sizeof line, "The %s installation wizard has successfully completed.",
             productInfo.displayName);
    SetDlgItemTextA(page, IDC_FINISH_COMPLETION, line);
    SetDlgItemTextA(page, IDC_FINISH_TASKS,
                    guideOffered == 1 ? "Tasks that will be completed upon finish:" : "");
    SetDlgItemTextA(page, IDC_FINISH_TASK_LINE,
                    guideOffered == 1 ? "1) Viewing of Quick Start Guide." : "");
    SetFocus(GetDlgItem(page, IDC_PAGE_FORWARD));
}

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(page);
        InitFinishPage(page, (int)lParam);
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(page, 8);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpFinish);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_FORWARD:
            EndDialog(page, PageNext);
            break;
        case IDC_FINISH_CANCEL:
        case IDCANCEL:
            EndDialog(page, PageCancel);
            break;
        case IDC_FINISH_HELP:
            ShowHelpTopic(kHelpFinish);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
