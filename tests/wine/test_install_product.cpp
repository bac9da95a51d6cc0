// The install sequence on real media and a real disk tree: install folder, payload folders in
// order with their status lines, answers that end with their payload folder, nothing lost.
#include "app/app_state.h"
#include "app/catalog.h"
#include "install/confirm_overwrite.h"
#include "install/install_product.h"
#include "presentation/presentation.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/file_tree.h"
#include "wizard/install_options.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace filetree;

namespace {

std::vector<std::string> statusLines;
WNDPROC panelProc = nullptr;

// Subclasses the real status panel: each text is recorded when the panel is told to repaint.
LRESULT CALLBACK RecordingPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UM_STATUS_CHANGED)
        statusLines.push_back(presentation.statusText);
    return CallWindowProcA(panelProc, window, message, wParam, lParam);
}

class Install : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        mainWindow = nullptr;
        SelectCatalogRow(0);
        rememberedAnswer = Yes;
        strcpy(MediaFolder, media.folderText().c_str());
        folder = disk.path() / "DRASKEL";
        installOptions = InstallOptions{};
        strcpy(installOptions.installFolder, Text(folder).c_str());
        installOptions.installProgram = 1;
        installOptions.installSamples = 1;
        installOptions.installTutorials = 1;

        fs::path m = media.path();
        Put(m / "PROGRAM" / "DRASKEL.EXE", "program 2");
        Put(m / "PROGRAM" / "HELP" / "draskel.hlp", "help 2");
        Put(m / "SAMPLE AUXILIARY FILES" / "MATERIAL.M80", "materials 2");
        Put(m / "SAMPLE AUXILIARY FILES" / "readme.txt", "readme 2", FILE_ATTRIBUTE_READONLY);
        Put(m / "SAMPLE AUXILIARY FILES" / "Letters" / "Block.L80", "letters 2");
        Put(m / "SAMPLE AUXILIARY FILES" / "House.DIR" / "house.i80", "house 2");
        Put(m / "TUTORIAL PROJECTS" / "Lesson 1.DIR" / "lesson.i80", "lesson 1 v2");
        Put(m / "TUTORIAL PROJECTS" / "Lesson 1.DIR" / "Parts" / "p.dat", "part v2");
        Put(m / "TUTORIAL PROJECTS" / "Lesson 2.DIR" / "lesson.i80", "lesson 2 v2");
        Put(m / "TUTORIAL PROJECTS" / "notes.txt", "notes 2");

        static bool registered = false;
        if (!registered) {
            WNDCLASSA panel = {};
            panel.lpfnWndProc = StatusPanelProc;
            panel.hInstance = appInstance;
            panel.lpszClassName = "TEST:INSTALLPANEL";
            RegisterClassA(&panel);
            registered = true;
        }
        statusPanel = CreateWindowExA(0, "TEST:INSTALLPANEL", nullptr, WS_POPUP, 0, 0, 300, 40,
                                      nullptr, nullptr, appInstance, nullptr);
        ASSERT_NE(statusPanel, nullptr) << GetLastError();
        panelProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            statusPanel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingPanelProc)));
        statusLines.clear();
    }
    void TearDown() override {
        DestroyWindow(statusPanel);
        statusPanel = nullptr;
        MakeAllWritable(disk.path());
        MakeAllWritable(media.path());
        rememberedAnswer = Yes;
        installOptions = InstallOptions{};
    }
    // An earlier installation that the user has worked in.
    void MakeEarlierInstallation() {
        Put(folder / "DRASKEL.EXE", "program 1");
        Put(folder / "MATERIAL.M80", "my materials", FILE_ATTRIBUTE_HIDDEN);
        Put(folder / "readme.txt", "readme 1", FILE_ATTRIBUTE_READONLY);
        Put(folder / "Letters" / "Block.L80", "my letters", FILE_ATTRIBUTE_READONLY);
        Put(folder / "Letters" / "Mine.L80", "my own letters");
        Put(folder / "House.DIR" / "house.i80", "my house");
        Put(folder / "House.DIR" / "extension.dat", "my extension", FILE_ATTRIBUTE_READONLY);
        Put(folder / "House.DIR" / "Photos" / "front.bmp", "photo");
        Put(folder / "Lesson 1.DIR" / "lesson.i80", "my lesson");
        Put(folder / "Lesson 1.DIR" / "Parts" / "p.dat", "my part");
        Put(folder / "Lesson 2.DIR" / "mine.dat", "lesson 2 work");
        Put(folder / "notes.txt", "my notes");
        Put(folder / "Own Folder" / "data.bin", std::string("\0\1\2", 3));
    }
    TempFolder media, disk;
    fs::path folder;
};

} // namespace

