// What the page tests share: a fixture with media and a selected product, a message pump for
// scripts that wait inside a dialog, and the help window that HtmlHelp opens.
#pragma once

#include "app/app_state.h"
#include "app/catalog.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/modal_driver.h"
#include "wizard/install_options.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

// Runs this thread's messages as a dialog's modal loop does, until done() or the time is up.
inline bool PumpUntil(HWND dialog, const std::function<bool()>& done, int milliseconds = 3000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > (DWORD)milliseconds)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        Sleep(10);
    }
    return true;
}

// The visible help viewer window of this thread, if any.
inline HWND FindHelpWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            char name[32] = "";
            GetClassNameA(window, name, sizeof name);
            if (strcmp(name, "HH Parent") == 0 && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline void CloseHelpWindow(HWND help) {
    if (help)
        SendMessageA(help, WM_CLOSE, 0, 0);
}

// A key pressed and released through the system's input queue, as the keyboard does: F1 becomes
// WM_HELP only on that way, not when a key message is posted.
inline void TypeKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

// One way a user ends or works a page: a button click, a key, or the close box.
enum ActionKind { ClickButton, Key, CloseBox };
struct Action {
    ActionKind kind;
    int value; // button id or virtual key
    const char* name;
};

inline void Perform(HWND dialog, const Action& action) {
    if (action.kind == ClickButton)
        Click(dialog, action.value);
    else if (action.kind == Key)
        PressKey(dialog, action.value);
    else
        PressCloseBox(dialog);
}

// The entries of the text list (list box 100) of a page.
inline std::vector<std::string> ListEntries(HWND dialog) {
    HWND list = GetDlgItem(dialog, 100);
    std::vector<std::string> entries;
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        std::string text((size_t)SendMessageA(list, LB_GETTEXTLEN, i, 0), '\0');
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)&text[0]);
        entries.push_back(text);
    }
    return entries;
}

inline HFONT FontOf(HWND dialog, int id) {
    return (HFONT)SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0);
}

inline LOGFONTA DescriptionOf(HFONT font) {
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    return description;
}

class PageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        mainWindow = nullptr;
        SelectCatalogRow(0);
        strcpy(MediaFolder, media.folderText().c_str());
        productVersion[0] = '\0';
        installOptions = InstallOptions{};
        media.write("EULA.TXT", "License line one\r\nLicense line two\r\n");
    }
    void TearDown() override {
        EXPECT_EQ(driver.pending(), 0u) << "a script found no dialog";
        productVersion[0] = '\0';
    }
    INT_PTR Show(const char* templateName, DLGPROC procedure, HWND owner = nullptr) {
        return DialogBoxParamA(appInstance, templateName, owner, procedure, 0);
    }
    // Puts the help file that answers only this context id on the media.
    void UseHelpFileOf(int contextId) {
        std::string source = "help\\context-" + std::to_string(contextId) + ".chm";
        std::string target = media.folderText() + "INSTALL.CHM";
        ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << source;
    }
    TempFolder media;
    ModalDriver driver;
};
