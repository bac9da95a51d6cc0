// Desktop and Start Menu shortcuts written by the real shell link object in the test prefix and
// read back through IShellLinkA; warnings answered as a user would.
#include "app/app_state.h"
#include "app/catalog.h"
#include "install/install_product.h"
#include "install/shortcuts.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/modal_driver.h"
#include "wizard/install_options.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct LinkProperties {
    std::string target, workingFolder, description;
};

LinkProperties ReadLink(const fs::path& file) {
    LinkProperties properties;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* persist = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
            if (SUCCEEDED(persist->Load(file.wstring().c_str(), STGM_READ))) {
                char text[MAX_PATH] = "";
                link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
                properties.target = text;
                text[0] = '\0';
                link->GetWorkingDirectory(text, sizeof text);
                properties.workingFolder = text;
                text[0] = '\0';
                link->GetDescription(text, sizeof text);
                properties.description = text;
            }
            persist->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return properties;
}

fs::path ShellFolder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

std::set<fs::path> Entries(const fs::path& folder) {
    std::set<fs::path> entries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        entries.insert(entry.path());
    return entries;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = (char)toupper((unsigned char)c);
    return text;
}

// Answers up to `count` warning boxes with OK and keeps their texts and titles.
struct WarningBoxes {
    explicit WarningBoxes(int count = 3) {
        for (int i = 0; i < count; ++i)
            driver.then([this](HWND box) {
                texts.push_back(MessageBoxText(box));
                titles.push_back(WindowText(box));
                Click(box, IDOK);
            });
    }
    ModalDriver driver;
    std::vector<std::string> texts, titles;
};

class Shortcuts : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        desktop = ShellFolder(CSIDL_DESKTOPDIRECTORY);
        programs = ShellFolder(CSIDL_PROGRAMS);
        ASSERT_FALSE(desktop.empty());
        ASSERT_FALSE(programs.empty());
        desktopBefore = Entries(desktop);
        programsBefore = Entries(programs);
        Select(0);
    }
    // Removes exactly what the test added to both shell folders.
    void TearDown() override {
        for (auto [folder, before] :
             {std::make_pair(desktop, &desktopBefore), std::make_pair(programs, &programsBefore)})
            for (const fs::path& entry : Entries(folder))
                if (!before->count(entry)) {
                    std::error_code ignored;
                    fs::remove_all(entry, ignored);
                }
    }
    void Select(int row) {
        SelectCatalogRow(row);
        installOptions = InstallOptions{};
        strcpy(installOptions.installFolder, install.path().string().c_str());
        // A folder of this test's own, so that a Start Menu folder of a real installation
        // is never touched.
        snprintf(productInfo.startMenuFolder, sizeof productInfo.startMenuFolder,
                 "Velmora test %lu", GetCurrentProcessId());
        startMenu = programs / productInfo.startMenuFolder;
    }
    void InstallExecutable() { install.write(productInfo.exeName, "MZ"); }
    fs::path Link(const fs::path& folder, const std::string& name) const {
        return folder / (name + ".LNK");
    }
    void ExpectLinkToProduct(const fs::path& file) const {
        ASSERT_TRUE(fs::exists(file)) << file;
        LinkProperties link = ReadLink(file);
        EXPECT_EQ(Upper(link.target), Upper(install.path().string() + "\\" + productInfo.exeName));
        EXPECT_EQ(Upper(link.workingFolder), Upper(install.path().string()));
        EXPECT_EQ(link.description, std::string("Shortcut to ") + productInfo.displayName);
    }
    TempFolder install;
    fs::path desktop, programs, startMenu;
    std::set<fs::path> desktopBefore, programsBefore;
};

} // namespace

TEST_F(Shortcuts, SecondInstallationAddsANumberedLinkAndKeepsTheFirst) {
    InstallExecutable();
    ASSERT_FALSE(fs::exists(startMenu));
    struct Kind {
        int kind;
        fs::path folder;
    } kinds[] = {{kDesktopShortcut, desktop}, {kStartMenuShortcut, startMenu}};
    for (const Kind& k : kinds) {
        ASSERT_FALSE(fs::exists(Link(k.folder, "Draskel"))) << "left over from another run";
        WarningBoxes boxes;
        EXPECT_EQ(CreateProductShortcut(nullptr, k.kind), 1);
        ExpectLinkToProduct(Link(k.folder, "Draskel"));
        auto firstTime = fs::last_write_time(Link(k.folder, "Draskel"));
        EXPECT_EQ(CreateProductShortcut(nullptr, k.kind), 1);
        ExpectLinkToProduct(Link(k.folder, "Draskel (2)"));
        EXPECT_EQ(fs::last_write_time(Link(k.folder, "Draskel")), firstTime);
        EXPECT_TRUE(boxes.texts.empty());
    }
    // The desktop kind adds its two links and no folder; the Start Menu kind made its folder.
    std::set<fs::path> added;
    for (const fs::path& entry : Entries(desktop))
        if (!desktopBefore.count(entry))
            added.insert(entry.filename());
    EXPECT_EQ(added, (std::set<fs::path>{"Draskel.LNK", "Draskel (2).LNK"}));
    EXPECT_TRUE(fs::is_directory(startMenu));
}

