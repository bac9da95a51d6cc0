// The components and overview pages run from their real templates and driven as a user would.
#include "app/app_state.h"
#include "app/catalog.h"
#include "resources/component_ids.h"
#include "tests/native/temp_folder.h"
#include "tests/wine/modal_driver.h"
#include "wizard/component_pages.h"
#include "wizard/install_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const int kBoxes[] = {IDC_COMPONENT_PROGRAM,     IDC_COMPONENT_SAMPLES, IDC_COMPONENT_TUTORIALS,
                      IDC_TASK_DESKTOP_SHORTCUT, IDC_TASK_START_MENU,   IDC_TASK_VIEW_README};

bool Checked(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}
bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}

// One character per box: X checked, x checked but disabled, . clear, - clear and disabled.
std::string Boxes(HWND page) {
    std::string states;
    for (int id : kBoxes)
        states +=
            Enabled(page, id) ? (Checked(page, id) ? 'X' : '.') : (Checked(page, id) ? 'x' : '-');
    return states;
}

// Lets a page that has just come up reach the screen before it is photographed: Wine hands
// what a window painted to the X server a little later, so the loop runs after the repaint.
void Settle(HWND page) {
    RedrawWindow(page, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD until = GetTickCount() + 300;
    while (GetTickCount() < until) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(page, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        Sleep(10);
    }
}

bool SameOptions(const InstallOptions& a, const InstallOptions& b) {
    return memcmp(&a, &b, sizeof a) == 0;
}

struct DialogItem {
    int id, x, y, cx, cy;
    DWORD style;
    std::string className, text;
};
struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    int cx = 0, cy = 0, pointSize = 0;
    std::string font;
    std::vector<DialogItem> items;
};

// Reads an extended dialog template from the program's resources, as windres compiled it.
DialogTemplate ReadDialogTemplate(const char* name) {
    DialogTemplate dialog;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!resource)
        return dialog;
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    auto word = [&p] {
        WORD w;
        memcpy(&w, p, 2);
        p += 2;
        return w;
    };
    auto dword = [&p] {
        DWORD d;
        memcpy(&d, p, 4);
        p += 4;
        return d;
    };
    auto text = [&] {
        std::string s;
        for (WORD c = word(); c; c = word())
            s += (char)c;
        return s;
    };
    const char* const classes[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    auto nameOrOrdinal = [&]() -> std::string {
        WORD first;
        memcpy(&first, p, 2);
        if (first == 0xFFFF) {
            word();
            WORD ordinal = word();
            return ordinal >= 0x80 && ordinal <= 0x85 ? classes[ordinal - 0x80]
                                                      : "#" + std::to_string(ordinal);
        }
        return text();
    };
    if (word() != 1 || word() != 0xFFFF)
        return dialog; // not an extended template
    dword();           // help id
    dword();           // extended style
    dialog.style = dword();
    int count = word();
    word(); // x
    word(); // y
    dialog.cx = (short)word();
    dialog.cy = (short)word();
    nameOrOrdinal(); // menu
    nameOrOrdinal(); // class
    text();          // caption
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = word();
        word(); // weight
        p += 2; // italic, character set
        dialog.font = text();
    }
    const BYTE* start = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    for (int i = 0; i < count; ++i) {
        p = start + (((p - start) + 3) & ~3);
        DialogItem item;
        dword(); // help id
        dword(); // extended style
        item.style = dword();
        item.x = (short)word();
        item.y = (short)word();
        item.cx = (short)word();
        item.cy = (short)word();
        item.id = (int)dword();
        item.className = nameOrOrdinal();
        item.text = nameOrOrdinal();
        p += word(); // creation data
        dialog.items.push_back(item);
    }
    dialog.found = true;
    return dialog;
}

