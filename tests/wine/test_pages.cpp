// The Welcome, License and Install Type pages run from their real templates and driven like a
// user would: results, texts, focus, the licence list, the framed rows, fonts, GDI objects, help.
#include "presentation/page_frame.h"
#include "resources/page_ids.h"
#include "tests/wine/gdi_count.h"
#include "tests/wine/page_test_support.h"
#include "wizard/pages.h"

#include <string>
#include <vector>

namespace {

struct Page {
    const char* templateName;
    DLGPROC procedure;
    int helpButton, cancelButton, helpContext;
};

const Page kWelcome = {"WelcomeDlg", WelcomePageProc, IDC_WELCOME_HELP, IDC_WELCOME_CANCEL, 100};
const Page kLicense = {"EULADlg", LicensePageProc, IDC_LICENSE_HELP, IDC_LICENSE_DECLINE, 200};
const Page kInstallType = {"InstallTypeDlg", InstallTypePageProc, IDC_TYPE_HELP, IDC_TYPE_CANCEL,
                           400};
const Page kPages[] = {kWelcome, kLicense, kInstallType};

bool Visible(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

using Pages = PageTest;

} // namespace

TEST_F(Pages, EveryWayOutEndsWithItsResultAndLeavesNoGdiObjectBehind) {
    struct Case {
        Page page;
        Action action;
        INT_PTR result;
    } cases[] = {
        {kWelcome, {ClickButton, IDC_PAGE_FORWARD, "Next"}, PageNext},
        {kWelcome, {Key, VK_RETURN, "Enter"}, PageNext},
        {kWelcome, {ClickButton, IDC_WELCOME_CANCEL, "Cancel"}, PageCancel},
        {kWelcome, {Key, VK_ESCAPE, "Esc"}, PageCancel},
        {kWelcome, {CloseBox, 0, "close box"}, PageCancel},
        {kLicense, {ClickButton, IDC_PAGE_FORWARD, "Accept"}, PageNext},
        {kLicense, {Key, VK_RETURN, "Enter"}, PageNext},
        {kLicense, {ClickButton, IDC_LICENSE_BACK, "Back"}, PageBack},
        {kLicense, {ClickButton, IDC_LICENSE_DECLINE, "Decline"}, PageCancel},
        {kLicense, {Key, VK_ESCAPE, "Esc"}, PageCancel},
        {kLicense, {CloseBox, 0, "close box"}, PageCancel},
        {kInstallType, {ClickButton, IDC_PAGE_FORWARD, "Next"}, PageNext},
        {kInstallType, {Key, VK_RETURN, "Enter"}, PageNext},
        {kInstallType, {ClickButton, IDC_TYPE_CANCEL, "Cancel"}, PageCancel},
        {kInstallType, {Key, VK_ESCAPE, "Esc"}, PageCancel},
        {kInstallType, {CloseBox, 0, "close box"}, PageCancel},
    };
    // Once each first: the system keeps some objects of a dialog class for later ones.
    for (const Page& page : kPages) {
        driver.then([&](HWND dialog) { Click(dialog, page.cancelButton); });
        Show(page.templateName, page.procedure);
    }
    for (const Case& c : cases) {
        int before = GdiObjectCount();
        bool stillOpen = false;
        driver.then([&](HWND dialog) {
            Perform(dialog, c.action);
            // A click ends the page at once; a key or the close box once the loop gets it.
            PumpUntil(
                dialog, [] { return false; }, 100);
            stillOpen = IsWindowVisible(dialog) != FALSE;
        });
        EXPECT_EQ(Show(c.page.templateName, c.page.procedure), c.result)
            << c.page.templateName << " " << c.action.name;
        EXPECT_FALSE(stillOpen) << c.page.templateName << " " << c.action.name;
        EXPECT_EQ(GdiObjectCount(), before) << c.page.templateName << " " << c.action.name;
    }
}

TEST_F(Pages, BackStaysDisabledOnWelcomeAndInstallType) {
    for (const Page& page : {kWelcome, kInstallType}) {
        bool enabled = true, openAfterClick = false;
        driver.then([&](HWND dialog) {
            enabled = IsWindowEnabled(GetDlgItem(dialog, IDC_WELCOME_BACK)) != FALSE;
            Click(dialog, IDC_WELCOME_BACK);
            PumpUntil(
                dialog, [] { return false; }, 100);
            openAfterClick = IsWindowVisible(dialog) != FALSE;
            Click(dialog, page.cancelButton);
        });
        EXPECT_EQ(Show(page.templateName, page.procedure), PageCancel);
        EXPECT_FALSE(enabled) << page.templateName;
        EXPECT_TRUE(openAfterClick) << page.templateName;
    }
    bool licenseBack = false;
    driver.then([&](HWND dialog) {
        licenseBack = IsWindowEnabled(GetDlgItem(dialog, IDC_LICENSE_BACK)) != FALSE;
        Click(dialog, IDC_LICENSE_DECLINE);
    });
    Show(kLicense.templateName, kLicense.procedure);
    EXPECT_TRUE(licenseBack);
}

TEST_F(Pages, WelcomeGreetsWithNameAndVersionWhenThereIsOne) {
    struct Case {
        int row;
        const char* version;
        const char *caption, *greeting, *intro;
    } cases[] = {
        {0, "", "Draskel Installation", "Welcome to the Draskel installation wizard.",
         "This wizard will install Draskel on your computer."},
        {0, "5.1", "Draskel Installation", "Welcome to the Draskel installation wizard.",
         "This wizard will install Draskel 5.1 on your computer."},
        {1, "1234567890123456789", "Draskel (Metric) Installation",
         "Welcome to the Draskel (Metric) installation wizard.",
         "This wizard will install Draskel (Metric) 1234567890123456789 on your computer."},
    };
    for (const Case& c : cases) {
        SelectCatalogRow(c.row);
        strcpy(productVersion, c.version);
        std::string caption, greeting, intro;
        int focus = 0;
        driver.then([&](HWND dialog) {
            caption = WindowText(dialog);
            greeting = ItemText(dialog, IDC_WELCOME_GREETING);
            intro = ItemText(dialog, IDC_WELCOME_INTRO);
            focus = GetDlgCtrlID(GetFocus());
            if (c.row == 0 && c.version[0])
                SaveWindowShot(dialog, "welcome");
            Click(dialog, IDC_WELCOME_CANCEL);
        });
        Show(kWelcome.templateName, kWelcome.procedure);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(greeting, c.greeting);
        EXPECT_EQ(intro, c.intro);
        EXPECT_EQ(focus, IDC_PAGE_FORWARD);
    }
}

TEST_F(Pages, LicenseListShowsTheFileLineByLine) {
    std::string longLine(99, 'a');
    longLine += std::string(99, 'b') + std::string(52, 'c');
    struct Case {
        const char* name;
        bool present;
        std::string bytes;
        std::vector<std::string> entries;
    } cases[] = {
        {"250 characters",
         true,
         longLine + "\r\nnext\r\n",
         {std::string(99, 'a'), std::string(99, 'b'), std::string(52, 'c'), "next"}},
        {"feeds and returns",
         true,
         "a\fb\r\n\f\r\n\r\nc\td\re\r\n\ttab\n",
         {"ab", "", "", "c\td\re", "\ttab"}},
        {"Ctrl-Z",
         true,
         "one\r\ntwo\x1a"
         "three\r\nfour\r\n",
         {"one", "two"}},
        {"no line end", true, "last", {"last"}},
        {"empty", true, "", {}},
        {"missing", false, "", {"The EULA.TXT file could not be opened."}},
    };
    for (const Case& c : cases) {
        std::string path = media.folderText() + "EULA.TXT";
        DeleteFileA(path.c_str());
        if (c.present)
            media.write("EULA.TXT", c.bytes);
        std::vector<std::string> entries;
        bool acceptEnabled = false;
        int focus = 0;
        LOGFONTA listFont = {};
        driver.then([&](HWND dialog) {
            entries = ListEntries(dialog);
            acceptEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_PAGE_FORWARD)) != FALSE;
            focus = GetDlgCtrlID(GetFocus());
            listFont = DescriptionOf(FontOf(dialog, IDC_LICENSE_LIST));
            if (!c.present)
                SaveWindowShot(dialog, "license-missing");
            Click(dialog, IDC_LICENSE_DECLINE);
        });
        EXPECT_EQ(Show(kLicense.templateName, kLicense.procedure), PageCancel);
        EXPECT_EQ(entries, c.entries) << c.name;
        EXPECT_EQ(acceptEnabled, c.present) << c.name;
        EXPECT_EQ(focus, c.present ? IDC_PAGE_FORWARD : IDC_LICENSE_DECLINE) << c.name;
        EXPECT_STREQ(listFont.lfFaceName, "Courier New") << c.name;
        EXPECT_EQ(listFont.lfHeight, 14);
        EXPECT_EQ(listFont.lfWidth, 7);
        EXPECT_EQ(listFont.lfWeight, FW_NORMAL);
    }
}

