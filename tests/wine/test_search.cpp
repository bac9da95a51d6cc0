// The installation search over test drives of its own: which drives and folders it enters, the
// found list it builds, and the progress line it shows for every folder.
#include "app/app_state.h"
#include "presentation/presentation.h"
#include "search/search.h"
#include "tests/wine/test_drives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A name that nothing else on the prefix's C: drive carries.
const char kExe[] = "QZFIND.EXE";
const ULONGLONG kDay = 864000000000ull;
const ULONGLONG kBase = 132000000000000000ull;

std::vector<std::string> FoundFolders() {
    std::vector<std::string> folders;
    for (const FoundInstallation* f = foundList; f; f = f->next)
        folders.push_back(f->folder);
    return folders;
}

// Stands in for the status panel: records the status line each time it is told to repaint.
std::vector<std::string>* progressLines = nullptr;

LRESULT CALLBACK RecordingPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UM_STATUS_CHANGED && progressLines)
        progressLines->push_back(presentation.statusText);
    return DefWindowProcA(window, message, wParam, lParam);
}

class Search : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA recording = {};
        recording.lpfnWndProc = RecordingPanelProc;
        recording.hInstance = GetModuleHandleA(nullptr);
        recording.lpszClassName = "RecordingPanel";
        RegisterClassA(&recording);
        statusPanel = CreateWindowA("RecordingPanel", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        progressLines = &lines;
    }
    void TearDown() override {
        progressLines = nullptr;
        DestroyWindow(statusPanel);
        statusPanel = nullptr;
        FreeFoundList();
    }
    std::vector<std::string> lines;
};

} // namespace

TEST_F(Search, OnlyFixedDrivesAndOnlyVisibleFoldersThatAreNoProjectsOrLinks) {
    TestDrive fixed('M', DRIVE_FIXED);
    TestDrive floppy('B', DRIVE_REMOVABLE);
    TestDrive cdrom('N', DRIVE_CDROM);
    TestDrive network('O', DRIVE_REMOTE);
    ASSERT_TRUE(fixed.defined() && floppy.defined() && cdrom.defined() && network.defined());
    ASSERT_EQ(GetDriveTypeA("B:\\"), (UINT)DRIVE_REMOVABLE);
    ASSERT_EQ(GetDriveTypeA("N:\\"), (UINT)DRIVE_CDROM);
    ASSERT_EQ(GetDriveTypeA("O:\\"), (UINT)DRIVE_REMOTE);
    for (TestDrive* other : {&floppy, &cdrom, &network})
        other->writeFile("qzfind.exe", kBase + 9 * kDay);

    fixed.writeFile("qzfind.exe", kBase + 2 * kDay);
    fixed.writeFile("Sub\\dEEp\\QzFind.Exe", kBase + 3 * kDay);
    fixed.makeFolder("Sys", FILE_ATTRIBUTE_SYSTEM);
    fixed.writeFile("Sys\\qzfind.exe", kBase + 1 * kDay);
    fixed.makeFolder("Hidden", FILE_ATTRIBUTE_HIDDEN);
    fixed.writeFile("Hidden\\qzfind.exe", kBase + 9 * kDay);
    fixed.writeFile("Vis\\qzfind.exe", kBase + 9 * kDay, FILE_ATTRIBUTE_HIDDEN);
    fixed.writeFile("Proj.DIR\\qzfind.exe", kBase + 9 * kDay);
    fixed.writeFile("lower\\x.dir\\qzfind.exe", kBase + 9 * kDay);
    fixed.writeFile("Named\\qzfind.exe.bak", kBase + 9 * kDay);
    // A link back to its own parent: followed, it would list Loop\BACK\BACK\... to the limit.
    fixed.writeFile("Loop\\qzfind.exe", kBase);
    fixed.makeFolder("Loop\\back");
    ASSERT_TRUE(fixed.linkTo("Loop\\back", "Loop"));
    WIN32_FIND_DATAA link;
    HANDLE probe = FindFirstFileA("M:\\Loop\\back", &link);
    ASSERT_NE(probe, INVALID_HANDLE_VALUE);
    FindClose(probe);
    ASSERT_TRUE(link.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);

    SearchInstallations(kExe);
    EXPECT_EQ(FoundFolders(),
              (std::vector<std::string>{"M:\\SUB\\DEEP", "M:", "M:\\SYS", "M:\\LOOP"}));
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("M:\\LOOP\\BACK"), std::string::npos) << line;
        EXPECT_EQ(line.find("M:\\Loop\\back"), std::string::npos) << line;
        EXPECT_EQ(line.find("N:"), std::string::npos) << line;
        EXPECT_EQ(line.find("Hidden"), std::string::npos) << line;
        EXPECT_EQ(line.find("Proj.DIR"), std::string::npos) << line;
    }
}