class ComponentPages : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        SelectCatalogRow(0);
        strcpy(MediaFolder, media.folderText().c_str());
        strcpy(productVersion, "2.1");
        installOptions = InstallOptions{};
        installOptions.installType = Custom;
        ApplyInstallTypeDefaults();
    }
    void TearDown() override { productVersion[0] = '\0'; }
    void AddPayload(bool program, bool samples, bool tutorials) {
        if (program)
            std::filesystem::create_directory(media.path() / "PROGRAM");
        if (samples) // a plain file of that name counts as well: only the name is asked for
            media.write("SAMPLE AUXILIARY FILES", "");
        if (tutorials)
            std::filesystem::create_directory(media.path() / "TUTORIAL PROJECTS");
    }
    INT_PTR RunComponents(ModalDriver& driver) {
        INT_PTR result =
            DialogBoxParamA(appInstance, "InstallComponentsDlg", nullptr, ComponentsPageProc, 0);
        EXPECT_EQ(driver.pending(), 0u);
        return result;
    }
    INT_PTR RunOverview(ModalDriver& driver) {
        INT_PTR result =
            DialogBoxParamA(appInstance, "InstallOverviewDlg", nullptr, OverviewPageProc, 0);
        EXPECT_EQ(driver.pending(), 0u);
        return result;
    }
    TempFolder media;
};

} // namespace

