// The wizard as far as its pages exist: Welcome, License and Install Type, then a notice that
// nothing is installed yet.
#include "app/app_state.h"

#include "app/catalog.h"
#include "wizard/install_options.h"
#include "wizard/pages.h"

// The page's result; the background under it is repainted at once.
static INT_PTR ShowPage(HWND owner, const char* templateName, DLGPROC procedure) {
    INT_PTR result = DialogBoxParamA(appInstance, templateName, owner, procedure, 0);
    UpdateWindow(owner);
    return result;
}

int RunWizard(HWND owner) {
    enum { Welcome, License, InstallTypePage } page = Welcome;
    for (;;) {
        if (page == Welcome) {
            if (ShowPage(owner, "WelcomeDlg", WelcomePageProc) != PageNext)
                return 0;
            page = License;
        } else if (page == License) {
            INT_PTR result = ShowPage(owner, "EULADlg", LicensePageProc);
            if (result == PageBack) {
                page = Welcome;
            } else if (result == PageNext) {
                installOptions.installType = New;
                page = InstallTypePage;
            } else {
                return 0;
            }
        } else {
            if (ShowPage(owner, "InstallTypeDlg", InstallTypePageProc) != PageNext)
                return 0;
            ApplyInstallTypeDefaults();
            break;
        }
    }
    MessageBoxA(owner,
                "This build of the installer has no further wizard pages yet; nothing is "
                "installed.",
                productInfo.caption, MB_OK);
    return 0;
}
