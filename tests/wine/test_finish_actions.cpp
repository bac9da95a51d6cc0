// The README viewer, the Finish page and the finishing actions, run from their real templates and
// driven like a user would. The quick start guide is opened through a .pdf association that the
// test registers for a recorder program, so the shell's real open is observed.
#include "app/app_state.h"
#include "presentation/presentation.h"
#include "resources/page_ids.h"
#include "tests/wine/file_tree.h"
#include "tests/wine/gdi_count.h"
#include "tests/wine/page_test_support.h"
#include "wizard/finish.h"

#include <string>
#include <vector>

namespace {

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// Every text the status line was given, in order.
std::vector<std::string> statusTexts;

LRESULT CALLBACK RecordingPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UM_STATUS_CHANGED)
        statusTexts.push_back(presentation.statusText);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

using FinishPages = PageTest;

// A hidden main window with a recording status panel, an install folder, and .pdf files opened
// by the recorder, which writes the opened path into a record file.
class FinishActions : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        static bool registered = false;
        if (!registered) {
            WNDCLASSA main = {};
            main.lpfnWndProc = PlainWindowProc;
            main.hInstance = appInstance;
            main.lpszClassName = "TEST:FINISHOWNER";
            RegisterClassA(&main);
            WNDCLASSA panel = {};
            panel.lpfnWndProc = RecordingPanelProc;
            panel.hInstance = appInstance;
            panel.lpszClassName = "TEST:RECORDINGPANEL";
            RegisterClassA(&panel);
            registered = true;
        }
        owner = CreateWindowExA(0, "TEST:FINISHOWNER", "", WS_POPUP, 0, 0, 800, 600, nullptr,
                                nullptr, appInstance, nullptr);
        statusPanel = CreateWindowExA(0, "TEST:RECORDINGPANEL", nullptr, WS_CHILD, 0, 0, 10, 10,
                                      owner, nullptr, appInstance, nullptr);
        statusTexts.clear();
        std::string folder = target.folderText();
        folder.pop_back(); // the install folder is kept without its closing backslash
        strcpy(installOptions.installFolder, folder.c_str());
        record = records.folderText() + "opened.txt";
        RegisterRecorder();
    }
    void TearDown() override {
        UnregisterRecorder();
        DestroyWindow(owner);
        statusPanel = nullptr;
        PageTest::TearDown();
    }

    // Wine's merged classes view does not let the user's classes override the machine's, as
    // Windows does: the association goes into both and both are put back afterwards.
    struct Association {
        HKEY root;
        DWORD created = 0;
        bool hadValue = false;
        std::string formerValue;
    };

    void RegisterRecorder() {
        // From the working folder, as the help files: the shell cannot start a program by the
        // name that Wine gives the test's own folder.
        std::string recorder = records.folderText() + "open_recorder.exe";
        ASSERT_TRUE(CopyFileA("open_recorder.exe", recorder.c_str(), FALSE));
        std::string command = "\"" + recorder + "\" \"%1\" \"" + record + "\"";
        const char kClass[] = "DraskelTest.Document";
        for (Association& a : associations) {
            HKEY key;
            ASSERT_EQ(RegCreateKeyExA(a.root, "Software\\Classes\\.pdf", 0, nullptr, 0,
                                      KEY_ALL_ACCESS, nullptr, &key, &a.created),
                      ERROR_SUCCESS);
            char value[256] = "";
            DWORD size = sizeof value, type = 0;
            a.hadValue = RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)value, &size) ==
                             ERROR_SUCCESS &&
                         type == REG_SZ;
            a.formerValue = a.hadValue ? value : "";
            RegSetValueExA(key, nullptr, 0, REG_SZ, (const BYTE*)kClass, sizeof kClass);
            RegCloseKey(key);
            ASSERT_EQ(RegSetKeyValueA(
                          a.root, "Software\\Classes\\DraskelTest.Document\\shell\\open\\command",
                          nullptr, REG_SZ, command.c_str(), (DWORD)command.size() + 1),
                      ERROR_SUCCESS);
        }
    }
    void UnregisterRecorder() {
        for (Association& a : associations) {
            RegDeleteTreeA(a.root, "Software\\Classes\\DraskelTest.Document");
            RegDeleteKeyA(a.root, "Software\\Classes\\DraskelTest.Document");
            if (a.created == REG_CREATED_NEW_KEY) {
                RegDeleteKeyA(a.root, "Software\\Classes\\.pdf");
            } else if (a.hadValue) {
                RegSetKeyValueA(a.root, "Software\\Classes\\.pdf", nullptr, REG_SZ,
                                a.formerValue.c_str(), (DWORD)a.formerValue.size() + 1);
            } else {
                HKEY key;
                if (RegOpenKeyExA(a.root, "Software\\Classes\\.pdf", 0, KEY_SET_VALUE, &key) ==
                    ERROR_SUCCESS) {
                    RegDeleteValueA(key, nullptr);
                    RegCloseKey(key);
                }
            }
        }
    }

    // The path that the recorder was asked to open, once it has run; empty if it did not.
    std::string Opened(int milliseconds) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < (DWORD)milliseconds) {
            if (filetree::Exists(record)) {
                Sleep(100); // the recorder may still be writing
                return filetree::Read(record);
            }
            Sleep(50);
        }
        return "";
    }

    std::string guideCopy() const { return target.folderText() + "POSTINFO.PDF"; }

    HWND owner = nullptr;
    TempFolder target, records;
    std::string record;
    Association associations[2] = {{HKEY_CURRENT_USER}, {HKEY_LOCAL_MACHINE}};
};

} // namespace

