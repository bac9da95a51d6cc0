// Control ids of the overwrite confirmation dialog "ConfirmDlg".
#pragma once

#define IDC_CONFIRM_PROMPT 100
#define IDC_CONFIRM_YES 101
#define IDC_CONFIRM_YES_TO_ALL 102
#define IDC_CONFIRM_NO 103
#define IDC_CONFIRM_NO_TO_ALL 104
#define IDC_CONFIRM_DESCRIPTION 105
