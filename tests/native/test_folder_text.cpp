// Folder texts of the folder browser and the Install Folder page.
#include "wizard/folder_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(NavigateFolder, UpAndIntoFolders) {
    struct Case {
        const char* path;
        const char* entry;
        const char* result;
        int moved;
    } cases[] = {
        {"C:\\A\\B\\", "[..]", "C:\\A\\", 1},
        {"C:\\A\\", "[..]", "C:\\", 1},
        {"C:\\", "[..]", "C:\\", 0},
        {"C:\\A\\", "[B]", "C:\\A\\B\\", 1},
        {"C:\\", "[PROGRAM FILES]", "C:\\PROGRAM FILES\\", 1},
        {"C:\\A\\", "[]", "C:\\A\\", 0},
    };
    for (const Case& c : cases) {
        char path[260];
        strcpy(path, c.path);
        EXPECT_EQ(NavigateFolder(path, sizeof path, c.entry), c.moved) << c.path << c.entry;
        EXPECT_STREQ(path, c.result);
    }
}

TEST(NavigateFolder, NeverCutsAPathThatWouldNotFit) {
    std::string deep = "C:\\" + std::string(250, 'a') + "\\"; // 254 characters
    char path[260];
    strcpy(path, deep.c_str());
    EXPECT_EQ(NavigateFolder(path, sizeof path, "[12345]"), 0);
    EXPECT_STREQ(path, deep.c_str());
    EXPECT_EQ(NavigateFolder(path, sizeof path, "[1234]"), 1);
    EXPECT_EQ(strlen(path), 259u);
}

TEST(FolderEntryText, BracketsCapitalsAndOnlyFoldersThatCanBeListed) {
    char entry[262];
    EXPECT_EQ(FolderEntryText(entry, sizeof entry, "C:\\", "Projects"), 1);
    EXPECT_STREQ(entry, "[PROJECTS]");
    // A 250-character path and "abcde": a 256-character folder whose pattern "*.*" still fits.
    std::string path = "C:\\" + std::string(246, 'a') + "\\";
    EXPECT_EQ(FolderEntryText(entry, sizeof entry, path.c_str(), "abcde"), 1);
    EXPECT_EQ(FolderEntryText(entry, sizeof entry, path.c_str(), "abcdef"), 0);
}

TEST(FolderBrowserTexts, ShownEntriesFieldDrivesAndResult) {
    char text[300];
    DisplayedEntryText(text, sizeof text, "[PROJECTS]");
    EXPECT_STREQ(text, "PROJECTS");
    DisplayedEntryText(text, sizeof text, "[..]");
    EXPECT_STREQ(text, "..");
    DisplayedEntryText(text, sizeof text, "x");
    EXPECT_STREQ(text, "x");
    EXPECT_EQ(IsUpEntry("[..]"), 1);
    EXPECT_EQ(IsUpEntry("[.]"), 0);

    BrowsePathText(text, sizeof text, "C:\\");
    EXPECT_STREQ(text, "C:");
    BrowsePathText(text, sizeof text, "c:\\Program Files\\");
    EXPECT_STREQ(text, "C:\\PROGRAM FILES");

    DriveEntryText(text, sizeof text, 'D', "DATA");
    EXPECT_STREQ(text, "D: (DATA)");
    DriveEntryText(text, sizeof text, 'D', "");
    EXPECT_STREQ(text, "D:");
    DriveRootFromEntry(text, 260, "D: (DATA)");
    EXPECT_STREQ(text, "D:\\");
    DriveRootFromEntry(text, 260, "E:");
    EXPECT_STREQ(text, "E:\\");

    char root[] = "c:\\";
    AcceptedFolderText(root);
    EXPECT_STREQ(root, "C:");
    char inside[] = "C:\\Work\\Projects\\";
    AcceptedFolderText(inside);
    EXPECT_STREQ(inside, "C:\\WORK\\PROJECTS");
}

TEST(InstallFolderText, NextRuleAndStoredFolder) {
    for (const char* text : {"", " ", "    "})
        EXPECT_EQ(FolderTextEnablesNext(text), 0) << "[" << text << "]";
    for (const char* text : {"C", " \\ ", "\t"})
        EXPECT_EQ(FolderTextEnablesNext(text), 1) << "[" << text << "]";
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"  C:\\WORK\\\\\\  ", "C:\\WORK"},
        {"C:\\", "C:"},
        {" \\\\ ", ""},
        {"C:\\A \\", "C:\\A "},
    };
    for (const Case& c : cases) {
        char text[260];
        strcpy(text, c.in);
        CleanInstallFolder(text);
        EXPECT_STREQ(text, c.out) << "[" << c.in << "]";
    }
}