TEST_F(FinishPages, ReadmeViewerListsTheFileInTheTextFontWithTheFocusOnClose) {
    struct Case {
        const char* name;
        bool present;
        std::vector<std::string> entries;
    } cases[] = {
        {"present", true, {"Read me first", "", "\tindented"}},
        {"missing", false, {"The README.TXT file could not be opened."}},
    };
    for (const Case& c : cases) {
        DeleteFileA((media.folderText() + "README.TXT").c_str());
        if (c.present)
            media.write("README.TXT", "Read me first\r\n\r\n\tindented\r\n");
        std::vector<std::string> entries;
        std::string caption;
        int focus = 0;
        bool backEnabled = true, cancelEnabled = true, openAfterDisabledClicks = false;
        LOGFONTA listFont = {};
        driver.then([&](HWND dialog) {
            SaveWindowShot(dialog, std::string("readme-") + c.name);
            entries = ListEntries(dialog);
            caption = WindowText(dialog);
            focus = GetDlgCtrlID(GetFocus());
            listFont = DescriptionOf(FontOf(dialog, IDC_TEXT_LIST));
            backEnabled = Enabled(dialog, IDC_README_BACK);
            cancelEnabled = Enabled(dialog, IDC_README_CANCEL);
            Click(dialog, IDC_README_BACK);
            Click(dialog, IDC_README_CANCEL);
            PumpUntil(
                dialog, [] { return false; }, 100);
            openAfterDisabledClicks = IsWindowVisible(dialog) != FALSE;
            Click(dialog, IDC_PAGE_FORWARD);
        });
        EXPECT_EQ(Show("ViewTxtDlg", ReadmeViewerProc), 1) << c.name;
        EXPECT_EQ(entries, c.entries) << c.name;
        EXPECT_EQ(caption, productInfo.caption) << c.name;
        EXPECT_EQ(focus, IDC_PAGE_FORWARD) << c.name;
        EXPECT_STREQ(listFont.lfFaceName, "Courier New") << c.name;
        EXPECT_EQ(listFont.lfHeight, 14) << c.name;
        EXPECT_EQ(listFont.lfWidth, 7) << c.name;
        EXPECT_EQ(listFont.lfWeight, FW_NORMAL) << c.name;
        EXPECT_FALSE(backEnabled) << c.name;
        EXPECT_FALSE(cancelEnabled) << c.name;
        EXPECT_TRUE(openAfterDisabledClicks) << c.name;
    }
}