TEST_F(Shortcuts, NamesWithParenthesesKeepThemBeforeTheNumber) {
    Select(1); // Draskel (Metric)
    InstallExecutable();
    WarningBoxes boxes;
    EXPECT_EQ(CreateProductShortcut(nullptr, kDesktopShortcut), 1);
    EXPECT_EQ(CreateProductShortcut(nullptr, kDesktopShortcut), 1);
    ExpectLinkToProduct(Link(desktop, "Draskel (Metric)"));
    ExpectLinkToProduct(Link(desktop, "Draskel (Metric) (2)"));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(Shortcuts, MissingProductExecutableGivesWarningOneAndNothingElse) {
    WarningBoxes boxes;
    EXPECT_EQ(CreateProductShortcut(nullptr, kDesktopShortcut), 0);
    EXPECT_EQ(CreateProductShortcut(nullptr, kStartMenuShortcut), 0);
    EXPECT_EQ(boxes.texts,
              (std::vector<std::string>{"WARNING(1): Could not create Shortcut.",
                                        "WARNING(1): Could not update Start Menu Programs."}));
    EXPECT_EQ(boxes.titles,
              (std::vector<std::string>{"Draskel Installation", "Draskel Installation"}));
    EXPECT_EQ(Entries(desktop), desktopBefore);
    EXPECT_EQ(Entries(programs), programsBefore); // no Start Menu folder either
}

TEST_F(Shortcuts, AllNinetyNineNamesTakenGivesWarningFiveAndNeverTriesAHundred) {
    InstallExecutable();
    fs::create_directory(startMenu);
    struct Kind {
        int kind;
        fs::path folder;
        const char* warning;
    } kinds[] = {
        {kDesktopShortcut, desktop, "WARNING(5): Could not create Shortcut."},
        {kStartMenuShortcut, startMenu, "WARNING(5): Could not update Start Menu Programs."}};
    for (const Kind& k : kinds) {
        for (int n = 1; n <= 99; ++n) {
            std::string name = n == 1 ? "Draskel" : "Draskel (" + std::to_string(n) + ")";
            std::ofstream(Link(k.folder, name)) << "taken";
        }
        std::set<fs::path> before = Entries(k.folder);
        WarningBoxes boxes;
        EXPECT_EQ(CreateProductShortcut(nullptr, k.kind), 0);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{k.warning});
        EXPECT_FALSE(fs::exists(Link(k.folder, "Draskel (100)")));
        EXPECT_EQ(Entries(k.folder), before);
    }
}

TEST_F(Shortcuts, StartMenuNameTakenByAFileGivesWarningFour) {
    InstallExecutable();
    std::ofstream(startMenu) << "not a folder";
    WarningBoxes boxes;
    EXPECT_EQ(CreateProductShortcut(nullptr, kStartMenuShortcut), 0);
    EXPECT_EQ(boxes.texts,
              std::vector<std::string>{"WARNING(4): Could not update Start Menu Programs."});
    EXPECT_TRUE(fs::is_regular_file(startMenu));
}

TEST_F(Shortcuts, ComOfTheThreadIsLeftAsItWas) {
    InstallExecutable();
    // Already initialised as an apartment: still a success, and exactly one uninitialisation.
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    {
        WarningBoxes boxes;
        EXPECT_EQ(CreateProductShortcut(nullptr, kDesktopShortcut), 1);
        EXPECT_TRUE(boxes.texts.empty());
    }
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE); // still initialised
    CoUninitialize();
    CoUninitialize();
    ExpectLinkToProduct(Link(desktop, "Draskel"));

    // A multithreaded thread cannot become an apartment: warning 6, and no link.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
        WarningBoxes boxes;
        EXPECT_EQ(CreateProductShortcut(nullptr, kDesktopShortcut), 0);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{"WARNING(6): Could not create Shortcut."});
    }
    CoUninitialize();
    EXPECT_FALSE(fs::exists(Link(desktop, "Draskel (2)")));
}

TEST_F(Shortcuts, InstallCreatesTheDesktopShortcutFirstAndGoesOnWhenItFails) {
    InstallExecutable();
    installOptions.createDesktopShortcut = 1;
    installOptions.addToStartMenu = 1;
    // Every desktop name is taken: the desktop shortcut fails with its warning.
    for (int n = 1; n <= 99; ++n) {
        std::string name = n == 1 ? "Draskel" : "Draskel (" + std::to_string(n) + ")";
        std::ofstream(Link(desktop, name)) << "taken";
    }
    bool startMenuLinkDuringWarning = true;
    std::vector<std::string> warnings;
    ModalDriver driver;
    driver.then([&](HWND box) {
        warnings.push_back(MessageBoxText(box));
        startMenuLinkDuringWarning = fs::exists(Link(startMenu, "Draskel"));
        Click(box, IDOK);
    });
    EXPECT_EQ(InstallProduct(nullptr), 1);
    EXPECT_EQ(warnings, std::vector<std::string>{"WARNING(5): Could not create Shortcut."});
    EXPECT_FALSE(startMenuLinkDuringWarning);
    ExpectLinkToProduct(Link(startMenu, "Draskel"));
}
