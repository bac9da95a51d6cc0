// The folder browser run from its real template over test drives, and its owner-drawn entries
// drawn into memory bitmaps and checked pixel by pixel.
#include "app/app_state.h"
#include "app/catalog.h"
#include "resources/folder_ids.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/dialog_layout.h"
#include "tests/wine/canvas.h"
#include "tests/wine/modal_driver.h"
#include "tests/wine/test_drives.h"
#include "wizard/folder_browser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Handles what the script posted (keys, clicks) as the dialog's modal loop would.
void Settle(HWND dialog) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
}

std::vector<std::string> ListEntries(HWND list, UINT countMessage, UINT textMessage) {
    std::vector<std::string> entries;
    int count = (int)SendMessageA(list, countMessage, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[300] = "";
        SendMessageA(list, textMessage, i, (LPARAM)text);
        entries.push_back(text);
    }
    return entries;
}

std::vector<std::string> Folders(HWND dialog) {
    return ListEntries(GetDlgItem(dialog, IDC_BROWSER_FOLDERS), LB_GETCOUNT, LB_GETTEXT);
}

std::vector<std::string> Drives(HWND dialog) {
    return ListEntries(GetDlgItem(dialog, IDC_BROWSER_DRIVES), CB_GETCOUNT, CB_GETLBTEXT);
}

std::string Field(HWND dialog) {
    return ItemText(dialog, IDC_BROWSER_PATH);
}

int Selected(HWND dialog) {
    return (int)SendDlgItemMessageA(dialog, IDC_BROWSER_FOLDERS, LB_GETCURSEL, 0, 0);
}

// Types a drive letter into the drive list, as a user picks a drive from the keyboard.
void ChooseDrive(HWND dialog, char letter) {
    SetFocus(GetDlgItem(dialog, IDC_BROWSER_DRIVES));
    PressKey(dialog, (UINT)letter);
    Settle(dialog);
}

// Enter on an entry of the folder list.
void OpenEntry(HWND dialog, const std::string& entry) {
    HWND list = GetDlgItem(dialog, IDC_BROWSER_FOLDERS);
    SetFocus(list);
    int index = (int)SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)entry.c_str());
    ASSERT_NE(index, LB_ERR) << entry;
    SendMessageA(list, LB_SETCURSEL, index, 0);
    PressKey(dialog, VK_RETURN);
    Settle(dialog);
}

void DoubleClickEntry(HWND dialog, const std::string& entry) {
    HWND list = GetDlgItem(dialog, IDC_BROWSER_FOLDERS);
    int index = (int)SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)entry.c_str());
    ASSERT_NE(index, LB_ERR) << entry;
    RECT item;
    SendMessageA(list, LB_GETITEMRECT, index, (LPARAM)&item);
    LPARAM at = MAKELPARAM(item.left + 30, item.top + 5);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    Settle(dialog);
}

class FolderBrowser : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        SelectCatalogRow(0);
        strcpy(MediaFolder, media.folderText().c_str());
        data.makeFolder("A\\B");
        data.makeFolder("Projects");
        data.makeFolder("X.DIR");
        data.makeFolder("y.dir");
        data.makeFolder("Hidden", FILE_ATTRIBUTE_HIDDEN);
        data.makeFolder("Sys", FILE_ATTRIBUTE_SYSTEM);
        data.writeFile("A\\file.txt", 0);
    }
    // Runs the browser with a script; the result and the caller's buffer afterwards.
    int Run(DialogScript script, std::string* buffer = nullptr) {
        ModalDriver driver;
        driver.then(std::move(script));
        char result[260] = "UNCHANGED";
        int chosen = BrowseForFolder(nullptr, result);
        EXPECT_EQ(driver.pending(), 0u);
        if (buffer)
            *buffer = result;
        return chosen;
    }
    TempFolder media;
    TestDrive data{'D', DRIVE_FIXED, "DATA"};
    TestDrive plain{'E', DRIVE_FIXED};
    TestDrive cdrom{'F', DRIVE_CDROM, "DISC"};
};

} // namespace

