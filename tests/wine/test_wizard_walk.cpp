// The wizard's walk through its first pages, driven page by page in-process.
#include "resources/folder_ids.h"
#include "resources/page_ids.h"
#include "tests/wine/page_test_support.h"

#include <string>
#include <vector>

namespace {

std::string PageName(HWND dialog) {
    if (GetDlgItem(dialog, IDC_WELCOME_GREETING))
        return "Welcome";
    if (GetDlgItem(dialog, IDC_TYPE_NEW_BLACK))
        return "InstallType";
    if (GetDlgItem(dialog, IDC_FOLDER_SEARCH))
        return "InstallFolder";
    char name[16] = "";
    GetClassNameA(GetDlgItem(dialog, IDC_LICENSE_LIST), name, sizeof name);
    if (std::string(name) == "ListBox")
        return "License";
    return "box: " + MessageBoxText(dialog);
}

std::string FirstListEntry(HWND dialog) {
    char text[128] = "";
    if (SendDlgItemMessageA(dialog, IDC_LICENSE_LIST, LB_GETTEXTLEN, 0, 0) < (LRESULT)sizeof text)
        SendDlgItemMessageA(dialog, IDC_LICENSE_LIST, LB_GETTEXT, 0, (LPARAM)text);
    return text;
}

class WizardWalk : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                nullptr, appInstance, nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner);
        PageTest::TearDown();
    }
    // Queues a script that notes the page and its owner, then presses a button on it.
    void Press(int button) {
        driver.then([this, button](HWND dialog) {
            seen.push_back(PageName(dialog));
            owned = owned && GetWindow(dialog, GW_OWNER) == owner;
            Click(dialog, button);
        });
    }
    HWND owner = nullptr;
    std::vector<std::string> seen;
    bool owned = true;
};

} // namespace

TEST_F(WizardWalk, BackLeadsToWelcomeAndAcceptRereadsTheLicenceAndOpensInstallTypeWithNew) {
    installOptions.installType = Custom;
    strcpy(installOptions.installFolder, "D:\\TYPED");
    int rowShown = -1;
    std::string firstLine, lineAfterBack;
    Press(IDC_PAGE_FORWARD);
    driver.then([&](HWND dialog) {
        seen.push_back(PageName(dialog));
        firstLine = FirstListEntry(dialog);
        media.write("EULA.TXT", "Changed licence\r\n");
        Click(dialog, IDC_LICENSE_BACK);
    });
    Press(IDC_PAGE_FORWARD);
    driver.then([&](HWND dialog) {
        seen.push_back(PageName(dialog));
        lineAfterBack = FirstListEntry(dialog);
        Click(dialog, IDC_PAGE_FORWARD);
    });
    driver.then([&](HWND dialog) {
        seen.push_back(PageName(dialog));
        for (int row = 0; row < 3; ++row)
            if (IsDlgButtonChecked(dialog, IDC_TYPE_NEW + row) == BST_CHECKED)
                rowShown = row;
        Click(dialog, IDC_TYPE_UPDATE);
        Click(dialog, IDC_PAGE_FORWARD);
    });
    Press(IDC_FOLDER_CANCEL);
    EXPECT_EQ(RunWizard(owner), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Welcome", "License", "Welcome", "License",
                                              "InstallType", "InstallFolder"}));
    EXPECT_TRUE(owned);
    // The licence is read anew each time the page opens.
    EXPECT_EQ(firstLine, "License line one");
    EXPECT_EQ(lineAfterBack, "Changed licence");
    EXPECT_EQ(rowShown, 0);
    // Update's defaults, applied on Next.
    EXPECT_EQ(installOptions.installType, Update);
    EXPECT_EQ(installOptions.installProgram, 1);
    EXPECT_EQ(installOptions.installSamples, 0);
    EXPECT_STREQ(installOptions.installFolder, "C:\\DRASKEL");
}

TEST_F(WizardWalk, CancelOnAnyPageEndsWithNothingChosenOrInstalled) {
    struct Case {
        std::vector<int> buttons;
        std::vector<std::string> pages;
        int typeAfter;
    } cases[] = {
        {{IDC_WELCOME_CANCEL}, {"Welcome"}, Custom},
        {{IDC_PAGE_FORWARD, IDC_LICENSE_DECLINE}, {"Welcome", "License"}, Custom},
        {{IDC_PAGE_FORWARD, IDC_PAGE_FORWARD, IDC_TYPE_CANCEL},
         {"Welcome", "License", "InstallType"},
         New},
    };
    for (const Case& c : cases) {
        installOptions = InstallOptions{};
        installOptions.installType = Custom;
        seen.clear();
        for (int button : c.buttons)
            Press(button);
        EXPECT_EQ(RunWizard(owner), 0);
        EXPECT_EQ(seen, c.pages);
        EXPECT_EQ(installOptions.installType, c.typeAfter);
        EXPECT_EQ(installOptions.installProgram, 0) << "defaults are applied only on Next";
        EXPECT_STREQ(installOptions.installFolder, "");
    }
}

TEST_F(WizardWalk, PageThatCannotBeShownEndsTheWizardWithAMessage) {
    // A module without the page templates: the first page cannot be shown.
    appInstance = GetModuleHandleA("kernel32.dll");
    std::string message, title;
    driver.then([&](HWND box) {
        message = MessageBoxText(box);
        title = WindowText(box);
        Click(box, IDOK);
    });
    EXPECT_EQ(RunWizard(owner), 0);
    appInstance = GetModuleHandleA(nullptr);
    EXPECT_EQ(message, "ERROR: The installation wizard could not show its page.");
    EXPECT_EQ(title, "Draskel Installation");
    EXPECT_EQ(installOptions.installProgram, 0);
}