TEST_F(ComponentPages, TemplatesMatchTheirLayout) {
    struct Control {
        const char* dialog;
        int id;
        int x, y, cx, cy;
        const char* className;
        const char* text;
        DWORD style; // WS_CHILD and the bits of the kind that the table names
    };
    const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE;
    const DWORD push = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
    const DWORD line = SS_ETCHEDHORZ;
    const Control controls[] = {
        {"InstallComponentsDlg", 300, 0, 40, 405, 1, "Static", "", line},
        {"InstallComponentsDlg", -1, 10, 55, 182, 80, "Button", "Components To Install",
         BS_GROUPBOX | WS_VISIBLE},
        {"InstallComponentsDlg", 100, 30, 70, 155, 10, "Button", "&Product", check},
        {"InstallComponentsDlg", 101, 30, 85, 155, 10, "Button",
         "Sample Au&xiliary Files (Materials, etc.)", check},
        {"InstallComponentsDlg", 102, 30, 100, 155, 10, "Button", "T&utorial Projects", check},
        {"InstallComponentsDlg", -1, 213, 55, 182, 80, "Button", "Tasks To Accomplish",
         BS_GROUPBOX | WS_VISIBLE},
        {"InstallComponentsDlg", 103, 228, 70, 155, 10, "Button", "Create Desktop &Shortcut",
         check},
        {"InstallComponentsDlg", 104, 228, 85, 155, 10, "Button", "Add To S&tart Menu Programs",
         check},
        {"InstallComponentsDlg", 105, 228, 100, 155, 10, "Button", "Vie&w README.TXT File", check},
        {"InstallComponentsDlg", -1, 0, 228, 405, 1, "Static", "", line | WS_VISIBLE},
        {"InstallComponentsDlg", 150, 165, 238, 50, 14, "Button", "< &Back", push},
        {"InstallComponentsDlg", 110, 220, 238, 50, 14, "Button", "&Next >",
         BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
        {"InstallComponentsDlg", 111, 285, 238, 50, 14, "Button", "&Help", push},
        {"InstallComponentsDlg", 112, 340, 238, 50, 14, "Button", "&Cancel", push},
        {"InstallOverviewDlg", 300, 0, 40, 405, 1, "Static", "", line},
        {"InstallOverviewDlg", -1, 10, 55, 53, 8, "Static",
         "Install &Overview:", SS_LEFTNOWORDWRAP | WS_VISIBLE},
        {"InstallOverviewDlg", 100, 10, 65, 385, 155, "ListBox", "",
         LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE},
        {"InstallOverviewDlg", -1, 0, 228, 405, 1, "Static", "", line | WS_VISIBLE},
        {"InstallOverviewDlg", 102, 165, 238, 50, 14, "Button", "< &Back", push},
        {"InstallOverviewDlg", 110, 220, 238, 50, 14, "Button", "&Install",
         BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
        {"InstallOverviewDlg", 103, 285, 238, 50, 14, "Button", "&Help", push},
        {"InstallOverviewDlg", 104, 340, 238, 50, 14, "Button", "&Cancel", push},
    };
    for (const char* name : {"InstallComponentsDlg", "InstallOverviewDlg"}) {
        DialogTemplate dialog = ReadDialogTemplate(name);
        ASSERT_TRUE(dialog.found) << name;
        EXPECT_EQ(dialog.cx, 405) << name;
        EXPECT_EQ(dialog.cy, 260) << name;
        EXPECT_EQ(dialog.style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
                  (DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME))
            << name;
        EXPECT_EQ(dialog.font, "MS Sans Serif") << name;
        EXPECT_EQ(dialog.pointSize, 8) << name;
        std::vector<const Control*> expected;
        for (const Control& c : controls)
            if (strcmp(c.dialog, name) == 0)
                expected.push_back(&c);
        ASSERT_EQ(dialog.items.size(), expected.size()) << name;
        for (size_t i = 0; i < expected.size(); ++i) {
            const Control& c = *expected[i];
            const DialogItem& item = dialog.items[i];
            std::string where = std::string(name) + " item " + std::to_string(i);
            EXPECT_EQ(item.id, c.id) << where;
            EXPECT_STRCASEEQ(item.className.c_str(), c.className) << where;
            EXPECT_EQ(item.text, c.text) << where;
            EXPECT_EQ(item.x, c.x) << where;
            EXPECT_EQ(item.y, c.y) << where;
            EXPECT_EQ(item.cx, c.cx) << where;
            EXPECT_EQ(item.cy, c.cy) << where;
            // Only the sort style of the overview list and the tab stop would be wrong extras.
            EXPECT_EQ(item.style & ~(DWORD)WS_GROUP, c.style | WS_CHILD) << where;
        }
    }
}

TEST_F(ComponentPages, MediaWithoutPayloadOffersNoComponentAndFocusesCancel) {
    installOptions.installType = New;
    ApplyInstallTypeDefaults(); // every flag set: the media alone clear the boxes
    InstallOptions before = installOptions;
    std::string boxes, caption, label, focus;
    bool nextEnabled = true;
    ModalDriver driver;
    driver.then([&](HWND page) {
        boxes = Boxes(page);
        nextEnabled = Enabled(page, IDC_COMPONENTS_NEXT);
        caption = WindowText(page);
        label = ItemText(page, IDC_COMPONENT_PROGRAM);
        focus = std::to_string(GetDlgCtrlID(GetFocus()));
        Settle(page);
        SaveWindowShot(page, "components_page_no_payload");
        Click(page, IDC_COMPONENTS_NEXT); // disabled: stores nothing
        Click(page, IDC_COMPONENTS_CANCEL);
    });
    EXPECT_EQ(RunComponents(driver), PageCancel);
    EXPECT_EQ(boxes, "-----X"); // box 105 stays usable and keeps its flag
    EXPECT_FALSE(nextEnabled);
    EXPECT_EQ(focus, "112");
    EXPECT_EQ(caption, "Draskel Installation");
    EXPECT_EQ(label, "Dras&kel 2.1");
    EXPECT_TRUE(SameOptions(installOptions, before));
}

TEST_F(ComponentPages, ProductBoxGovernsItsTasksAndNextNeedsAComponent) {
    AddPayload(true, true, true);
    installOptions.createDesktopShortcut = 1;
    installOptions.addToStartMenu = 1;
    std::vector<std::string> seen;
    std::vector<bool> next;
    std::string focus;
    ModalDriver driver;
    driver.then([&](HWND page) {
        focus = std::to_string(GetDlgCtrlID(GetFocus()));
        auto look = [&] {
            seen.push_back(Boxes(page));
            next.push_back(Enabled(page, IDC_COMPONENTS_NEXT));
        };
        look();
        Click(page, IDC_COMPONENT_PROGRAM); // clear the product
        look();
        Click(page, IDC_COMPONENT_PROGRAM); // and check it again
        look();
        Click(page, IDC_TASK_START_MENU);
        Click(page, IDC_COMPONENT_TUTORIALS);
        Click(page, IDC_COMPONENT_PROGRAM);
        look();
        Click(page, IDC_COMPONENT_TUTORIALS);
        look();
        Click(page, IDC_COMPONENT_SAMPLES);
        Click(page, IDC_TASK_VIEW_README);
        look();
        Click(page, IDC_COMPONENTS_NEXT);
    });
    EXPECT_EQ(RunComponents(driver), PageNext);
    EXPECT_EQ(focus, "110");
    std::vector<std::string> expectedBoxes = {"X..XX.", "...--.", "X.....",
                                              "..X--.", "...--.", ".X.--X"};
    EXPECT_EQ(seen, expectedBoxes);
    EXPECT_EQ(next, (std::vector<bool>{true, false, true, true, false, true}));
    EXPECT_EQ(installOptions.installProgram, 0);
    EXPECT_EQ(installOptions.installSamples, 1);
    EXPECT_EQ(installOptions.installTutorials, 0);
    EXPECT_EQ(installOptions.createDesktopShortcut, 0);
    EXPECT_EQ(installOptions.addToStartMenu, 0);
    EXPECT_EQ(installOptions.viewReadme, 1);
}

TEST_F(ComponentPages, NextStoresTheBoxesAndEveryOtherWayOutStoresNothing) {
    AddPayload(true, true, false);
    productVersion[0] = '\0';
    struct Exit {
        const char* name;
        std::function<void(HWND)> leave;
        INT_PTR result;
    } exits[] = {
        {"Back", [](HWND page) { Click(page, IDC_COMPONENTS_BACK); }, PageBack},
        {"Cancel", [](HWND page) { Click(page, IDC_COMPONENTS_CANCEL); }, PageCancel},
        {"Esc", [](HWND page) { PressKey(page, VK_ESCAPE); }, PageCancel},
        {"close box", [](HWND page) { PressCloseBox(page); }, PageCancel},
        {"stray IDOK, then Next",
         [](HWND page) {
             SendMessageA(page, WM_COMMAND, IDOK, 0); // not a button of this page
             Click(page, IDC_COMPONENTS_NEXT);
         },
         PageNext},
    };
    for (const Exit& exit : exits) {
        SetUp();
        productVersion[0] = '\0';
        InstallOptions before = installOptions;
        std::string label, boxes;
        ModalDriver driver;
        driver.then([&](HWND page) {
            label = ItemText(page, IDC_COMPONENT_PROGRAM);
            Click(page, IDC_COMPONENT_SAMPLES);
            Click(page, IDC_TASK_DESKTOP_SHORTCUT);
            Click(page, IDC_TASK_VIEW_README);
            boxes = Boxes(page);
            exit.leave(page);
        });
        EXPECT_EQ(RunComponents(driver), exit.result) << exit.name;
        EXPECT_EQ(label, "Dras&kel") << exit.name;
        EXPECT_EQ(boxes, "XX-X.X") << exit.name;
        if (exit.result == PageNext) {
            InstallOptions expected = before;
            expected.installSamples = 1;
            expected.createDesktopShortcut = 1;
            expected.viewReadme = 1;
            EXPECT_TRUE(SameOptions(installOptions, expected)) << exit.name;
        } else {
            EXPECT_TRUE(SameOptions(installOptions, before)) << exit.name;
        }
    }
}

TEST_F(ComponentPages, ComponentsPageScreenshot) {
    AddPayload(true, true, true);
    installOptions.createDesktopShortcut = 1;
    ModalDriver driver;
    driver.then([&](HWND page) {
        Settle(page);
        SaveWindowShot(page, "components_page");
        Click(page, IDC_COMPONENTS_CANCEL);
    });
    EXPECT_EQ(RunComponents(driver), PageCancel);
}

TEST_F(ComponentPages, OverviewListsTheChoicesAndEndsByItsButtons) {
    installOptions.installType = New;
    ApplyInstallTypeDefaults();
    std::string folder = "C:\\" + std::string(254, 'F') + "\\X";
    ASSERT_EQ(folder.size(), 259u);
    strcpy(installOptions.installFolder, folder.c_str());
    InstallOptions before = installOptions;
    std::vector<std::string> lines;
    std::string caption, focus;
    ModalDriver driver;
    driver.then([&](HWND page) {
        caption = WindowText(page);
        focus = std::to_string(GetDlgCtrlID(GetFocus()));
        HWND list = GetDlgItem(page, IDC_OVERVIEW_LIST);
        int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            std::string line((size_t)SendMessageA(list, LB_GETTEXTLEN, i, 0), '\0');
            SendMessageA(list, LB_GETTEXT, i, (LPARAM)&line[0]);
            lines.push_back(line);
        }
        Click(page, IDC_OVERVIEW_INSTALL);
    });
    EXPECT_EQ(RunOverview(driver), PageNext);
    EXPECT_EQ(caption, "Draskel Installation");
    EXPECT_EQ(focus, "110");
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[3], "     " + folder);
    EXPECT_EQ(lines[7], "     Draskel 2.1");
    EXPECT_EQ(lines[15], "     View README.TXT File");
    EXPECT_TRUE(SameOptions(installOptions, before));

    struct Exit {
        std::function<void(HWND)> leave;
        INT_PTR result;
    } exits[] = {
        {[](HWND page) { Click(page, IDC_OVERVIEW_BACK); }, PageBack},
        {[](HWND page) { Click(page, IDC_OVERVIEW_CANCEL); }, PageCancel},
        {[](HWND page) { PressKey(page, VK_ESCAPE); }, PageCancel},
        {[](HWND page) { PressCloseBox(page); }, PageCancel},
    };
    installOptions.installType = Update;
    ApplyInstallTypeDefaults();
    for (const Exit& exit : exits) {
        int count = 0;
        ModalDriver exitDriver;
        exitDriver.then([&](HWND page) {
            count = (int)SendDlgItemMessageA(page, IDC_OVERVIEW_LIST, LB_GETCOUNT, 0, 0);
            exit.leave(page);
        });
        EXPECT_EQ(RunOverview(exitDriver), exit.result);
        EXPECT_EQ(count, 8); // rebuilt on each showing
    }
}

