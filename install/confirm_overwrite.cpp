// The overwrite confirmation dialog and the answer it remembers.
#include "install/confirm_overwrite.h"

#include "app/app_state.h"
#include "app/catalog.h"
#include "app/text_util.h"
#include "install/confirm_texts.h"
#include "presentation/page_frame.h"
#include "resources/confirm_ids.h"

int rememberedAnswer = Yes;

// What the dialog being shown names.
static char promptName[kPathSize];
static int promptIsProject;

int ConfirmOverwrite(const char* name, int isProject) {
    if (rememberedAnswer == YesToAll)
        return 1;
    if (rememberedAnswer == NoToAll)
        return 0;
    CopyText(promptName, sizeof promptName, name);
    UpperCaseAscii(promptName);
    promptIsProject = isProject;

    // The install sequence shows the wait cursor; the question needs the arrow.
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    INT_PTR answer =
        DialogBoxParamA(appInstance, "ConfirmDlg", mainWindow, ConfirmOverwriteProc, 0);
    // Nobody was asked, so nothing may be replaced: the user's files stay, and the next
    // object is asked for again.
    rememberedAnswer = answer >= Yes && answer <= NoToAll ? (int)answer : No;
    SetCursor(previous);
    if (mainWindow)
        UpdateWindow(mainWindow);
    return rememberedAnswer == No || rememberedAnswer == NoToAll ? 0 : 1;
}

static void FillConfirmDialog(HWND dialog) {
    CenterWindow(dialog);
    SetWindowTextA(dialog, productInfo.caption);
    char prompt[kPromptSize];
    ConfirmPromptText(prompt, sizeof prompt, promptName, promptIsProject);
    SetDlgItemTextA(dialog, IDC_CONFIRM_PROMPT, prompt);
    char description[kMessageSize];
    ConfirmDescriptionText(description, sizeof description, productInfo.productCode,
                           productInfo.displayName, promptName, promptIsProject);
    SetDlgItemTextA(dialog, IDC_CONFIRM_DESCRIPTION, description);
}

INT_PTR CALLBACK ConfirmOverwriteProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FillConfirmDialog(dialog);
        SetFocus(GetDlgItem(dialog, IDC_CONFIRM_YES));
        return FALSE; // the focus was set here
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CONFIRM_YES:
            EndDialog(dialog, Yes);
            break;
        case IDC_CONFIRM_YES_TO_ALL:
            EndDialog(dialog, YesToAll);
            break;
        case IDC_CONFIRM_NO:
        case IDCANCEL:
            EndDialog(dialog, No);
            break;
        case IDC_CONFIRM_NO_TO_ALL:
            EndDialog(dialog, NoToAll);
            break;
        }
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpWelcome);
        return TRUE;
    }
    return FALSE;
}
