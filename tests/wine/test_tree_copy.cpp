// The tree copy on real files: projects as units, the two mode flags, attributes, answers.
#include "app/app_state.h"
#include "app/catalog.h"
#include "install/confirm_overwrite.h"
#include "install/tree_copy.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/file_tree.h"

#include <gtest/gtest.h>

using namespace filetree;

namespace {

class TreeCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        mainWindow = nullptr;
        SelectCatalogRow(0);
        rememberedAnswer = Yes;
        source = temp.path() / "SAMPLE AUXILIARY FILES";
        target = temp.path() / "Install";
        Put(source / "readme.txt", "new readme");
        Put(source / "material.m80", "new material", FILE_ATTRIBUTE_READONLY);
        Put(source / "Sample1.DIR" / "a.dat", "new a");
        Put(source / "Sample1.DIR" / "Sub" / "c.dat", "new c");
        Put(source / "Sample2.dir" / "x.dat", "new x");
        Put(source / "DIR" / "plain.dat", "new plain");
        Put(source / "Sample2.DIR.OLD" / "old.dat", "new old");
        Put(source / "Extra" / "nested.txt", "new nested");
    }
    void TearDown() override {
        MakeAllWritable(temp.path());
        rememberedAnswer = Yes;
    }
    // What a user's earlier installation holds: every shipped object, and more.
    void MakeExisting() {
        Put(target / "readme.txt", "old readme", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        Put(target / "Sample1.DIR" / "a.dat", "old a");
        Put(target / "Sample1.DIR" / "user.dat", "mine");
        Put(target / "Sample1.DIR" / "Mine" / "m.dat", "my sub");
        Put(target / "Sample1.DIR" / "Sub" / "c.dat", "old c");
        Put(target / "Sample1.DIR" / "Sub" / "u.dat", "user in sub");
        Put(target / "Sample2.dir" / "x.dat", "old x");
        Put(target / "Sample2.dir" / "kept.dat", "mine too", FILE_ATTRIBUTE_HIDDEN);
        Put(target / "DIR" / "plain.dat", "old plain");
        Put(target / "Sample2.DIR.OLD" / "old.dat", "old old");
        Put(target / "Extra" / "nested.txt", "old nested");
    }
    int Copy(int clearReadOnly, int confirmExisting) {
        return CopyTree(Text(source).c_str(), Text(target).c_str(), clearReadOnly, confirmExisting);
    }
    TempFolder temp;
    fs::path source, target;
};

} // namespace

TEST_F(TreeCopy, NewTreeIsCopiedWithoutAQuestionAndTheReadOnlyFlagDecides) {
    for (int clearReadOnly : {1, 0}) {
        Answers answers;
        EXPECT_EQ(Copy(clearReadOnly, 1), 1);
        EXPECT_TRUE(answers.prompts().empty());
        EXPECT_EQ(Read(target / "readme.txt"), "new readme");
        EXPECT_EQ(Read(target / "Sample1.DIR" / "a.dat"), "new a");
        EXPECT_EQ(Read(target / "Sample1.DIR" / "Sub" / "c.dat"), "new c");
        EXPECT_EQ(Read(target / "Sample2.dir" / "x.dat"), "new x");
        EXPECT_EQ(Read(target / "DIR" / "plain.dat"), "new plain");
        EXPECT_EQ(Read(target / "Sample2.DIR.OLD" / "old.dat"), "new old");
        EXPECT_EQ(Read(target / "Extra" / "nested.txt"), "new nested");
        EXPECT_EQ(Read(target / "material.m80"), "new material");
        bool readOnly = Attributes(target / "material.m80") & FILE_ATTRIBUTE_READONLY;
        EXPECT_EQ(readOnly, clearReadOnly == 0);
        EXPECT_EQ(Snapshot(target).size(), 14u); // 8 files, 6 folders
        MakeAllWritable(target);
        fs::remove_all(target);
    }
}

