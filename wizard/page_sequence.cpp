// The page sequence of the wizard.
#include "wizard/page_sequence.h"

#include "wizard/install_options.h"

namespace {

struct Row {
    WizardPage page;
    int result;
    WizardStep step;
    WizardAction action;
    WizardPage next;       // for New and Update
    WizardPage nextCustom; // for Custom
};

const Row kTransitions[] = {
    {WelcomePage, PageNext, ShowPage, NoAction, LicensePage, LicensePage},
    {WelcomePage, PageCancel, StopAtOnce, NoAction, WelcomePage, WelcomePage},
    {LicensePage, PageNext, ShowPage, ChooseNew, InstallTypePage, InstallTypePage},
    {LicensePage, PageBack, ShowPage, NoAction, WelcomePage, WelcomePage},
    {LicensePage, PageCancel, StopAtOnce, NoAction, LicensePage, LicensePage},
    {InstallTypePage, PageNext, ShowPage, ApplyDefaults, InstallFolderPage, InstallFolderPage},
    {InstallTypePage, PageCancel, EndCancelled, NoAction, InstallTypePage, InstallTypePage},
    {InstallFolderPage, PageNext, ShowPage, NoAction, OverviewPage, ComponentsPage},
    {InstallFolderPage, PageBack, ShowPage, NoAction, InstallTypePage, InstallTypePage},
    {InstallFolderPage, PageSearch, ShowPage, RunSearch, InstallFolderPage, InstallFolderPage},
    {InstallFolderPage, PageCancel, EndCancelled, NoAction, InstallFolderPage, InstallFolderPage},
    {ComponentsPage, PageNext, ShowPage, NoAction, OverviewPage, OverviewPage},
    {ComponentsPage, PageBack, ShowPage, NoAction, InstallFolderPage, InstallFolderPage},
    {ComponentsPage, PageCancel, EndCancelled, NoAction, ComponentsPage, ComponentsPage},
    {OverviewPage, PageNext, EndAndInstall, NoAction, OverviewPage, OverviewPage},
    {OverviewPage, PageBack, ShowPage, NoAction, InstallFolderPage, ComponentsPage},
    {OverviewPage, PageCancel, EndCancelled, NoAction, OverviewPage, OverviewPage},
};

const char* const kTemplates[] = {"WelcomeDlg",       "EULADlg",
                                  "InstallTypeDlg",   "InstallFolderDlg",
                                  "InstallComponentsDlg", "InstallOverviewDlg"};

} // namespace

WizardTransition NextTransition(WizardPage page, int result, int installType) {
    for (const Row& row : kTransitions)
        if (row.page == page && row.result == result)
            return WizardTransition{row.step, row.action,
                                    installType == Custom ? row.nextCustom : row.next};
    // Before the Install Type page nothing needs cleaning up.
    WizardStep stop = page < InstallTypePage ? StopAtOnce : EndCancelled;
    return WizardTransition{stop, NoAction, page};
}

const char* PageTemplate(WizardPage page) { return kTemplates[page]; }
