// Components page state, stored flags, overview lines and shortcut names, without windows.
#include "app/limits.h"
#include "install/shortcut_names.h"
#include "wizard/component_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

InstallOptions Options(int program, int samples, int tutorials, int desktop, int startMenu,
                       int readme, const char* folder = "C:\\DRASKEL") {
    InstallOptions options = {};
    snprintf(options.installFolder, sizeof options.installFolder, "%s", folder);
    options.installProgram = program;
    options.installSamples = samples;
    options.installTutorials = tutorials;
    options.createDesktopShortcut = desktop;
    options.addToStartMenu = startMenu;
    options.viewReadme = readme;
    return options;
}

std::vector<std::string> Lines(const InstallOptions& options, const char* version) {
    static OverviewLines lines;
    BuildOverviewLines(options, "Draskel", version, &lines);
    return std::vector<std::string>(lines.line, lines.line + lines.count);
}

} // namespace

TEST(ComponentChoices, MissingPayloadFoldersClearAndDisableTheirBoxesAndTheProductTasks) {
    const int none[kComponentCount] = {0, 0, 0};
    ComponentBoxStates states;
    InitialComponentStates(none, Options(1, 1, 1, 1, 1, 1), &states);
    for (int box = kBoxProgram; box <= kBoxStartMenu; ++box) {
        EXPECT_EQ(states.checked[box], 0) << box;
        EXPECT_EQ(states.enabled[box], 0) << box;
    }
    EXPECT_EQ(states.checked[kBoxViewReadme], 1);
    EXPECT_EQ(states.enabled[kBoxViewReadme], 1);
    EXPECT_EQ(states.nextEnabled, 0);

    const int noProgram[kComponentCount] = {0, 1, 1};
    InitialComponentStates(noProgram, Options(1, 1, 0, 1, 1, 0), &states);
    EXPECT_EQ(states.checked[kBoxSamples], 1);
    EXPECT_EQ(states.enabled[kBoxTutorials], 1);
    EXPECT_EQ(states.checked[kBoxTutorials], 0);
    EXPECT_EQ(states.enabled[kBoxDesktopShortcut], 0);
    EXPECT_EQ(states.nextEnabled, 1);
}

TEST(ComponentChoices, ProductBoxGovernsItsTasksAndAnyComponentEnablesNext) {
    const int all[kComponentCount] = {1, 1, 1};
    ComponentBoxStates states;
    InitialComponentStates(all, Options(1, 0, 0, 1, 1, 0), &states);
    EXPECT_EQ(states.checked[kBoxDesktopShortcut], 1);
    EXPECT_EQ(states.checked[kBoxStartMenu], 1);

    states.checked[kBoxProgram] = 0;
    ApplyComponentRule(&states);
    EXPECT_EQ(states.nextEnabled, 0);
    for (int box : {kBoxDesktopShortcut, kBoxStartMenu}) {
        EXPECT_EQ(states.checked[box], 0);
        EXPECT_EQ(states.enabled[box], 0);
    }
    states.checked[kBoxProgram] = 1;
    ApplyComponentRule(&states);
    EXPECT_EQ(states.nextEnabled, 1);
    for (int box : {kBoxDesktopShortcut, kBoxStartMenu}) {
        EXPECT_EQ(states.checked[box], 0);
        EXPECT_EQ(states.enabled[box], 1);
    }
    states.checked[kBoxProgram] = 0;
    states.checked[kBoxTutorials] = 1;
    ApplyComponentRule(&states);
    EXPECT_EQ(states.nextEnabled, 1);
}

TEST(ComponentChoices, StoredFlagsDropTheProductTasksWithTheProduct) {
    InstallOptions options = Options(1, 1, 1, 1, 1, 1);
    const int checked[kComponentBoxCount] = {0, 1, 0, 1, 1, 1};
    StoreComponentChoices(checked, &options);
    EXPECT_EQ(options.installProgram, 0);
    EXPECT_EQ(options.installSamples, 1);
    EXPECT_EQ(options.installTutorials, 0);
    EXPECT_EQ(options.createDesktopShortcut, 0);
    EXPECT_EQ(options.addToStartMenu, 0);
    EXPECT_EQ(options.viewReadme, 1);
    EXPECT_STREQ(options.installFolder, "C:\\DRASKEL");
}

TEST(ComponentChoices, ProductLabelAddsTheVersionOnlyWhenThereIsOne) {
    char label[kComponentLabelSize];
    ComponentLabelText(label, sizeof label, "Dras&kel (Metric)", "2.1");
    EXPECT_STREQ(label, "Dras&kel (Metric) 2.1");
    ComponentLabelText(label, sizeof label, "Dras&kel", "");
    EXPECT_STREQ(label, "Dras&kel");
    // The longest label and version fit whole.
    std::string longLabel(kCatalogText - 1, 'L'), longVersion(19, 'V');
    ComponentLabelText(label, sizeof label, longLabel.c_str(), longVersion.c_str());
    EXPECT_EQ(std::string(label), longLabel + " " + longVersion);
}

