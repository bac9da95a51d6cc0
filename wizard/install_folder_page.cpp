// The Install Folder page and the handling that only it uses.
#include "wizard/install_folder_page.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "resources/folder_ids.h"
#include "search/found_list.h"
#include "wizard/folder_browser.h"
#include "wizard/folder_text.h"
#include "wizard/install_options.h"

#include <stdio.h>

enum { kInstallFolderPageKind = 4 };

void InitInstallFolderPage(HWND page) {
    SetWindowTextA(page, productInfo.caption);
    SetDlgItemTextA(page, IDC_FOLDER_EDIT, installOptions.installFolder);
    char caption[kPathSize];
    snprintf(caption, sizeof caption, "Search For Folders %s Is Currently Installed In",
             productInfo.displayName);
    SetDlgItemTextA(page, IDC_FOLDER_SEARCH_GROUP, caption);
    HWND list = GetDlgItem(page, IDC_FOLDER_FOUND_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const FoundInstallation* found = foundList; found; found = found->next)
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)found->folder);
    SetFocus(GetDlgItem(page, IDC_FOLDER_NEXT));
}

void ReadInstallFolder(HWND page) {
    GetDlgItemTextA(page, IDC_FOLDER_EDIT, installOptions.installFolder,
                    sizeof installOptions.installFolder);
    CleanInstallFolder(installOptions.installFolder);
}

// Next needs a folder that is not empty once trimmed; the edit itself is left as typed.
static void UpdateNextButton(HWND page) {
    char text[kPathSize] = "";
    GetDlgItemTextA(page, IDC_FOLDER_EDIT, text, sizeof text);
    EnableWindow(GetDlgItem(page, IDC_FOLDER_NEXT), FolderTextEnablesNext(text));
}

static void Browse(HWND page) {
    char folder[kPathSize];
    if (BrowseForFolder(page, folder) == 1)
        SetDlgItemTextA(page, IDC_FOLDER_EDIT, folder);
}

static void TakeFoundFolder(HWND page) {
    HWND list = GetDlgItem(page, IDC_FOLDER_FOUND_LIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    char folder[kPathSize];
    if (SendMessageA(list, LB_GETTEXTLEN, index, 0) >= (LRESULT)sizeof folder)
        return;
    SendMessageA(list, LB_GETTEXT, index, (LPARAM)folder);
    SetDlgItemTextA(page, IDC_FOLDER_EDIT, folder);
}

static void OnCommand(HWND page, int id, int code) {
    switch (id) {
    case IDC_FOLDER_NEXT:
        ReadInstallFolder(page);
        EndDialog(page, PageNext);
        break;
    case IDC_FOLDER_BACK:
        EndDialog(page, PageBack);
        break;
    case IDCANCEL:
    case IDC_FOLDER_CANCEL:
        EndDialog(page, PageCancel);
        break;
    case IDC_FOLDER_SEARCH:
        EndDialog(page, PageSearch);
        break;
    case IDC_FOLDER_EDIT:
        if (code == EN_CHANGE)
            UpdateNextButton(page);
        break;
    case IDC_FOLDER_BROWSE:
        Browse(page);
        break;
    case IDC_FOLDER_FOUND_LIST:
        if (code == LBN_SELCHANGE)
            TakeFoundFolder(page);
        break;
    case IDC_FOLDER_HELP:
        ShowHelpTopic(kHelpInstallFolder);
        break;
    }
}

INT_PTR CALLBACK InstallFolderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(page);
        InitInstallFolderPage(page);
        return FALSE;
    case WM_PAINT:
        PaintPageHeader(page, kInstallFolderPageKind);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpInstallFolder);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