TEST_F(Pages, LicenseGivesTheListItsFontBackBeforeDeletingTheTextFont) {
    for (int button : {IDC_PAGE_FORWARD, IDC_LICENSE_BACK, IDC_LICENSE_DECLINE}) {
        HFONT textFont = nullptr, dialogFont = nullptr, listAfter = nullptr;
        driver.then([&](HWND dialog) {
            SaveWindowShot(dialog, "license");
            textFont = FontOf(dialog, IDC_LICENSE_LIST);
            dialogFont = FontOf(dialog, IDC_PAGE_FORWARD);
            Click(dialog, button);
            listAfter = FontOf(dialog, IDC_LICENSE_LIST);
        });
        Show(kLicense.templateName, kLicense.procedure);
        EXPECT_NE(textFont, dialogFont);
        EXPECT_EQ(listAfter, dialogFont) << button;
        EXPECT_EQ(GetObjectType(textFont), 0u) << button; // deleted
    }
}

TEST_F(Pages, InstallTypeFramesTheChosenRowInBlackAndStoresOnlyOnNext) {
    struct Case {
        int storedType;
        std::vector<int> clicks;
        int endButton;
        INT_PTR result;
        int typeAfter;
        int openRow, lastRow;
    } cases[] = {
        {New, {}, IDC_PAGE_FORWARD, PageNext, New, 0, 0},
        {New, {IDC_TYPE_CUSTOM}, IDC_TYPE_CANCEL, PageCancel, New, 0, 2},
        {New, {IDC_TYPE_UPDATE}, IDC_PAGE_FORWARD, PageNext, Update, 0, 1},
        {New,
         {IDC_TYPE_UPDATE, IDC_TYPE_CUSTOM, IDC_TYPE_CUSTOM},
         IDC_PAGE_FORWARD,
         PageNext,
         Custom,
         0,
         2},
        {Update, {IDC_TYPE_NEW}, IDCANCEL, PageCancel, Update, 1, 0},
        {Custom, {}, IDC_PAGE_FORWARD, PageNext, Custom, 2, 2},
        {7, {}, IDC_PAGE_FORWARD, PageNext, Custom, 2, 2}, // any other value shows Custom
    };
    const int radios[] = {IDC_TYPE_NEW, IDC_TYPE_UPDATE, IDC_TYPE_CUSTOM};
    const int black[] = {IDC_TYPE_NEW_BLACK, IDC_TYPE_UPDATE_BLACK, IDC_TYPE_CUSTOM_BLACK};
    const int white[] = {IDC_TYPE_NEW_WHITE, IDC_TYPE_UPDATE_WHITE, IDC_TYPE_CUSTOM_WHITE};
    // Which row shows framed in black, each other row in white, and which radio is checked.
    auto chosenRow = [&](HWND dialog) {
        int row = -1;
        for (int r = 0; r < 3; ++r) {
            bool chosen = Visible(dialog, black[r]) && !Visible(dialog, white[r]) &&
                          IsDlgButtonChecked(dialog, radios[r]) == BST_CHECKED;
            bool other = !Visible(dialog, black[r]) && Visible(dialog, white[r]) &&
                         IsDlgButtonChecked(dialog, radios[r]) == BST_UNCHECKED;
            if (chosen && row == -1)
                row = r;
            else if (!other)
                return -2; // not a clean state
        }
        return row;
    };
    for (const Case& c : cases) {
        installOptions.installType = c.storedType;
        int openRow = -3, lastRow = -3, focus = 0;
        driver.then([&](HWND dialog) {
            openRow = chosenRow(dialog);
            focus = GetDlgCtrlID(GetFocus());
            for (int id : c.clicks)
                Click(dialog, id);
            lastRow = chosenRow(dialog);
            if (c.endButton == IDCANCEL)
                PressKey(dialog, VK_ESCAPE);
            else
                Click(dialog, c.endButton);
        });
        EXPECT_EQ(Show(kInstallType.templateName, kInstallType.procedure), c.result);
        EXPECT_EQ(openRow, c.openRow) << c.storedType;
        EXPECT_EQ(lastRow, c.lastRow) << c.storedType;
        EXPECT_EQ(installOptions.installType, c.typeAfter) << c.storedType;
        EXPECT_EQ(focus, IDC_PAGE_FORWARD);
    }
}