TEST(OverviewLines, NewInstallationWithEveryFlagGivesSixteenLines) {
    std::vector<std::string> expected = {"",
                                         "Install Folder:",
                                         "",
                                         "     C:\\DRASKEL",
                                         "",
                                         "Components To Install:",
                                         "",
                                         "     Draskel 2.1",
                                         "     Sample Auxiliary Files (Materials, etc.)",
                                         "     Tutorial Projects",
                                         "",
                                         "Tasks To Accomplish:",
                                         "",
                                         "     Create Desktop Shortcut",
                                         "     Add to Start Menu Programs",
                                         "     View README.TXT File"};
    EXPECT_EQ(Lines(Options(1, 1, 1, 1, 1, 1), "2.1"), expected);
}

TEST(OverviewLines, OmitsHeadingsWithoutEntriesAndTheVersionWhenEmpty) {
    std::vector<std::string> update = Lines(Options(1, 0, 0, 0, 0, 0), "");
    ASSERT_EQ(update.size(), 8u);
    EXPECT_EQ(update[5], "Components To Install:");
    EXPECT_EQ(update[7], "     Draskel");

    std::vector<std::string> readmeOnly = Lines(Options(0, 1, 0, 0, 0, 1), "2.1");
    std::vector<std::string> expected = {
        "", "Install Folder:",        "", "     C:\\DRASKEL",
        "", "Components To Install:", "", "     Sample Auxiliary Files (Materials, etc.)",
        "", "Tasks To Accomplish:",   "", "     View README.TXT File"};
    EXPECT_EQ(readmeOnly, expected);
}

TEST(OverviewLines, FolderLineHoldsTheLongestInstallFolderWhole) {
    std::string folder = "C:\\" + std::string(kPathSize - 4, 'F');
    ASSERT_EQ(folder.size(), 259u);
    std::vector<std::string> lines = Lines(Options(1, 0, 0, 0, 0, 0, folder.c_str()), "");
    EXPECT_EQ(lines[3], "     " + folder);
}

TEST(ShortcutNames, NumberedLinkNamesAndWarnings) {
    char path[kPathSize];
    ASSERT_EQ(ShortcutLinkPath(path, sizeof path, "C:\\D", "Draskel (Metric)", 1), 1);
    EXPECT_STREQ(path, "C:\\D\\Draskel (Metric).LNK");
    ASSERT_EQ(ShortcutLinkPath(path, sizeof path, "C:\\D", "Draskel (Metric)", 2), 1);
    EXPECT_STREQ(path, "C:\\D\\Draskel (Metric) (2).LNK");
    ASSERT_EQ(ShortcutLinkPath(path, sizeof path, "C:\\D", "Draskel", 99), 1);
    EXPECT_STREQ(path, "C:\\D\\Draskel (99).LNK");

    char text[kMessageSize];
    ShortcutWarningText(text, sizeof text, 0, 5);
    EXPECT_STREQ(text, "WARNING(5): Could not create Shortcut.");
    ShortcutWarningText(text, sizeof text, 1, 8);
    EXPECT_STREQ(text, "WARNING(8): Could not update Start Menu Programs.");
}

TEST(ShortcutNames, PathsThatWouldNotFitAreRefusedNotCut) {
    char path[kPathSize];
    // "\Draskel.LNK" needs 12 characters: a 247-character folder leaves exactly 259.
    std::string folder(247, 'F');
    EXPECT_EQ(ShortcutLinkPath(path, sizeof path, folder.c_str(), "Draskel", 1), 1);
    EXPECT_EQ(strlen(path), 259u);
    EXPECT_EQ(ShortcutLinkPath(path, sizeof path, folder.c_str(), "Draskel", 2), 0);
    EXPECT_STREQ(path, "");
    std::string longFolder(255, 'F');
    EXPECT_EQ(FolderEntryPath(path, sizeof path, longFolder.c_str(), "DRASKEL.EXE"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(FolderEntryPath(path, sizeof path, "C:\\DRASKEL", "DRASKEL.EXE"), 1);
    EXPECT_STREQ(path, "C:\\DRASKEL\\DRASKEL.EXE");
    EXPECT_EQ(ConcatPath(path, sizeof path, longFolder.c_str(), "PROGRAM"), 0);
    EXPECT_STREQ(path, "");
}
