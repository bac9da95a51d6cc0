// The program entry run in-process: refusals, window creation and the start of the run.
#include "app/app_state.h"
#include "app/catalog.h"
#include "presentation/presentation.h"
#include "resources/page_ids.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/modal_driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

std::set<std::string> RegisteredCatalogClasses() {
    std::set<std::string> found;
    WNDCLASSEXA info = {sizeof info};
    for (int row = 0; row < kCatalogRows; ++row)
        for (const char* name :
             {ProductCatalog::mainClassName[row], ProductCatalog::statusClassName[row]})
            if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &info))
                found.insert(name);
    return found;
}

struct Box {
    std::string title, text;
};

// Runs the entry on media holding the given PRODUCT.TXT (none for nullptr), answering the
// one message box it is expected to show with OK.
Box RunEntryExpectingBox(const char* product) {
    TempFolder media;
    if (product)
        media.write("PRODUCT.TXT", product);
    strcpy(MediaFolder, media.folderText().c_str());
    Box box;
    ModalDriver driver;
    driver.then([&](HWND window) {
        box.title = WindowText(window);
        box.text = MessageBoxText(window);
        Click(window, IDOK);
    });
    EXPECT_EQ(RunInstaller(GetModuleHandleA(nullptr)), 0);
    EXPECT_EQ(driver.pending(), 0u);
    return box;
}

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

} // namespace

TEST(Startup, MediaFolderIsTheProgramFolderWithBackslash) {
    FindMediaFolder();
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    *(strrchr(module, '\\') + 1) = '\0';
    EXPECT_STREQ(MediaFolder, module);
}

TEST(Startup, UnknownOrMissingProductIsRefusedBeforeAnyClassIsRegistered) {
    for (const char* product : {"Velmora Suite\r\n", "", static_cast<const char*>(nullptr)}) {
        std::set<std::string> before = RegisteredCatalogClasses();
        Box box = RunEntryExpectingBox(product);
        EXPECT_EQ(box.title, "Install");
        EXPECT_EQ(box.text, "ERROR: Product information not found.");
        EXPECT_EQ(RegisteredCatalogClasses(), before);
    }
}

TEST(Startup, RunningInstallerOfTheSameClassRefusesTheSecond) {
    // A window of the class that the Calvix installers (full and evaluation) share.
    WNDCLASSA running = {};
    running.lpfnWndProc = PlainWindowProc;
    running.hInstance = GetModuleHandleA(nullptr);
    running.lpszClassName = "CALVIX:INSTALL";
    ASSERT_TRUE(RegisterClassA(&running));
    HWND other = CreateWindowExA(0, "CALVIX:INSTALL", "something else", WS_POPUP, 0, 0, 10, 10,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Box box = RunEntryExpectingBox("Calvix (Evaluation)");
    EXPECT_EQ(box.title, "Calvix Installation");
    EXPECT_EQ(box.text, "Calvix Installation is already running.");
    WNDCLASSEXA info = {sizeof info};
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "CALVIX:MESSAGE", &info));
    DestroyWindow(other);
    UnregisterClassA("CALVIX:INSTALL", GetModuleHandleA(nullptr));
}

TEST(Startup, StatusPanelStaysHiddenUntilTheStartMessageAndTheRunEndsCleanly) {
    TempFolder media;
    media.write("PRODUCT.TXT", "Dromal\r\n");
    strcpy(MediaFolder, media.folderText().c_str());
    ASSERT_EQ(LoadProductInfo(), 1);
    ASSERT_TRUE(RegisterInstallerClasses(GetModuleHandleA(nullptr)));
    ASSERT_TRUE(CreateInstallerWindows(GetModuleHandleA(nullptr)));
    EXPECT_FALSE(IsWindowVisible(statusPanel));
    EXPECT_EQ(GetParent(statusPanel), mainWindow);
    MSG first;
    ASSERT_TRUE(PeekMessageA(&first, mainWindow, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(first.message, (UINT)UM_START_WIZARD);
    ShowWindow(mainWindow, SW_SHOWMAXIMIZED);

    bool panelShown = false;
    RECT panel = {}, screen = {};
    HWND owner = nullptr;
    std::string caption;
    ModalDriver driver;
    // The first page, Welcome, is cancelled.
    driver.then([&](HWND window) {
        panelShown = IsWindowVisible(statusPanel);
        GetWindowRect(statusPanel, &panel);
        GetWindowRect(mainWindow, &screen);
        owner = GetWindow(window, GW_OWNER);
        caption = WindowText(window);
        Click(window, IDC_WELCOME_CANCEL);
    });
    RunMessageLoop();
    EXPECT_EQ(driver.pending(), 0u);
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(panel.left, 5);
    EXPECT_EQ(panel.top, 5);
    EXPECT_EQ(panel.right - panel.left, 565);
    EXPECT_EQ(panel.bottom - panel.top, 80);
    EXPECT_EQ(screen.right - screen.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.bottom - screen.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(owner, mainWindow);
    EXPECT_EQ(caption, "Dromal Installation");
    EXPECT_FALSE(IsWindow(mainWindow));
    EXPECT_EQ(presentation.backgroundImage, nullptr);
    EXPECT_EQ(presentation.logoImage, nullptr);
}

TEST(Startup, WindowClassThatCannotBeRegisteredEndsWithAMessage) {
    // The Havrin status panel's class is taken, so the installer's own cannot be registered.
    WNDCLASSA taken = {};
    taken.lpfnWndProc = PlainWindowProc;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "HAVRIN:MESSAGE";
    ASSERT_TRUE(RegisterClassA(&taken));
    mainWindow = nullptr;
    Box box = RunEntryExpectingBox("Old Havrin");
    EXPECT_EQ(box.title, "Havrin Installation");
    EXPECT_EQ(box.text, "ERROR: The installer window could not be created.");
    EXPECT_FALSE(FindWindowA("HAVRIN:INSTALL", nullptr));
    UnregisterClassA("HAVRIN:MESSAGE", GetModuleHandleA(nullptr));
    UnregisterClassA("HAVRIN:INSTALL", GetModuleHandleA(nullptr));
}