TEST_F(FolderBrowser, WalksFoldersAndDrivesAndAcceptsInCapitals) {
    std::string result;
    int chosen = Run(
        [&](HWND dialog) {
            EXPECT_EQ(WindowText(dialog), "Folder Browser");
            // Opens at the first fixed drive, C:, whose root has no way up.
            EXPECT_EQ(Field(dialog), "C:");
            std::vector<std::string> atC = Folders(dialog);
            EXPECT_EQ(std::count(atC.begin(), atC.end(), "[..]"), 0);
            EXPECT_EQ(std::count(atC.begin(), atC.end(), "[USERS]"), 1);
            EXPECT_EQ(Selected(dialog), 0);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_BROWSER_FOLDERS));
            EXPECT_EQ(Drives(dialog), (std::vector<std::string>{"C:", "D: (DATA)", "E:"}));

            ChooseDrive(dialog, 'D');
            EXPECT_EQ(Field(dialog), "D:");
            EXPECT_EQ(Folders(dialog), (std::vector<std::string>{"[A]", "[PROJECTS]", "[SYS]"}));
            EXPECT_EQ(Selected(dialog), 0);

            OpenEntry(dialog, "[A]");
            EXPECT_EQ(Field(dialog), "D:\\A");
            EXPECT_EQ(Folders(dialog), (std::vector<std::string>{"[..]", "[B]"}));
            EXPECT_EQ(Selected(dialog), 0);
            SaveWindowShot(dialog, "folder_browser");

            DoubleClickEntry(dialog, "[B]");
            EXPECT_EQ(Field(dialog), "D:\\A\\B");
            EXPECT_EQ(Folders(dialog), std::vector<std::string>{"[..]"});
            OpenEntry(dialog, "[..]");
            EXPECT_EQ(Field(dialog), "D:\\A");
            EXPECT_EQ(Selected(dialog), 0);

            // The drive that is already chosen keeps the folder; another goes to its root.
            ChooseDrive(dialog, 'D');
            EXPECT_EQ(Field(dialog), "D:\\A");
            ChooseDrive(dialog, 'E');
            EXPECT_EQ(Field(dialog), "E:");
            EXPECT_TRUE(Folders(dialog).empty());
            ChooseDrive(dialog, 'D');
            EXPECT_EQ(Field(dialog), "D:");

            OpenEntry(dialog, "[PROJECTS]");
            EXPECT_EQ(Field(dialog), "D:\\PROJECTS");
            // Still open after Enter in the list; a click on OK accepts.
            EXPECT_TRUE(IsWindowVisible(dialog));
            Click(dialog, IDC_BROWSER_OK);
        },
        &result);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(result, "D:\\PROJECTS");
    EXPECT_STREQ(browsePath, "D:\\PROJECTS");
}

TEST_F(FolderBrowser, AcceptingAtARootGivesTheDriveAloneAndEnterOutsideTheListAccepts) {
    std::string result;
    EXPECT_EQ(Run([](HWND dialog) { Click(dialog, IDC_BROWSER_OK); }, &result), 1);
    EXPECT_EQ(result, "C:");
    EXPECT_EQ(Run(
                  [](HWND dialog) {
                      ChooseDrive(dialog, 'D');
                      // The drive list has the focus, its list closed.
                      EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_BROWSER_DRIVES));
                      PressKey(dialog, VK_RETURN);
                  },
                  &result),
              1);
    EXPECT_EQ(result, "D:");
}

TEST_F(FolderBrowser, CancelEscAndCloseBoxLeaveTheBufferAlone) {
    std::vector<DialogScript> ways = {
        [](HWND dialog) { Click(dialog, IDC_BROWSER_CANCEL); },
        [](HWND dialog) { PressKey(dialog, VK_ESCAPE); },
        [](HWND dialog) { PressCloseBox(dialog); },
    };
    for (DialogScript& way : ways) {
        std::string result;
        EXPECT_EQ(Run(
                      [&](HWND dialog) {
                          ChooseDrive(dialog, 'D');
                          OpenEntry(dialog, "[A]");
                          way(dialog);
                      },
                      &result),
                  0);
        EXPECT_EQ(result, "UNCHANGED");
    }
}