TEST_F(ComponentPages, OverviewPageScreenshot) {
    installOptions.installType = New;
    ApplyInstallTypeDefaults();
    ModalDriver driver;
    driver.then([&](HWND page) {
        Settle(page);
        SaveWindowShot(page, "overview_page");
        Click(page, IDC_OVERVIEW_CANCEL);
    });
    EXPECT_EQ(RunOverview(driver), PageCancel);
}

TEST_F(ComponentPages, HelpButtonAndF1LeaveThePageOpen) {
    struct Page {
        const char* name;
        DLGPROC procedure;
        int help;
    } pages[] = {{"InstallComponentsDlg", ComponentsPageProc, IDC_COMPONENTS_HELP},
                 {"InstallOverviewDlg", OverviewPageProc, IDC_OVERVIEW_HELP}};
    for (const Page& p : pages) {
        bool open = false;
        ModalDriver driver;
        driver.then([&](HWND page) {
            Click(page, p.help);
            SendMessageA(page, WM_HELP, 0, 0);
            open = IsWindowVisible(page) != FALSE;
            PressKey(page, VK_ESCAPE);
        });
        EXPECT_EQ(DialogBoxParamA(appInstance, p.name, nullptr, p.procedure, 0), PageCancel)
            << p.name;
        EXPECT_TRUE(open) << p.name;
        EXPECT_EQ(driver.pending(), 0u);
    }
}
