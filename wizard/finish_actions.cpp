// The finishing actions after a successful installation.
#include "wizard/finish.h"

#include "app/app_state.h"
#include "app/catalog.h"
#include "presentation/presentation.h"
#include "wizard/install_options.h"

#include <shellapi.h>
#include <stdio.h>

static void InstallQuickStartGuide(const char* guide) {
    char status[kMessageSize];
    snprintf(status, sizeof status, "Installing %s...", "POSTINFO.PDF");
    SetStatusText(status);
    char target[kPathSize];
    // A target path that would not fit is not cut into another name: the guide is skipped.
    int fits = snprintf(target, sizeof target, "%s\\POSTINFO.PDF", installOptions.installFolder) <
               (int)sizeof target;
    if (fits)
        CopyFileA(guide, target, FALSE);
    SetStatusText("");
    if (fits)
        ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

void RunFinishActions(HWND owner) {
    if (installOptions.viewReadme == 1) {
        DialogBoxParamA(appInstance, "ViewTxtDlg", owner, ReadmeViewerProc, 0);
        UpdateWindow(owner);
    }
    char guide[kPathSize];
    int guidePathFits = snprintf(guide, sizeof guide, "%sPOSTINFO.PDF", MediaFolder) <
                        (int)sizeof guide;
    int guideOffered = guidePathFits && installOptions.installProgram == 1 &&
                       installOptions.installType == New &&
                       GetFileAttributesA(guide) != INVALID_FILE_ATTRIBUTES;
    INT_PTR result = DialogBoxParamA(appInstance, "FinishDlg", owner, FinishPageProc,
                                     guideOffered ? 1 : 0);
    UpdateWindow(owner);
    if (result != PageNext || !guideOffered)
        return;
    InstallQuickStartGuide(guide);
}