TEST_F(FinishPages, EveryWayOutEndsWithItsResultGivesFontsBackAndLeavesNoGdiObjectBehind) {
    media.write("README.TXT", "Read me\r\n");
    struct Case {
        const char* templateName;
        DLGPROC procedure;
        Action action;
        INT_PTR result;
    } cases[] = {
        {"ViewTxtDlg", ReadmeViewerProc, {ClickButton, IDC_PAGE_FORWARD, "Close"}, 1},
        {"ViewTxtDlg", ReadmeViewerProc, {Key, VK_RETURN, "Enter"}, 1},
        {"ViewTxtDlg", ReadmeViewerProc, {Key, VK_ESCAPE, "Esc"}, 1},
        {"ViewTxtDlg", ReadmeViewerProc, {CloseBox, 0, "close box"}, 1},
        {"FinishDlg", FinishPageProc, {ClickButton, IDC_PAGE_FORWARD, "Finish"}, PageNext},
        {"FinishDlg", FinishPageProc, {Key, VK_RETURN, "Enter"}, PageNext},
        {"FinishDlg", FinishPageProc, {ClickButton, IDC_FINISH_CANCEL, "Cancel"}, PageCancel},
        {"FinishDlg", FinishPageProc, {Key, VK_ESCAPE, "Esc"}, PageCancel},
        {"FinishDlg", FinishPageProc, {CloseBox, 0, "close box"}, PageCancel},
    };
    // Once each first: the system keeps some objects of a dialog class for later ones.
    for (const char* name : {"ViewTxtDlg", "FinishDlg"}) {
        driver.then([](HWND dialog) { PressKey(dialog, VK_ESCAPE); });
        Show(name, strcmp(name, "FinishDlg") == 0 ? FinishPageProc : ReadmeViewerProc);
    }
    for (const Case& c : cases) {
        int before = GdiObjectCount();
        bool stillOpen = false;
        HFONT listBefore = nullptr, listAfter = nullptr, dialogFont = nullptr;
        driver.then([&](HWND dialog) {
            listBefore = FontOf(dialog, IDC_TEXT_LIST);
            dialogFont = FontOf(dialog, IDC_PAGE_FORWARD);
            Perform(dialog, c.action);
            // A click ends the dialog at once; a key or the close box once the loop gets it.
            PumpUntil(
                dialog, [] { return false; }, 100);
            listAfter = FontOf(dialog, IDC_TEXT_LIST);
            stillOpen = IsWindowVisible(dialog) != FALSE;
        });
        std::string what = std::string(c.templateName) + " " + c.action.name;
        EXPECT_EQ(Show(c.templateName, c.procedure), c.result) << what;
        EXPECT_FALSE(stillOpen) << what;
        EXPECT_EQ(GdiObjectCount(), before) << what;
        if (c.procedure == ReadmeViewerProc) {
            EXPECT_NE(listBefore, dialogFont) << what;
            EXPECT_EQ(listAfter, dialogFont) << what;
            EXPECT_EQ(GetObjectType(listBefore), 0u) << what; // deleted
        }
    }
}

TEST_F(FinishPages, FinishPageShowsTheTaskLinesOnlyWhenTheGuideIsOffered) {
    for (int guideOffered : {1, 0}) {
        std::string caption, completion, tasks, task;
        int focus = 0;
        bool backEnabled = true, openAfterBack = false;
        driver.then([&](HWND dialog) {
            SaveWindowShot(dialog, "finish-" + std::to_string(guideOffered));
            caption = WindowText(dialog);
            completion = ItemText(dialog, IDC_FINISH_COMPLETION);
            tasks = ItemText(dialog, IDC_FINISH_TASKS);
            task = ItemText(dialog, IDC_FINISH_TASK_LINE);
            focus = GetDlgCtrlID(GetFocus());
            backEnabled = Enabled(dialog, IDC_FINISH_BACK);
            Click(dialog, IDC_FINISH_BACK);
            PumpUntil(
                dialog, [] { return false; }, 100);
            openAfterBack = IsWindowVisible(dialog) != FALSE;
            Click(dialog, IDC_FINISH_CANCEL);
        });
        EXPECT_EQ(DialogBoxParamA(appInstance, "FinishDlg", nullptr, FinishPageProc, guideOffered),
                  PageCancel);
        EXPECT_EQ(caption, productInfo.caption);
        EXPECT_EQ(completion, "The Draskel installation wizard has successfully completed.");
        EXPECT_EQ(tasks, guideOffered ? "Tasks that will be completed upon finish:" : "");
        EXPECT_EQ(task, guideOffered ? "1) Viewing of Quick Start Guide." : "");
        EXPECT_EQ(focus, IDC_PAGE_FORWARD);
        EXPECT_FALSE(backEnabled);
        EXPECT_TRUE(openAfterBack);
    }
}

TEST_F(FinishPages, HelpButtonAndF1OpenTheTopicAndTheDialogStaysOpen) {
    media.write("README.TXT", "Read me\r\n");
    struct Case {
        const char* templateName;
        DLGPROC procedure;
        int context;
        INT_PTR result;
    } cases[] = {{"ViewTxtDlg", ReadmeViewerProc, 800, 1},
                 {"FinishDlg", FinishPageProc, 900, PageNext}};
    for (const Case& c : cases) {
        for (int answered : {c.context, 100}) {
            DeleteFileA((media.folderText() + "INSTALL.CHM").c_str());
            UseHelpFileOf(answered);
            HWND byButton = nullptr, byF1 = nullptr;
            bool openAfter = false;
            driver.then([&](HWND dialog) {
                Click(dialog, IDC_FINISH_HELP);
                byButton = FindHelpWindow();
                CloseHelpWindow(byButton);
                SetFocus(GetDlgItem(dialog, IDC_PAGE_FORWARD));
                TypeKey(VK_F1);
                PumpUntil(
                    dialog, [&] { return (byF1 = FindHelpWindow()) != nullptr; },
                    answered == c.context ? 3000 : 500);
                CloseHelpWindow(byF1);
                openAfter = IsWindowVisible(dialog) != FALSE;
                Click(dialog, IDC_PAGE_FORWARD);
            });
            EXPECT_EQ(Show(c.templateName, c.procedure), c.result) << c.templateName;
            bool expected = answered == c.context;
            EXPECT_EQ(byButton != nullptr, expected) << c.templateName << " " << answered;
            EXPECT_EQ(byF1 != nullptr, expected) << c.templateName << " " << answered;
            EXPECT_TRUE(openAfter) << c.templateName;
        }
    }
}

