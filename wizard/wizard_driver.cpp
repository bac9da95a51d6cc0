// Stand-in for the wizard until its pages exist: says so, and ends the run without installing.
#include "app/app_state.h"

#include "app/catalog.h"
#include "presentation/presentation.h"

int RunWizard(HWND owner) {
    SetStatusText("The installation wizard is not available yet.");
    MessageBoxA(owner, "This build of the installer has no wizard pages yet; nothing is installed.",
                productInfo.caption, MB_OK);
    SetStatusText("");
    return 0;
}

void RunFinishActions(HWND) {}
