// Control ids of the Install Folder page (InstallFolderDlg) and the folder browser (DirBrowserDlg).
#pragma once

// Install Folder page.
#define IDC_FOLDER_BAND_LINE 300
#define IDC_FOLDER_EDIT 106
#define IDC_FOLDER_BROWSE 107
#define IDC_FOLDER_FOUND_LIST 108
#define IDC_FOLDER_NEXT 110
#define IDC_FOLDER_HELP 111
#define IDC_FOLDER_CANCEL 112
#define IDC_FOLDER_SEARCH_GROUP 130
#define IDC_FOLDER_SEARCH 140
#define IDC_FOLDER_BACK 150

// Folder browser.
#define IDC_BROWSER_LABEL 100
#define IDC_BROWSER_PATH 101
#define IDC_BROWSER_FOLDERS 102
#define IDC_BROWSER_DRIVES 103
#define IDC_BROWSER_OK 110
#define IDC_BROWSER_HELP 111
#define IDC_BROWSER_CANCEL 112
