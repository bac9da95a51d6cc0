// The Install Folder page run from its real template: what it shows, the Next button rule, typed
// and picked folders, the folder browser, and what each way out stores.
#include "app/app_state.h"
#include "app/catalog.h"
#include "resources/folder_ids.h"
#include "search/found_list.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/dialog_layout.h"
#include "tests/wine/modal_driver.h"
#include "wizard/install_folder_page.h"
#include "wizard/install_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void Settle(HWND dialog) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
}

// Characters typed into the edit one by one, as the keyboard delivers them.
void Type(HWND dialog, const std::string& text) {
    HWND edit = GetDlgItem(dialog, IDC_FOLDER_EDIT);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : text)
        PostMessageA(edit, WM_CHAR, (unsigned char)c, 1);
    Settle(dialog);
}

// Key presses, translated into characters by the modal loop as real ones are.
void PressKeys(HWND dialog, int control, const std::vector<UINT>& keys) {
    SetFocus(GetDlgItem(dialog, control));
    for (UINT key : keys)
        PressKey(dialog, key);
    Settle(dialog);
}

bool NextEnabled(HWND dialog) {
    return IsWindowEnabled(GetDlgItem(dialog, IDC_FOLDER_NEXT));
}

std::string Edit(HWND dialog) {
    return ItemText(dialog, IDC_FOLDER_EDIT);
}

class InstallFolderPage : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        SelectCatalogRow(0);
        strcpy(MediaFolder, media.folderText().c_str());
        strcpy(installOptions.installFolder, "C:\\DRASKEL");
        // Newest first, as a search leaves them.
        InsertFoundInstallation(NewFoundInstallation(1, "D:\\OLD\\DRASKEL"));
        InsertFoundInstallation(NewFoundInstallation(3, "C:\\PROGRAMS\\DRASKEL 2"));
        InsertFoundInstallation(NewFoundInstallation(2, "E:"));
    }
    void TearDown() override {
        FreeFoundList();
        installOptions = InstallOptions{};
    }
    int Run(DialogScript script) {
        ModalDriver driver;
        driver.then(std::move(script));
        int result = (int)DialogBoxParamA(appInstance, "InstallFolderDlg", nullptr,
                                          InstallFolderPageProc, 0);
        EXPECT_EQ(driver.pending(), 0u);
        return result;
    }
    TempFolder media;
};

} // namespace

TEST_F(InstallFolderPage, OpensWithTheStoredFolderAndTheFoundListNewestFirst) {
    int result = Run([](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), productInfo.caption);
        EXPECT_EQ(Edit(dialog), "C:\\DRASKEL");
        EXPECT_EQ(ItemText(dialog, IDC_FOLDER_SEARCH_GROUP), std::string("Search For Folders ") +
                                                                 productInfo.displayName +
                                                                 " Is Currently Installed In");
        HWND list = GetDlgItem(dialog, IDC_FOLDER_FOUND_LIST);
        std::vector<std::string> rows;
        for (int i = 0; i < (int)SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char row[260] = "";
            SendMessageA(list, LB_GETTEXT, i, (LPARAM)row);
            rows.push_back(row);
        }
        EXPECT_EQ(rows,
                  (std::vector<std::string>{"C:\\PROGRAMS\\DRASKEL 2", "E:", "D:\\OLD\\DRASKEL"}));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_FOLDER_NEXT));
        EXPECT_TRUE(NextEnabled(dialog));
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle(dialog);
        SaveWindowShot(dialog, "install_folder_page");
        Click(dialog, IDC_FOLDER_CANCEL);
    });
    EXPECT_EQ(result, PageCancel);
    EXPECT_STREQ(installOptions.installFolder, "C:\\DRASKEL");
}