TEST_F(FolderBrowser, FoldersThatCouldNotBeOpenedAreNotListed) {
    // In D:\ + 120 characters + "\", a name of 131 characters gives a 256-character folder whose
    // pattern still fits; 132 would not.
    std::string outer(120, 'o');
    data.makeFolder(outer + "\\" + std::string(131, 'f'));
    data.makeFolder(outer + "\\" + std::string(132, 'g'));
    Run([&](HWND dialog) {
        ChooseDrive(dialog, 'D');
        std::string upper(120, 'O');
        OpenEntry(dialog, "[" + upper + "]");
        EXPECT_EQ(Folders(dialog),
                  (std::vector<std::string>{"[..]", "[" + std::string(131, 'F') + "]"}));
        OpenEntry(dialog, "[" + std::string(131, 'F') + "]");
        EXPECT_EQ(Field(dialog), "D:\\" + upper + "\\" + std::string(131, 'F'));
        EXPECT_EQ(Folders(dialog), std::vector<std::string>{"[..]"});
        Click(dialog, IDC_BROWSER_CANCEL);
    });
}

TEST_F(FolderBrowser, TemplateMatchesItsTable) {
    Run([](HWND dialog) {
        RECT size = {0, 0, 230, 210};
        MapDialogRect(dialog, &size);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        const ControlRow rows[] = {
            {IDC_BROWSER_LABEL, "Static", 15, 15, 200, 8, "Install &Folder:", 0},
            {IDC_BROWSER_PATH, "Edit", 15, 25, 200, 14, nullptr,
             ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP},
            {IDC_BROWSER_FOLDERS, "ListBox", 15, 42, 200, 0, nullptr,
             WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS},
            {IDC_BROWSER_DRIVES, "ComboBox", 115, 148, 100, 0, nullptr,
             CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS | WS_TABSTOP},
            {IDC_BROWSER_OK, "Button", 20, 180, 50, 14, "&OK", WS_TABSTOP},
            {IDC_BROWSER_HELP, "Button", 90, 180, 50, 14, "&Help", WS_TABSTOP},
            {IDC_BROWSER_CANCEL, "Button", 160, 180, 50, 14, "&Cancel", WS_TABSTOP},
        };
        for (const ControlRow& row : rows)
            ExpectControl(dialog, row);
        EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0),
                  MAKELRESULT(IDC_BROWSER_OK, DC_HASDEFID));
        EXPECT_NE(FindWindowExA(dialog, nullptr, "Static", "D&rive:"), nullptr);
        // Every entry is 15 pixels high.
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_BROWSER_FOLDERS, LB_GETITEMHEIGHT, 0, 0), 15);
        Click(dialog, IDC_BROWSER_CANCEL);
    });
}

// ---- Drawing of the folder list entries ----

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kBlack = RGB(0, 0, 0);

// The folder picture as rows of 21 pixels: 'Y' yellow, 'K' black, '.' background.
std::vector<std::string> ExpectedPicture(bool arrow) {
    std::vector<std::string> rows(15, std::string(21, '.'));
    auto run = [&](char c, int y, int x1, int x2) {
        for (int x = x1; x <= x2; ++x)
            rows[y][x] = c;
    };
    run('Y', 2, 4, 8);
    run('K', 1, 4, 8);
    run('K', 2, 3, 3);
    run('K', 2, 9, 9);
    for (int y = 4; y <= 12; ++y)
        run('Y', y, 3, 15);
    run('K', 3, 2, 15);
    run('K', 13, 2, 16);
    for (int y = 4; y <= 12; ++y) {
        run('K', y, 2, 2);
        run('K', y, 16, 16);
    }
    if (arrow) {
        run('K', 5, 7, 7);
        run('K', 6, 6, 8);
        run('K', 7, 5, 9);
        run('K', 8, 7, 7);
        run('K', 9, 7, 7);
        run('K', 10, 7, 12);
    }
    return rows;
}

class FolderItemDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        owner = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        list = CreateWindowA("LISTBOX", "", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0,
                             120, 100, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "[..]");
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "[PROJECTS]");
    }
    void TearDown() override { DestroyWindow(owner); }
    // Draws an entry into the rectangle (0, 15)-(120, 30) of a magenta canvas.
    void Draw(Canvas& canvas, UINT itemId, UINT state) {
        canvas.fill(kMagenta);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTBOX;
        item.itemID = itemId;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = list;
        item.hDC = canvas.dc();
        item.rcItem = {0, kTop, kRight, kTop + 15};
        DrawFolderItem(&item);
    }
    static const int kTop = 15, kRight = 120;
    HWND owner = nullptr, list = nullptr;
};

} // namespace

