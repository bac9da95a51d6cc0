// Found list ordering and the progress text of the installation search.
#include "search/found_list.h"
#include "search/search_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Folders() {
    std::vector<std::string> folders;
    for (const FoundInstallation* f = foundList; f; f = f->next)
        folders.push_back(f->folder);
    return folders;
}

void Add(uint64_t time, const char* folder) {
    FoundInstallation* record = NewFoundInstallation(time, folder);
    ASSERT_NE(record, nullptr);
    InsertFoundInstallation(record);
}

} // namespace

TEST(FoundList, NewestFirstAndLaterFindsFirstAmongEqualTimes) {
    Add(5, "C:\\OLD\\");
    Add(9, "C:\\NEW");
    Add(5, "D:\\SAME1");
    Add(1, "D:\\OLDEST");
    Add(5, "E:\\SAME2");
    Add(9, "E:\\NEW2");
    // Times that differ only in the high 32 bits.
    Add(0x100000000ull, "F:\\HIGH");
    EXPECT_EQ(Folders(), (std::vector<std::string>{"F:\\HIGH", "E:\\NEW2", "C:\\NEW", "E:\\SAME2",
                                                   "D:\\SAME1", "C:\\OLD", "D:\\OLDEST"}));
    FreeFoundList();
    EXPECT_EQ(foundList, nullptr);
    FreeFoundList();
}

TEST(FoundList, FolderIsUpperCaseWithoutTrailingBackslashes) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"c:\\", "C:"},
        {"c:\\Program Files\\draskel\\\\", "C:\\PROGRAM FILES\\DRASKEL"},
        {"d:\\\xe4x\\", "D:\\\xe4X"},
    };
    for (const Case& c : cases) {
        FoundInstallation* record = NewFoundInstallation(7, c.in);
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->folder, c.out);
        EXPECT_EQ(record->lastWriteTime, 7u);
        free(record);
    }
    std::string tooLong(260, 'a');
    EXPECT_EQ(NewFoundInstallation(1, tooLong.c_str()), nullptr);
}

TEST(SearchProgress, ShowsAtMost35CharactersAndATildeForLonger) {
    std::string folder35 = "C:\\" + std::string(32, 'x');
    std::string folder36 = folder35 + "y";
    struct Case {
        int count;
        std::string folder, text;
    } cases[] = {
        {1, "C:\\", "Searching [1] C:..."},
        {12, folder35 + "\\", "Searching [12] " + folder35 + "..."},
        {13, folder36 + "\\", "Searching [13] " + folder35 + "~..."},
        {2147483647, std::string(256, 'z') + "\\",
         "Searching [2147483647] " + std::string(35, 'z') + "~..."},
    };
    for (const Case& c : cases) {
        char text[80];
        FormatSearchProgress(text, sizeof text, c.count, c.folder.c_str());
        EXPECT_EQ(text, c.text);
    }
}

TEST(SearchText, SkippedFolderNamesAndTrailingBackslashes) {
    for (const char* name : {".", "..", "X.DIR", "x.dir", "a.b.Dir", "odd."})
        EXPECT_EQ(IsSkippedFolderName(name), 1) << name;
    for (const char* name : {"DIR", "X.DIRS", "x.dir.old", ".hidden", "Program Files"})
        EXPECT_EQ(IsSkippedFolderName(name), 0) << name;
    char text[] = "C:\\A\\\\\\";
    RemoveTrailingBackslashes(text);
    EXPECT_STREQ(text, "C:\\A");
    char only[] = "\\\\";
    RemoveTrailingBackslashes(only);
    EXPECT_STREQ(only, "");
}