TEST_F(InstallFolderPage, NextFollowsTheTrimmedTextAndTypedLettersBecomeCapitals) {
    int result = Run([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FOLDER_EDIT, "");
        EXPECT_FALSE(NextEnabled(dialog));
        Type(dialog, " ");
        EXPECT_FALSE(NextEnabled(dialog));
        Type(dialog, "   ");
        EXPECT_FALSE(NextEnabled(dialog));
        PressKeys(dialog, IDC_FOLDER_EDIT, {VK_END, 'D', 'R'});
        EXPECT_EQ(Edit(dialog), "   DR");
        EXPECT_TRUE(NextEnabled(dialog));
        Type(dialog, "  c:\\work\\\\\\  ");
        EXPECT_EQ(Edit(dialog), "  C:\\WORK\\\\\\  ");
        EXPECT_TRUE(NextEnabled(dialog));
        Click(dialog, IDC_FOLDER_NEXT);
    });
    EXPECT_EQ(result, PageNext);
    EXPECT_STREQ(installOptions.installFolder, "C:\\WORK");
}

TEST_F(InstallFolderPage, ALongTextIsStoredAsItsFirst259CharactersTrimmedAndStripped) {
    // Characters 0 to 258: two blanks, C:\, 249 letters, three backslashes, two blanks.
    std::string first259 = "  C:\\" + std::string(249, 'A') + "\\\\\\  ";
    ASSERT_EQ(first259.size(), 259u);
    std::string text = first259 + std::string(41, 'B');
    Run([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FOLDER_EDIT, text.c_str());
        ASSERT_EQ(Edit(dialog).size(), 300u);
        Click(dialog, IDC_FOLDER_NEXT);
    });
    EXPECT_EQ(std::string(installOptions.installFolder), "C:\\" + std::string(249, 'A'));
}

TEST_F(InstallFolderPage, OnlyBackslashesEnableNextAndAreStoredEmpty) {
    Run([](HWND dialog) {
        Type(dialog, " \\\\ ");
        EXPECT_TRUE(NextEnabled(dialog));
        Click(dialog, IDC_FOLDER_NEXT);
    });
    EXPECT_STREQ(installOptions.installFolder, "");
}

TEST_F(InstallFolderPage, AFoundFolderReplacesTheTextAndEnablesNext) {
    int result = Run([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FOLDER_EDIT, "");
        EXPECT_FALSE(NextEnabled(dialog));
        PressKeys(dialog, IDC_FOLDER_FOUND_LIST, {VK_HOME});
        EXPECT_EQ(Edit(dialog), "C:\\PROGRAMS\\DRASKEL 2");
        EXPECT_TRUE(NextEnabled(dialog));
        PressKeys(dialog, IDC_FOLDER_FOUND_LIST, {VK_DOWN});
        EXPECT_EQ(Edit(dialog), "E:");
        EXPECT_TRUE(NextEnabled(dialog));
        Click(dialog, IDC_FOLDER_NEXT);
    });
    EXPECT_EQ(result, PageNext);
    EXPECT_STREQ(installOptions.installFolder, "E:");
}

TEST_F(InstallFolderPage, BrowseCancelledLeavesTheTextAndAcceptedReplacesIt) {
    ModalDriver driver;
    driver
        .then([](HWND page) {
            Type(page, "c:\\typed");
            Click(page, IDC_FOLDER_BROWSE); // the browser's script runs inside
            EXPECT_EQ(Edit(page), "C:\\TYPED");
            Click(page, IDC_FOLDER_BROWSE);
            EXPECT_EQ(Edit(page), "C:");
            EXPECT_TRUE(NextEnabled(page));
            Click(page, IDC_FOLDER_BACK);
        })
        .then([](HWND browser) {
            EXPECT_EQ(WindowText(browser), "Folder Browser");
            PressKey(browser, VK_ESCAPE);
        })
        .then([](HWND browser) { Click(browser, IDC_BROWSER_OK); });
    int result =
        (int)DialogBoxParamA(appInstance, "InstallFolderDlg", nullptr, InstallFolderPageProc, 0);
    EXPECT_EQ(driver.pending(), 0u);
    EXPECT_EQ(result, PageBack);
    EXPECT_STREQ(installOptions.installFolder, "C:\\DRASKEL");
}

