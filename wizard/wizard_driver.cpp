// The wizard driver: reads the version, shows the pages in the order of the transition table,
// runs the search when the Install Folder page asks for it, then the installation.
#include "app/app_state.h"

#include "app/catalog.h"
#include "presentation/presentation.h"
#include "wizard/install_options.h"
#include "wizard/page_sequence.h"
#include "wizard/product_version.h"
#include "install/install_product.h"
#include "search/search.h"
#include "wizard/component_pages.h"
#include "wizard/install_folder_page.h"
#include "wizard/pages.h"

static DLGPROC PageProcedure(WizardPage page) {
    switch (page) {
    case WelcomePage:
        return WelcomePageProc;
    case LicensePage:
        return LicensePageProc;
    case InstallTypePage:
        return InstallTypePageProc;
    case InstallFolderPage:
        return InstallFolderPageProc;
    case ComponentsPage:
        return ComponentsPageProc;
    case OverviewPage:
        return OverviewPageProc;
    }
    return nullptr;
}

static void ReadVersionWithStatus() {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SetStatusText("Getting Version Number...");
    ReadProductVersion();
    SetStatusText("");
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

static void SearchWithStatus() {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SearchInstallations(productInfo.exeName);
    SetStatusText("");
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

int RunWizard(HWND owner) {
    ReadVersionWithStatus();
    WizardPage page = WelcomePage;
    for (;;) {
        INT_PTR result =
            DialogBoxParamA(appInstance, PageTemplate(page), owner, PageProcedure(page), 0);
        UpdateWindow(owner);
        if (result == -1)
            MessageBoxA(owner, "ERROR: The installation wizard could not show its page.",
                        productInfo.caption, MB_OK);
        WizardTransition next = NextTransition(page, (int)result, installOptions.installType);
        switch (next.action) {
        case ChooseNew:
            installOptions.installType = New;
            break;
        case ApplyDefaults:
            ApplyInstallTypeDefaults();
            break;
        case RunSearch:
            SearchWithStatus();
            break;
        case NoAction:
            break;
        }
        switch (next.step) {
        case ShowPage:
            page = next.next;
            continue;
        case StopAtOnce:
            return 0;
        case EndCancelled:
            FreeFoundList();
            return 0;
        case EndAndInstall:
            FreeFoundList();
            return InstallProduct(owner);
        }
    }
}
