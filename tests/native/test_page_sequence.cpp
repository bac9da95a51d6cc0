#include "wizard/page_sequence.h"

#include "wizard/install_options.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    WizardPage page;
    int result;
    int installType;
    WizardStep step;
    WizardAction action;
    WizardPage next;
};

} // namespace

TEST(PageSequence, FollowsTheTable) {
    const Case cases[] = {
        {WelcomePage, PageNext, New, ShowPage, NoAction, LicensePage},
        {WelcomePage, PageCancel, New, StopAtOnce, NoAction, WelcomePage},
        {LicensePage, PageNext, Update, ShowPage, ChooseNew, InstallTypePage},
        {LicensePage, PageBack, New, ShowPage, NoAction, WelcomePage},
        {LicensePage, PageCancel, New, StopAtOnce, NoAction, LicensePage},
        {InstallTypePage, PageNext, Custom, ShowPage, ApplyDefaults, InstallFolderPage},
        {InstallTypePage, PageCancel, New, EndCancelled, NoAction, InstallTypePage},
        {InstallFolderPage, PageNext, New, ShowPage, NoAction, OverviewPage},
        {InstallFolderPage, PageNext, Update, ShowPage, NoAction, OverviewPage},
        {InstallFolderPage, PageNext, Custom, ShowPage, NoAction, ComponentsPage},
        {InstallFolderPage, PageBack, Custom, ShowPage, NoAction, InstallTypePage},
        {InstallFolderPage, PageSearch, New, ShowPage, RunSearch, InstallFolderPage},
        {InstallFolderPage, PageCancel, New, EndCancelled, NoAction, InstallFolderPage},
        {ComponentsPage, PageNext, Custom, ShowPage, NoAction, OverviewPage},
        {ComponentsPage, PageBack, Custom, ShowPage, NoAction, InstallFolderPage},
        {ComponentsPage, PageCancel, Custom, EndCancelled, NoAction, ComponentsPage},
        {OverviewPage, PageNext, New, EndAndInstall, NoAction, OverviewPage},
        {OverviewPage, PageBack, New, ShowPage, NoAction, InstallFolderPage},
        {OverviewPage, PageBack, Update, ShowPage, NoAction, InstallFolderPage},
        {OverviewPage, PageBack, Custom, ShowPage, NoAction, ComponentsPage},
        {OverviewPage, PageCancel, Custom, EndCancelled, NoAction, OverviewPage},
        // A page that could not be shown ends the wizard without installing.
        {WelcomePage, -1, New, StopAtOnce, NoAction, WelcomePage},
        {OverviewPage, -1, New, EndCancelled, NoAction, OverviewPage},
    };
    for (const Case& c : cases) {
        WizardTransition t = NextTransition(c.page, c.result, c.installType);
        EXPECT_EQ(t.step, c.step) << "page " << c.page << " result " << c.result;
        EXPECT_EQ(t.action, c.action) << "page " << c.page << " result " << c.result;
        if (t.step == ShowPage) {
            EXPECT_EQ(t.next, c.next) << "page " << c.page << " result " << c.result;
        }
    }
}

// Runs the driver's bookkeeping over a list of page results, as the wizard would.
TEST(PageSequence, BackFromLicenseThenAcceptChoosesNewAgainAndSearchRepeats) {
    WizardPage page = WelcomePage;
    int installType = Custom;
    int searches = 0;
    const int results[] = {PageNext, PageBack, PageNext, PageNext, PageNext,
                           PageSearch, PageSearch, PageNext};
    for (int result : results) {
        WizardTransition t = NextTransition(page, result, installType);
        ASSERT_EQ(t.step, ShowPage);
        if (t.action == ChooseNew)
            installType = New;
        searches += t.action == RunSearch;
        page = t.next;
    }
    EXPECT_EQ(installType, New);
    EXPECT_EQ(searches, 2);
    EXPECT_EQ(page, OverviewPage);
}