TEST_F(Pages, InstallTypeShowsBoldChoicesDescriptionsAndBlackAndWhiteFrames) {
    std::string texts[3];
    LOGFONTA bold = {}, dialogFont = {};
    COLORREF edges[3] = {};
    driver.then([&](HWND dialog) {
        texts[0] = ItemText(dialog, IDC_TYPE_NEW_TEXT);
        texts[1] = ItemText(dialog, IDC_TYPE_UPDATE_TEXT);
        texts[2] = ItemText(dialog, IDC_TYPE_CUSTOM_TEXT);
        bold = DescriptionOf(FontOf(dialog, IDC_TYPE_NEW));
        dialogFont = DescriptionOf(FontOf(dialog, IDC_PAGE_FORWARD));
        UpdateWindow(dialog);
        // The top edge of each row's frame, as the screen shows it.
        HDC dc = GetDC(dialog);
        const int frames[] = {IDC_TYPE_NEW_BLACK, IDC_TYPE_UPDATE_BLACK, IDC_TYPE_CUSTOM_BLACK};
        for (int r = 0; r < 3; ++r) {
            RECT frame;
            GetWindowRect(GetDlgItem(dialog, frames[r]), &frame);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
            edges[r] = GetPixel(dc, (frame.left + frame.right) / 2, frame.top);
        }
        ReleaseDC(dialog, dc);
        SaveWindowShot(dialog, "install-type");
        Click(dialog, IDC_TYPE_CANCEL);
    });
    Show(kInstallType.templateName, kInstallType.procedure);
    EXPECT_EQ(texts[0], "Installs Draskel for the first time.");
    EXPECT_EQ(texts[1], "Updates your current version or demo version of Draskel.");
    EXPECT_EQ(texts[2], "Customize your install options of Draskel.");
    EXPECT_EQ(bold.lfWeight, FW_BOLD);
    EXPECT_STREQ(bold.lfFaceName, dialogFont.lfFaceName);
    EXPECT_EQ(bold.lfHeight, dialogFont.lfHeight);
    // Black and white as the system draws such frames: the chosen row darker than the others.
    auto lightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    EXPECT_LT(lightness(edges[0]), lightness(edges[1]));
    EXPECT_EQ(edges[1], edges[2]);
}

