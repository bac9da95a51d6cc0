// The order of the wizard pages as a transition table; no windows.h, so tested natively.
#pragma once

enum WizardPage {
    WelcomePage,
    LicensePage,
    InstallTypePage,
    InstallFolderPage,
    ComponentsPage,
    OverviewPage,
};

// What the driver does when a page has ended.
enum WizardStep {
    ShowPage,       // show `next`
    StopAtOnce,     // the user left before anything was chosen: no clean-up, result 0
    EndCancelled,   // the sequence ends without installing
    EndAndInstall,  // the sequence ends and the installation follows
};

enum WizardAction {
    NoAction,
    ChooseNew,     // installType := New
    ApplyDefaults, // ApplyInstallTypeDefaults
    RunSearch,     // search the fixed drives for the product
};

struct WizardTransition {
    WizardStep step;
    WizardAction action;
    WizardPage next;
};

// The transition after `page` ended with `result` (a PageResult); a result the page cannot give,
// such as -1 for a page that could not be shown, ends the sequence cancelled.
WizardTransition NextTransition(WizardPage page, int result, int installType);
// The template name of a page.
const char* PageTemplate(WizardPage page);