TEST_F(Install, StatusLinesFollowTheChosenSteps) {
    struct Case {
        int program, samples, tutorials;
        std::vector<std::string> lines;
    } cases[] = {
        {1,
         1,
         1,
         {"Creating Install Folder...", "", "Installing Draskel...", "",
          "Installing Sample Auxiliary Files...", "", "Installing Tutorial Projects...", ""}},
        // The Update type: only the program.
        {1, 0, 0, {"Creating Install Folder...", "", "Installing Draskel...", ""}},
        {0, 0, 1, {"Creating Install Folder...", "", "Installing Tutorial Projects...", ""}},
    };
    SelectCatalogRow(0);
    for (const Case& c : cases) {
        installOptions.installProgram = c.program;
        installOptions.installSamples = c.samples;
        installOptions.installTutorials = c.tutorials;
        statusLines.clear();
        Answers answers;
        EXPECT_EQ(InstallProduct(nullptr), 1);
        EXPECT_EQ(statusLines, c.lines);
        EXPECT_TRUE(answers.prompts().empty());
        EXPECT_EQ(Exists(folder / "DRASKEL.EXE"), c.program == 1);
        EXPECT_EQ(Exists(folder / "House.DIR" / "house.i80"), c.samples == 1);
        EXPECT_EQ(Exists(folder / "Lesson 1.DIR" / "Parts" / "p.dat"), c.tutorials == 1);
        // Payload folders are merged into the install folder, not copied under their names.
        EXPECT_FALSE(Exists(folder / "PROGRAM"));
        MakeAllWritable(folder);
        fs::remove_all(folder);
    }
    // The status text is formatted with the product's display name.
    SelectCatalogRow(1);
    installOptions.installSamples = installOptions.installTutorials = 0;
    installOptions.installProgram = 1;
    statusLines.clear();
    EXPECT_EQ(InstallProduct(nullptr), 1);
    EXPECT_EQ(statusLines[2], "Installing Draskel (Metric)...");
}

TEST_F(Install, InstallFolderThatCannotBeCreatedIsReportedAndNothingIsCopied) {
    Put(disk.path() / "A FILE", "not a folder");
    for (fs::path bad : {disk.path() / "NEW" / "DEEPER", disk.path() / "A FILE"}) {
        strcpy(installOptions.installFolder, Text(bad).c_str());
        statusLines.clear();
        std::string message, title;
        ModalDriver driver;
        driver.then([&](HWND box) {
            message = MessageBoxText(box);
            title = WindowText(box);
            Click(box, IDOK);
        });
        auto before = Snapshot(disk.path());
        EXPECT_EQ(InstallProduct(nullptr), 0);
        EXPECT_EQ(message, "WARNING: Install Folder could not be created.");
        EXPECT_EQ(title, "Draskel Installation");
        EXPECT_EQ(statusLines, (std::vector<std::string>{"Creating Install Folder...", ""}));
        EXPECT_EQ(Snapshot(disk.path()), before);
    }
}