TEST_F(FolderItemDrawing, PictureArrowTextAndColoursOfEachState) {
    struct State {
        UINT flags;
        int text, back;
    } states[] = {
        {0, COLOR_WINDOWTEXT, COLOR_WINDOW},
        {ODS_SELECTED, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT},
        {ODS_DISABLED, COLOR_GRAYTEXT, COLOR_BTNFACE},
        {ODS_SELECTED | ODS_DISABLED, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT},
    };
    for (const State& state : states) {
        for (UINT id : {0u, 1u}) {
            Canvas canvas(140, 45);
            Draw(canvas, id, state.flags);
            COLORREF back = GetSysColor(state.back), text = GetSysColor(state.text);
            std::vector<std::string> picture = ExpectedPicture(id == 0);
            // The text may be smoothed: its pixels are the text colour or blends with the
            // background, and the whole area right of the picture is painted.
            int wrong = 0, textPixels = 0, painted = 0;
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x) {
                    COLORREF pixel = canvas.at(x, y);
                    bool inside = y >= kTop && y < kTop + 15 && x < kRight;
                    if (!inside)
                        wrong += pixel != kMagenta;
                    else if (x < 21) {
                        char c = picture[y - kTop][x];
                        wrong += pixel != (c == 'Y' ? kYellow : c == 'K' ? kBlack : back);
                    } else {
                        textPixels += pixel == text;
                        painted += pixel != kMagenta;
                    }
                }
            EXPECT_EQ(wrong, 0) << "state " << state.flags << " entry " << id;
            EXPECT_EQ(painted, (kRight - 21) * 15) << "state " << state.flags << " entry " << id;
            EXPECT_GT(textPixels, id == 0 ? 1 : 20) << "state " << state.flags << " entry " << id;
        }
    }
}

TEST_F(FolderItemDrawing, TextIsTheNameWithoutBracketsAtX21) {
    Canvas drawn(140, 45);
    Draw(drawn, 1, 0);
    Canvas expected(140, 45);
    expected.fill(GetSysColor(COLOR_WINDOW));
    SetTextColor(expected.dc(), GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(expected.dc(), GetSysColor(COLOR_WINDOW));
    TEXTMETRICA metrics;
    GetTextMetricsA(expected.dc(), &metrics);
    TextOutA(expected.dc(), 21, (kTop + kTop + 15 - metrics.tmHeight) / 2, "PROJECTS", 8);
    int differ = 0;
    for (int y = kTop; y < kTop + 15; ++y)
        for (int x = 21; x < kRight; ++x)
            differ += drawn.at(x, y) != expected.at(x, y);
    EXPECT_EQ(differ, 0);
}

TEST_F(FolderItemDrawing, FocusRectangleAndNoEntryAndTheDeviceContextIsPutBack) {
    for (UINT id : {0u, 1u, (UINT)-1}) {
        Canvas plain(140, 45), focused(140, 45);
        Draw(plain, id, 0);
        HGDIOBJ pen = GetCurrentObject(focused.dc(), OBJ_PEN);
        HGDIOBJ brush = GetCurrentObject(focused.dc(), OBJ_BRUSH);
        SetTextColor(focused.dc(), RGB(1, 2, 3));
        SetBkColor(focused.dc(), RGB(4, 5, 6));
        Draw(focused, id, ODS_FOCUS);
        EXPECT_EQ(GetCurrentObject(focused.dc(), OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(focused.dc(), OBJ_BRUSH), brush);
        EXPECT_EQ(GetTextColor(focused.dc()), RGB(1, 2, 3));
        EXPECT_EQ(GetBkColor(focused.dc()), RGB(4, 5, 6));
        int onBorder = 0, inside = 0;
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 140; ++x)
                if (plain.at(x, y) != focused.at(x, y)) {
                    bool border = (y == kTop || y == kTop + 14) && x < kRight ||
                                  (x == 0 || x == kRight - 1) && y >= kTop && y < kTop + 15;
                    (border ? onBorder : inside)++;
                }
        EXPECT_EQ(inside, 0) << "entry " << (int)id;
        EXPECT_GT(onBorder, (2 * kRight + 2 * 15) / 4) << "entry " << (int)id;
    }
    // No entry: the background alone.
    Canvas none(140, 45);
    Draw(none, (UINT)-1, ODS_SELECTED);
    int notBackground = 0;
    for (int y = kTop; y < kTop + 15; ++y)
        for (int x = 0; x < kRight; ++x)
            notBackground += none.at(x, y) != GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(notBackground, 0);
}
