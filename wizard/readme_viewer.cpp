// The README viewer shown after the installation when the user asked for it.
#include "wizard/finish.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "resources/page_ids.h"
#include "wizard/text_list.h"

// The viewer's own text list font, from opening until Close, and the list's font before it.
static HFONT viewerFont;
static HFONT formerListFont;

static void CloseViewer(HWND viewer) {
    // The list gets its former font back before ours is deleted.
    SendDlgItemMessageA(viewer, IDC_TEXT_LIST, WM_SETFONT, (WPARAM)formerListFont, FALSE);
    if (viewerFont) {
        DeleteObject(viewerFont);
        viewerFont = nullptr;
    }
    EndDialog(viewer, 1);
}

INT_PTR CALLBACK ReadmeViewerProc(HWND viewer, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(viewer);
        SetWindowTextA(viewer, productInfo.caption);
        formerListFont = (HFONT)SendDlgItemMessageA(viewer, IDC_TEXT_LIST, WM_GETFONT, 0, 0);
        viewerFont = CreateTextListFont();
        LoadTextFileList(viewer, "README.TXT", viewerFont);
        SetFocus(GetDlgItem(viewer, IDC_PAGE_FORWARD));
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(viewer, 7);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpReadme);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_FORWARD:
        case IDCANCEL:
            CloseViewer(viewer);
            break;
        case IDC_FINISH_HELP:
            ShowHelpTopic(kHelpReadme);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
