// Control ids of the Install Components and Tasks page and the Install Overview page.
#pragma once

// Shared by both page templates: the forward button and the hidden line under the title band.
#define IDC_PAGE_FORWARD 110
#define IDC_PAGE_BAND_LINE 300

// InstallComponentsDlg
#define IDC_COMPONENT_PROGRAM 100
#define IDC_COMPONENT_SAMPLES 101
#define IDC_COMPONENT_TUTORIALS 102
#define IDC_TASK_DESKTOP_SHORTCUT 103
#define IDC_TASK_START_MENU 104
#define IDC_TASK_VIEW_README 105
#define IDC_COMPONENTS_BACK 150
#define IDC_COMPONENTS_NEXT IDC_PAGE_FORWARD
#define IDC_COMPONENTS_HELP 111
#define IDC_COMPONENTS_CANCEL 112

// InstallOverviewDlg
#define IDC_OVERVIEW_LIST 100
#define IDC_OVERVIEW_BACK 102
#define IDC_OVERVIEW_INSTALL IDC_PAGE_FORWARD
#define IDC_OVERVIEW_HELP 103
#define IDC_OVERVIEW_CANCEL 104
