// Control ids of the wizard pages in pages.rc; plain defines so that the resource compiler
// reads them too.
#ifndef PAGE_IDS_H
#define PAGE_IDS_H

// Shared by every page template.
#define IDC_PAGE_FORWARD 110
#define IDC_BAND_BOTTOM 300

// WelcomeDlg
#define IDC_WELCOME_GREETING 200
#define IDC_WELCOME_INTRO 201
#define IDC_WELCOME_BACK 1053
#define IDC_WELCOME_HELP 102
#define IDC_WELCOME_CANCEL 104

// The list that LoadTextFileList fills, on the License page and the README viewer.
#define IDC_TEXT_LIST 100

// EULADlg
#define IDC_LICENSE_LIST IDC_TEXT_LIST
#define IDC_LICENSE_LABEL 103
#define IDC_LICENSE_BACK 109
#define IDC_LICENSE_HELP 102
#define IDC_LICENSE_DECLINE 104

// InstallTypeDlg: rows New, Update, Custom
#define IDC_TYPE_NEW 100
#define IDC_TYPE_UPDATE 101
#define IDC_TYPE_CUSTOM 102
#define IDC_TYPE_NEW_TEXT 400
#define IDC_TYPE_UPDATE_TEXT 401
#define IDC_TYPE_CUSTOM_TEXT 402
#define IDC_TYPE_NEW_WHITE 500
#define IDC_TYPE_UPDATE_WHITE 501
#define IDC_TYPE_CUSTOM_WHITE 502
#define IDC_TYPE_NEW_BLACK 600
#define IDC_TYPE_UPDATE_BLACK 601
#define IDC_TYPE_CUSTOM_BLACK 602
#define IDC_TYPE_BACK 1053
#define IDC_TYPE_HELP 105
#define IDC_TYPE_CANCEL 106

// ViewTxtDlg
#define IDC_README_LABEL 103
#define IDC_README_BACK 1053
#define IDC_README_CANCEL 1054

// FinishDlg
#define IDC_FINISH_COMPLETION 200
#define IDC_FINISH_TASKS 201
#define IDC_FINISH_TASK_LINE 202
#define IDC_FINISH_BACK 109
#define IDC_FINISH_CANCEL 104

// The Help button of the README viewer and the Finish page
#define IDC_FINISH_HELP 102

#endif