// Under Wine a folder is read-only when its Unix folder has no write permission, which a Windows
// program cannot set: tests/e2e/test_readonly_install_folder.py prepares one and names it here.
TEST_F(Install, ReadOnlyInstallFolderLosesTheAttributeAndIsInstalledInto) {
    char prepared[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("READ_ONLY_INSTALL_FOLDER", prepared, sizeof prepared))
        GTEST_SKIP() << "run by tests/e2e/test_readonly_install_folder.py";
    folder = prepared;
    strcpy(installOptions.installFolder, prepared);
    ASSERT_TRUE(Attributes(folder) & FILE_ATTRIBUTE_READONLY);
    Answers answers;
    EXPECT_EQ(InstallProduct(nullptr), 1);
    EXPECT_FALSE(Attributes(folder) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Read(folder / "DRASKEL.EXE"), "program 2");
    EXPECT_EQ(Read(folder / "Lesson 2.DIR" / "lesson.i80"), "lesson 2 v2");
    EXPECT_FALSE(Attributes(folder / "readme.txt") & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(answers.prompts().empty());
}

TEST_F(Install, MissingPayloadFolderLeavesNoTraceAndNoMessage) {
    fs::remove_all(media.path() / "TUTORIAL PROJECTS");
    Answers answers;
    EXPECT_EQ(InstallProduct(nullptr), 1);
    EXPECT_TRUE(answers.prompts().empty());
    EXPECT_EQ(Read(folder / "MATERIAL.M80"), "materials 2");
    EXPECT_FALSE(Exists(folder / "Lesson 1.DIR"));
    EXPECT_FALSE(Exists(folder / "TUTORIAL PROJECTS"));
}

TEST_F(Install, ProgramFilesAreReplacedAndToAllAnswersEndWithTheirPayloadFolder) {
    MakeEarlierInstallation();
    SetAttributes(folder / "readme.txt", FILE_ATTRIBUTE_NORMAL);
    SetAttributes(folder / "Letters" / "Block.L80", FILE_ATTRIBUTE_NORMAL);
    auto before = Snapshot(folder);
    // Yes to All for whatever the samples ask first, No to All for the tutorials' first question.
    Answers answers({{FilePrompt("MATERIAL.M80"), 102},
                     {FilePrompt("README.TXT"), 102},
                     {FilePrompt("BLOCK.L80"), 102},
                     {ProjectPrompt("HOUSE"), 102},
                     {ProjectPrompt("LESSON 1"), 104},
                     {ProjectPrompt("LESSON 2"), 104},
                     {FilePrompt("NOTES.TXT"), 104}});
    EXPECT_EQ(InstallProduct(nullptr), 1);
    ASSERT_EQ(answers.prompts().size(), 2u);
    std::set<std::string> tutorials = {ProjectPrompt("LESSON 1"), ProjectPrompt("LESSON 2"),
                                       FilePrompt("NOTES.TXT")};
    EXPECT_FALSE(tutorials.count(answers.prompts()[0])) << answers.prompts()[0];
    EXPECT_TRUE(tutorials.count(answers.prompts()[1])) << answers.prompts()[1];
    EXPECT_EQ(Read(folder / "DRASKEL.EXE"), "program 2");
    EXPECT_EQ(Read(folder / "MATERIAL.M80"), "materials 2");
    EXPECT_EQ(Read(folder / "Letters" / "Block.L80"), "letters 2");
    EXPECT_EQ(Read(folder / "Letters" / "Mine.L80"), "my own letters");
    EXPECT_EQ(Read(folder / "House.DIR" / "house.i80"), "house 2");
    EXPECT_EQ(Read(folder / "House.DIR" / "Photos" / "front.bmp"), "photo");
    auto after = Snapshot(folder);
    // A read-only file of a replaced project cannot be removed and stays as the user left it.
    EXPECT_EQ(Under(after, "House.DIR\\extension.dat"), Under(before, "House.DIR\\extension.dat"));
    for (const char* kept : {"Lesson 1.DIR", "Lesson 2.DIR", "notes.txt", "Own Folder"})
        EXPECT_EQ(Under(after, kept), Under(before, kept)) << kept;
}

// Whatever the user refuses stays exactly as it was, down to the last byte and attribute, and
// files and folders that the media does not ship are never touched.
TEST_F(Install, NothingIsLostWhenTheAnswerIsNo) {
    installOptions.installProgram = 0;
    MakeEarlierInstallation();
    for (int button : {103, 104}) { // No to each question, No to All at the first
        auto before = Snapshot(folder);
        {
            ModalDriver driver;
            int shown = 0;
            for (int i = 0; i < 20; ++i)
                driver.then([&, button](HWND dialog) {
                    ++shown;
                    Click(dialog, button);
                });
            EXPECT_EQ(InstallProduct(nullptr), 1);
            // No asks for each existing object; No to All once per payload folder.
            EXPECT_EQ(shown, button == 103 ? 7 : 2);
        }
        EXPECT_EQ(Snapshot(folder), before) << button;
    }
}

// A media folder so deep that a payload folder's path would not fit: that step copies nothing,
// and above all not the folder whose name the cut path would spell.
TEST_F(Install, PayloadPathsThatWouldNotFitAreNotCut) {
    fs::path deep = media.path();
    while (Text(deep).size() + 41 < 239)
        deep /= std::string(40, 'm');
    deep /= std::string(238 - Text(deep).size(), 'n');
    std::string mediaFolder = Text(deep) + "\\";
    ASSERT_EQ(mediaFolder.size(), 240u);
    // PROGRAM\*.* and PROGRAM\DRASKEL.EXE fit in 259 characters.
    Put(deep / "PROGRAM" / "DRASKEL.EXE", "program 2");
    // 262 characters: cut to 259 they would spell the folder below.
    Put(deep / "SAMPLE AUXILIARY FILES" / "MATERIAL.M80", "materials");
    Put(deep / "SAMPLE AUXILIARY FI" / "wrong.txt", "cut path");
    strcpy(MediaFolder, mediaFolder.c_str());
    Answers answers;
    EXPECT_EQ(InstallProduct(nullptr), 1);
    EXPECT_EQ(Read(folder / "DRASKEL.EXE"), "program 2");
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"DRASKEL.EXE"});
}
