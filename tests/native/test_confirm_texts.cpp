// Overwrite prompts, the description table by product code, and the names of the tree copy.
#include "install/confirm_texts.h"
#include "install/copy_names.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConfirmTexts, DescriptionsFollowTheProductCode) {
    struct Case {
        int code;
        const char* name;
        const char* description;
    } cases[] = {
        {0, "material.m80", "DESCRIPTION: Materials."},
        {3, "material.m80", ""},
        {0, "A.B80", "DESCRIPTION: Border."},
        {1, "A.B80", ""},
        {0, "A0.B80", ""},
        {1, "a0.b80", "DESCRIPTION: Border."},
        {14, "A4.B80", "DESCRIPTION: Border."},
        {7, "e.b80", "DESCRIPTION: Border."},
        // Extension rules match any name with that extension, and only the last extension.
        {0, "My Letters.l80", "DESCRIPTION: Letter Scheme."},
        {2, "proj.I80", "DESCRIPTION: Default Project Template."},
        {8, "x.i80", "DESCRIPTION: Default Project Template."},
        {0, "proj.i80.bak", ""},
        {0, "I80", ""},
        {3, "House.ovx", "DESCRIPTION: Default Project Template."},
        {5, "q.QUO", "DESCRIPTION: Quote Template."},
        {9, "roof.mpi", "DESCRIPTION: Default Project Template."},
        {9, "COLOR.LST", "DESCRIPTION: 3D View Color Palette Settings."},
        {3, "EXTRAS.XTR", "DESCRIPTION: Extras (Materials)."},
        {6, "extras.xtr", "DESCRIPTION: Extras (Materials)."},
        {3, "KELSPAN.INI", "DESCRIPTION: Kelspan Settings."},
        {2, "FILLSEQ.F80", ""},
        {13, "DRASKEL.INI", "DESCRIPTION: Settings."},
        {14, "DRASKEL.INI", ""},
        {9, "ORVANE.INI", ""},
        // A whole-name rule needs the whole name.
        {0, "XMATERIAL.M80", ""},
        {0, "readme.txt", ""},
        {10, "MATERIAL.M80", ""},
        {11, "anything.i80", ""},
        {12, "COLOR.LST", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(FileDescription(c.code, c.name)), c.description)
            << c.code << " " << c.name;
}

// Each rule's own key finds that rule's text, and no other rule of the same product code matches
// the same name.
TEST(ConfirmTexts, NoNameMatchesTwoRulesOfOneProductCode) {
    for (int code = 0; code < 16; ++code) {
        for (int i = 0; i < descriptionRuleCount; ++i) {
            const DescriptionRule& rule = descriptionRules[i];
            if (!(rule.productCodes & (1u << code)))
                continue;
            std::string name = rule.key[0] == '.' ? std::string("SAMPLE") + rule.key : rule.key;
            int matches = 0;
            for (int j = 0; j < descriptionRuleCount; ++j) {
                const DescriptionRule& other = descriptionRules[j];
                if (!(other.productCodes & (1u << code)))
                    continue;
                std::string compared = other.key[0] == '.' ? NameExtension(name.c_str()) : name;
                matches += compared == other.key;
            }
            EXPECT_EQ(matches, 1) << code << " " << name;
            EXPECT_STREQ(FileDescription(code, name.c_str()), rule.description);
        }
    }
    for (int code : {10, 11, 12})
        for (int i = 0; i < descriptionRuleCount; ++i)
            EXPECT_FALSE(descriptionRules[i].productCodes & (1u << code));
}

TEST(ConfirmTexts, PromptsHoldNamesOfEveryLength) {
    char text[kPromptSize];
    ConfirmPromptText(text, sizeof text, "README.TXT", 0);
    EXPECT_STREQ(text, "WARNING: File README.TXT already exists.  Overwrite?");
    ConfirmPromptText(text, sizeof text, "SAMPLE 1", 1);
    EXPECT_STREQ(text, "WARNING: Project SAMPLE 1 already exists.  Overwrite?");
    std::string longest(259, 'N');
    for (int isProject : {0, 1}) {
        ConfirmPromptText(text, sizeof text, longest.c_str(), isProject);
        std::string expected = std::string("WARNING: ") + (isProject ? "Project " : "File ") +
                               longest + " already exists.  Overwrite?";
        EXPECT_EQ(std::string(text), expected);
    }

    char line[kMessageSize];
    ConfirmDescriptionText(line, sizeof line, 0, "Draskel (Metric)", "MATERIAL", 1);
    EXPECT_STREQ(line, "DESCRIPTION: Draskel (Metric) Project.");
    ConfirmDescriptionText(line, sizeof line, 0, "Draskel", "MATERIAL.M80", 0);
    EXPECT_STREQ(line, "DESCRIPTION: Materials.");
    // The longest catalog name still fits the line.
    std::string name(49, 'D');
    ConfirmDescriptionText(line, sizeof line, 0, name.c_str(), "X", 1);
    EXPECT_EQ(std::string(line), "DESCRIPTION: " + name + " Project.");
}

TEST(CopyNames, ProjectsAreFoldersWithTheExtensionDir) {
    struct Case {
        const char* name;
        bool project;
        const char* shown;
    } cases[] = {
        {"Sample 1.DIR", true, "SAMPLE 1"},
        {"Sample2.dir", true, "SAMPLE2"},
        {"my.old.Dir", true, "MY.OLD"},
        {".DIR", true, ""},
        {"DIR", false, nullptr},
        {"Sample2.DIR.OLD", false, nullptr},
        {"Sample.DIRS", false, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsProjectFolder(c.name) == 1, c.project) << c.name;
        if (c.shown) {
            char shown[260];
            EXPECT_EQ(ProjectDisplayName(c.name, shown, sizeof shown), 1);
            EXPECT_STREQ(shown, c.shown);
        }
    }
    EXPECT_STREQ(NameExtension("a.b.c"), ".c");
    EXPECT_STREQ(NameExtension("abc"), "");
    EXPECT_TRUE(IsDotEntry("."));
    EXPECT_TRUE(IsDotEntry(".."));
    EXPECT_FALSE(IsDotEntry(".hidden"));
    EXPECT_FALSE(IsDotEntry("Folder"));
}

TEST(CopyNames, PathsThatDoNotFitAreRefusedNotCut) {
    char path[260];
    std::string folder(250, 'f');
    EXPECT_EQ(JoinPath(path, sizeof path, folder.c_str(), "12345678"), 1); // 259 characters
    EXPECT_EQ(std::string(path), folder + "\\12345678");
    EXPECT_EQ(JoinPath(path, sizeof path, folder.c_str(), "123456789"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(JoinPath(path, sizeof path, "C:\\X", "*.*"), 1);
    EXPECT_STREQ(path, "C:\\X\\*.*");
}