TEST_F(TreeCopy, ProjectsAreAskedForOnceAndFilesOneByOne) {
    MakeExisting();
    auto before = Snapshot(target);
    Answers answers({{ProjectPrompt("SAMPLE1"), 101}, // Yes
                     {FilePrompt("PLAIN.DAT"), 101}});
    EXPECT_EQ(Copy(1, 1), 1);

    // Sample2.dir is a project; DIR and Sample2.DIR.OLD are ordinary folders whose files are
    // asked for one by one. Nothing inside a project is asked for.
    EXPECT_EQ(answers.promptSet(),
              (std::multiset<std::string>{FilePrompt("README.TXT"), ProjectPrompt("SAMPLE1"),
                                          ProjectPrompt("SAMPLE2"), FilePrompt("PLAIN.DAT"),
                                          FilePrompt("OLD.DAT"), FilePrompt("NESTED.TXT")}));
    for (size_t i = 0; i < answers.prompts().size(); ++i)
        if (answers.prompts()[i].rfind("WARNING: Project", 0) == 0)
            EXPECT_EQ(answers.descriptions()[i], "DESCRIPTION: Draskel Project.");

    // Yes: the project's files are exactly the shipped ones; the user's subfolder stays, and a
    // shipped subfolder of the same name is merged without a question.
    EXPECT_EQ(Read(target / "Sample1.DIR" / "a.dat"), "new a");
    EXPECT_FALSE(Exists(target / "Sample1.DIR" / "user.dat"));
    EXPECT_EQ(Read(target / "Sample1.DIR" / "Mine" / "m.dat"), "my sub");
    EXPECT_EQ(Read(target / "Sample1.DIR" / "Sub" / "c.dat"), "new c");
    EXPECT_EQ(Read(target / "Sample1.DIR" / "Sub" / "u.dat"), "user in sub");
    EXPECT_EQ(Read(target / "DIR" / "plain.dat"), "new plain");

    // No: everything else is exactly as it was, attributes included.
    auto after = Snapshot(target);
    for (const char* kept : {"Sample2.dir", "Sample2.DIR.OLD", "Extra", "readme.txt"})
        EXPECT_EQ(Under(after, kept), Under(before, kept)) << kept;
    EXPECT_EQ(Attributes(target / "readme.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    // The new file arrives writable.
    EXPECT_EQ(Read(target / "material.m80"), "new material");
    EXPECT_FALSE(Attributes(target / "material.m80") & FILE_ATTRIBUTE_READONLY);
}

TEST_F(TreeCopy, AToAllAnswerHoldsForTheRestOfTheCopy) {
    for (int button : {102, 104}) { // Yes to All, No to All
        MakeExisting();
        SetAttributes(target / "readme.txt", FILE_ATTRIBUTE_NORMAL);
        auto before = Snapshot(target);
        {
            Answers answers({{FilePrompt("README.TXT"), button},
                             {ProjectPrompt("SAMPLE1"), button},
                             {ProjectPrompt("SAMPLE2"), button},
                             {FilePrompt("PLAIN.DAT"), button},
                             {FilePrompt("OLD.DAT"), button},
                             {FilePrompt("NESTED.TXT"), button}});
            rememberedAnswer = Yes;
            EXPECT_EQ(Copy(1, 1), 1);
            EXPECT_EQ(answers.prompts().size(), 1u) << button;
        }
        if (button == 102) {
            EXPECT_EQ(rememberedAnswer, YesToAll);
            for (const char* file :
                 {"readme.txt", "Sample1.DIR\\a.dat", "Sample2.dir\\x.dat", "DIR\\plain.dat",
                  "Sample2.DIR.OLD\\old.dat", "Extra\\nested.txt"})
                EXPECT_EQ(Read(target / file), Read(source / file)) << file;
            EXPECT_FALSE(Exists(target / "Sample2.dir" / "kept.dat"));
        } else {
            EXPECT_EQ(rememberedAnswer, NoToAll);
            auto after = Snapshot(target);
            after.erase("material.m80"); // the only new object
            EXPECT_EQ(after, before);
        }
        MakeAllWritable(target);
        fs::remove_all(target);
    }
}

TEST_F(TreeCopy, WithoutConfirmationExistingProjectsAreStillEmptied) {
    MakeExisting();
    SetAttributes(target / "readme.txt", FILE_ATTRIBUTE_NORMAL);
    Answers answers;
    EXPECT_EQ(Copy(1, 0), 1);
    EXPECT_TRUE(answers.prompts().empty());
    EXPECT_EQ(Read(target / "readme.txt"), "new readme");
    EXPECT_EQ(Read(target / "Extra" / "nested.txt"), "new nested");
    EXPECT_FALSE(Exists(target / "Sample1.DIR" / "user.dat"));
    EXPECT_FALSE(Exists(target / "Sample2.dir" / "kept.dat"));
    EXPECT_EQ(Read(target / "Sample1.DIR" / "Mine" / "m.dat"), "my sub");
    EXPECT_EQ(Read(target / "Sample1.DIR" / "a.dat"), "new a");

    // Wine lets a read-only file on the disk be replaced (Windows refuses the copy and the file
    // stays as it was); the replacement arrives writable.
    SetAttributes(target / "readme.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    std::ofstream(source / "readme.txt", std::ios::binary) << "newer readme";
    EXPECT_EQ(Copy(1, 0), 1);
    EXPECT_EQ(Read(target / "readme.txt"), "newer readme");
    EXPECT_EQ(Attributes(target / "readme.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD(FILE_ATTRIBUTE_HIDDEN));
}

TEST_F(TreeCopy, MissingFoldersAndNamesTakenByFiles) {
    // A missing source copies nothing, yet the target folder is there afterwards.
    fs::path empty = temp.path() / "Empty";
    EXPECT_EQ(CopyTree(Text(temp.path() / "NO SUCH FOLDER").c_str(), Text(empty).c_str(), 1, 1), 1);
    EXPECT_TRUE(fs::is_directory(empty));
    EXPECT_TRUE(fs::is_empty(empty));
    // Only one level is created.
    fs::path deep = temp.path() / "No" / "Deeper";
    EXPECT_EQ(CopyTree(Text(source).c_str(), Text(deep).c_str(), 1, 1), 0);
    EXPECT_FALSE(Exists(temp.path() / "No"));
    // A file that holds the target's name is no folder to copy into.
    Put(temp.path() / "Taken", "a file");
    EXPECT_EQ(CopyTree(Text(source).c_str(), Text(temp.path() / "Taken").c_str(), 1, 0), 0);
    EXPECT_EQ(EnsureFolder(Text(temp.path() / "Taken").c_str()), 0);
    EXPECT_EQ(Read(temp.path() / "Taken"), "a file");
    // A folder that holds a shipped file's name is asked for like that file, and stays whole.
    Put(target / "readme.txt" / "inside.txt", "kept");
    Answers answers({{FilePrompt("README.TXT"), 101}});
    EXPECT_EQ(Copy(1, 1), 1);
    EXPECT_EQ(answers.prompts(), std::vector<std::string>{FilePrompt("README.TXT")});
    EXPECT_TRUE(fs::is_directory(target / "readme.txt"));
    EXPECT_EQ(Read(target / "readme.txt" / "inside.txt"), "kept");
    EXPECT_EQ(Read(target / "Extra" / "nested.txt"), "new nested");
}

TEST_F(TreeCopy, EntriesWhosePathsWouldNotFitAreSkippedNotCut) {
    // A target folder of 240 characters: "\s.txt" still fits in 259, longer names do not.
    fs::path deep = target;
    while (Text(deep).size() + 41 < 240)
        deep /= std::string(40, 'd');
    deep /= std::string(239 - Text(deep).size(), 'e');
    ASSERT_EQ(Text(deep).size(), 240u);
    fs::create_directories(deep);
    fs::path small = temp.path() / "small";
    Put(small / "s.txt", "fits");
    Put(small / (std::string(30, 'L') + ".txt"), "too long");
    Put(small / (std::string(30, 'F') + ".DIR") / "f.txt", "too long");
    Put(small / std::string(30, 'G') / "g.txt", "too long");
    EXPECT_EQ(CopyTree(Text(small).c_str(), Text(deep).c_str(), 1, 0), 1);
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(deep))
        names.push_back(item.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"s.txt"});
}