TEST_F(Search, EqualTimesListTheLaterFindFirstAcrossDrivesAndWithinAWalk) {
    TestDrive m('M', DRIVE_FIXED);
    TestDrive p('P', DRIVE_FIXED);
    ULONGLONG same = kBase + 5 * kDay;
    m.writeFile("One\\qzfind.exe", same);
    m.writeFile("Two\\qzfind.exe", same);
    m.writeFile("Two\\Inner\\qzfind.exe", same);
    m.writeFile("Old\\qzfind.exe", same - 1);
    p.writeFile("qzfind.exe", same);

    // The walk takes M:\ and M:\TWO in the order in which the file system lists them.
    auto listed = [](const char* pattern) {
        std::vector<std::string> names;
        WIN32_FIND_DATAA entry;
        HANDLE listing = FindFirstFileA(pattern, &entry);
        do
            names.push_back(entry.cFileName);
        while (FindNextFileA(listing, &entry));
        FindClose(listing);
        return names;
    };
    std::vector<std::string> expected;
    for (const std::string& name : listed("M:\\*.*")) {
        if (name == "One")
            expected.insert(expected.begin(), "M:\\ONE");
        if (name == "Two")
            for (const std::string& inner : listed("M:\\Two\\*.*")) {
                if (inner == "qzfind.exe")
                    expected.insert(expected.begin(), "M:\\TWO");
                if (inner == "Inner")
                    expected.insert(expected.begin(), "M:\\TWO\\INNER");
            }
    }
    ASSERT_EQ(expected.size(), 3u);
    expected.insert(expected.begin(), "P:");
    expected.push_back("M:\\OLD");

    SearchInstallations(kExe);
    EXPECT_EQ(FoundFolders(), expected);
}

TEST_F(Search, ProgressCountsEveryFolderAndASecondSearchStartsAgain) {
    TestDrive m('M', DRIVE_FIXED);
    std::string name32(32, 'a'), name33(33, 'b');
    m.makeFolder(name32);
    m.makeFolder(name33);
    m.writeFile("Found\\qzfind.exe", kBase);

    SearchInstallations(kExe);
    std::vector<std::string> first = lines;
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[0], "Searching [1] C:...");
    EXPECT_EQ(foldersSearched, (int)first.size());
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i].rfind("Searching [" + std::to_string(i + 1) + "] ", 0), 0u) << first[i];
    auto shown = [&](const std::string& text) {
        for (const std::string& line : first)
            if (line.size() > text.size() &&
                line.compare(line.size() - text.size(), text.size(), text) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(shown("] M:..."));
    EXPECT_TRUE(shown("] M:\\" + name32 + "..."));                // 35 characters: whole
    EXPECT_TRUE(shown("] M:\\" + name33.substr(0, 32) + "~...")); // 36: cut, with a tilde
    EXPECT_EQ(FoundFolders(), std::vector<std::string>{"M:\\FOUND"});

    lines.clear();
    SearchInstallations(kExe);
    EXPECT_EQ(lines, first);
    EXPECT_EQ(FoundFolders(), std::vector<std::string>{"M:\\FOUND"});
}

TEST_F(Search, FoldersTooLongForAPathAreNotEntered) {
    TestDrive m('M', DRIVE_FIXED);
    // "M:\" + 120 + "\" + 131 + "\" is 256 characters: listed. One more character is not.
    std::string outer(120, 'o');
    std::string fits = outer + "\\" + std::string(131, 'f');
    std::string tooLong = outer + "\\" + std::string(132, 'g');
    m.writeFile(fits + "\\qzfind.exe", kBase + kDay);
    m.writeFile(tooLong + "\\qzfind.exe", kBase + 2 * kDay);
    m.writeFile(tooLong + "\\deeper\\qzfind.exe", kBase + 3 * kDay);

    SearchInstallations(kExe);
    std::string found = "M:\\" + fits;
    for (char& c : found)
        c = (char)toupper((unsigned char)c);
    EXPECT_EQ(FoundFolders(), std::vector<std::string>{found});
    // M:\, the outer folder and the one that fits; the longer ones are neither counted nor shown.
    int onM = 0;
    for (const std::string& line : lines)
        onM += line.find("] M:") != std::string::npos;
    EXPECT_EQ(onM, 3);
}