TEST_F(InstallFolderPage, SearchBackCancelAndEscStoreNothing) {
    struct Way {
        DialogScript leave;
        int result;
    } ways[] = {
        {[](HWND dialog) { Click(dialog, IDC_FOLDER_SEARCH); }, PageSearch},
        {[](HWND dialog) { Click(dialog, IDC_FOLDER_BACK); }, PageBack},
        {[](HWND dialog) { Click(dialog, IDC_FOLDER_CANCEL); }, PageCancel},
        {[](HWND dialog) { PressKey(dialog, VK_ESCAPE); }, PageCancel},
        {[](HWND dialog) { PressCloseBox(dialog); }, PageCancel},
    };
    for (Way& way : ways) {
        int result = Run([&](HWND dialog) {
            Type(dialog, "d:\\elsewhere");
            way.leave(dialog);
        });
        EXPECT_EQ(result, way.result);
        EXPECT_STREQ(installOptions.installFolder, "C:\\DRASKEL");
    }
}

TEST_F(InstallFolderPage, TemplateMatchesItsTable) {
    Run([](HWND dialog) {
        RECT size = {0, 0, 405, 260};
        MapDialogRect(dialog, &size);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        EXPECT_EQ((DWORD)GetWindowLongA(dialog, GWL_STYLE) & frame, frame);
        const ControlRow rows[] = {
            {IDC_FOLDER_EDIT, "Edit", 10, 65, 320, 14, nullptr,
             WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE},
            {IDC_FOLDER_BROWSE, "Button", 345, 65, 50, 14, "Bro&wse...", WS_TABSTOP},
            {IDC_FOLDER_SEARCH_GROUP, "Button", 10, 90, 385, 130, nullptr, BS_GROUPBOX},
            {IDC_FOLDER_SEARCH, "Button", 30, 110, 50, 14, "S&earch...", WS_TABSTOP},
            {IDC_FOLDER_FOUND_LIST, "ListBox", 30, 130, 345, 0, nullptr, WS_TABSTOP | LBS_NOTIFY},
            {IDC_FOLDER_BACK, "Button", 165, 238, 50, 14, "< &Back", WS_TABSTOP},
            {IDC_FOLDER_NEXT, "Button", 220, 238, 50, 14, "&Next >", WS_TABSTOP},
            {IDC_FOLDER_HELP, "Button", 285, 238, 50, 14, "&Help", WS_TABSTOP},
            {IDC_FOLDER_CANCEL, "Button", 340, 238, 50, 14, "&Cancel", WS_TABSTOP},
            {IDC_FOLDER_BAND_LINE, "Static", 0, 40, 0, 0, "", SS_ETCHEDHORZ},
        };
        for (const ControlRow& row : rows)
            ExpectControl(dialog, row);
        for (int framed : {IDC_FOLDER_EDIT, IDC_FOLDER_FOUND_LIST}) {
            HWND control = GetDlgItem(dialog, framed);
            EXPECT_TRUE((GetWindowLongA(control, GWL_STYLE) & WS_BORDER) ||
                        (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
                << framed;
        }
        EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDC_FOLDER_FOUND_LIST), GWL_STYLE) & LBS_SORT,
                  0);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_FOLDER_BAND_LINE)));
        EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0),
                  MAKELRESULT(IDC_FOLDER_NEXT, DC_HASDEFID));
        for (const char* text :
             {"In&stall Folder:", "Note that this process may take several minutes."})
            EXPECT_NE(FindWindowExA(dialog, nullptr, "Static", text), nullptr) << text;
        Click(dialog, IDC_FOLDER_CANCEL);
    });
}

TEST_F(InstallFolderPage, AnEmptyStoredFolderOpensWithNextDisabled) {
    installOptions.installFolder[0] = '\0';
    Run([](HWND dialog) {
        EXPECT_FALSE(NextEnabled(dialog));
        Click(dialog, IDC_FOLDER_CANCEL);
    });
}