TEST_F(Pages, InstallTypeGivesTheRadioButtonsTheDialogFontBeforeDeletingTheBoldOne) {
    for (int button : {IDC_PAGE_FORWARD, IDC_TYPE_CANCEL}) {
        HFONT bold = nullptr, dialogFont = nullptr;
        HFONT after[3] = {};
        driver.then([&](HWND dialog) {
            bold = FontOf(dialog, IDC_TYPE_NEW);
            dialogFont = FontOf(dialog, IDC_PAGE_FORWARD);
            Click(dialog, button);
            // Ended, not yet destroyed: what the buttons hold now is what they keep.
            after[0] = FontOf(dialog, IDC_TYPE_NEW);
            after[1] = FontOf(dialog, IDC_TYPE_UPDATE);
            after[2] = FontOf(dialog, IDC_TYPE_CUSTOM);
        });
        Show(kInstallType.templateName, kInstallType.procedure);
        EXPECT_NE(bold, dialogFont);
        for (HFONT font : after)
            EXPECT_EQ(font, dialogFont) << button;
        EXPECT_EQ(GetObjectType(bold), 0u) << button; // deleted
    }
}

TEST_F(Pages, HelpButtonAndF1OpenThePageTopicAndThePageStaysOpen) {
    for (const Page& page : kPages) {
        for (int answered : {page.helpContext, 900}) {
            DeleteFileA((media.folderText() + "INSTALL.CHM").c_str());
            UseHelpFileOf(answered);
            HWND byButton = nullptr, byF1 = nullptr;
            bool openAfter = false;
            driver.then([&](HWND dialog) {
                Click(dialog, page.helpButton);
                byButton = FindHelpWindow();
                CloseHelpWindow(byButton);
                SetFocus(GetDlgItem(dialog, IDC_PAGE_FORWARD));
                TypeKey(VK_F1);
                PumpUntil(
                    dialog, [&] { return (byF1 = FindHelpWindow()) != nullptr; },
                    answered == page.helpContext ? 3000 : 500);
                CloseHelpWindow(byF1);
                openAfter = IsWindowVisible(dialog) != FALSE;
                Click(dialog, page.cancelButton);
            });
            EXPECT_EQ(Show(page.templateName, page.procedure), PageCancel);
            bool expected = answered == page.helpContext;
            EXPECT_EQ(byButton != nullptr, expected) << page.templateName << " " << answered;
            EXPECT_EQ(byF1 != nullptr, expected) << page.templateName << " " << answered;
            EXPECT_TRUE(openAfter) << page.templateName;
        }
    }
}