TEST_F(FinishActions, ReadmeViewerComesFirstOnlyWhenAskedFor) {
    media.write("README.TXT", "Read me\r\n");
    for (int viewReadme : {1, 0}) {
        installOptions.viewReadme = viewReadme;
        installOptions.installType = Update;
        std::vector<std::string> shown;
        auto record = [&](HWND dialog) {
            shown.push_back(GetDlgItem(dialog, IDC_README_LABEL) ? "viewer" : "finish");
            Click(dialog, IDC_PAGE_FORWARD);
        };
        if (viewReadme)
            driver.then(record);
        driver.then(record);
        RunFinishActions(owner);
        std::vector<std::string> expected = {"finish"};
        if (viewReadme)
            expected.insert(expected.begin(), "viewer");
        EXPECT_EQ(shown, expected) << "viewReadme " << viewReadme;
    }
}

TEST_F(FinishActions, TheGuideIsCopiedOverAnOlderCopyAndTheCopyIsOpened) {
    const std::string guide = "%PDF-1.4 quick start guide";
    struct Case {
        const char* name;
        int installType, installProgram;
        bool onMedia, olderCopy;
        Action finish;
        bool offered, installed;
    } cases[] = {
        {"New, Finish", New, 1, true, false, {ClickButton, IDC_PAGE_FORWARD, "Finish"}, true, true},
        {"New over an older copy", New, 1, true, true, {Key, VK_RETURN, "Enter"}, true, true},
        {"New, Esc", New, 1, true, false, {Key, VK_ESCAPE, "Esc"}, true, false},
        {"New, Cancel",
         New,
         1,
         true,
         true,
         {ClickButton, IDC_FINISH_CANCEL, "Cancel"},
         true,
         false},
        {"New, guide missing",
         New,
         1,
         false,
         false,
         {ClickButton, IDC_PAGE_FORWARD, "Finish"},
         false,
         false},
        {"Update", Update, 1, true, false, {ClickButton, IDC_PAGE_FORWARD, "Finish"}, false, false},
        {"Custom", Custom, 1, true, false, {ClickButton, IDC_PAGE_FORWARD, "Finish"}, false, false},
        {"Custom without the program",
         Custom,
         0,
         true,
         false,
         {ClickButton, IDC_PAGE_FORWARD, "Finish"},
         false,
         false},
    };
    for (const Case& c : cases) {
        installOptions.viewReadme = 0;
        installOptions.installType = c.installType;
        installOptions.installProgram = c.installProgram;
        DeleteFileA((media.folderText() + "POSTINFO.PDF").c_str());
        DeleteFileA(guideCopy().c_str());
        DeleteFileA(record.c_str());
        if (c.onMedia)
            media.write("POSTINFO.PDF", guide);
        if (c.olderCopy)
            target.write("POSTINFO.PDF", "older guide");
        statusTexts.clear();
        std::string tasks, task;
        driver.then([&](HWND dialog) {
            tasks = ItemText(dialog, IDC_FINISH_TASKS);
            task = ItemText(dialog, IDC_FINISH_TASK_LINE);
            Perform(dialog, c.finish);
        });
        RunFinishActions(owner);
        EXPECT_EQ(tasks, c.offered ? "Tasks that will be completed upon finish:" : "") << c.name;
        EXPECT_EQ(task, c.offered ? "1) Viewing of Quick Start Guide." : "") << c.name;
        std::string copy = filetree::Exists(guideCopy()) ? filetree::Read(guideCopy()) : "";
        std::string expectedCopy = c.installed ? guide : c.olderCopy ? "older guide" : "";
        EXPECT_EQ(copy, expectedCopy) << c.name;
        std::vector<std::string> expectedStatus;
        if (c.installed)
            expectedStatus = {"Installing POSTINFO.PDF...", ""};
        EXPECT_EQ(statusTexts, expectedStatus) << c.name;
        std::string opened = Opened(c.installed ? 15000 : 1000);
        if (c.installed)
            EXPECT_STRCASEEQ(opened.c_str(), guideCopy().c_str()) << c.name;
        else
            EXPECT_EQ(opened, "") << c.name;
    }
}
