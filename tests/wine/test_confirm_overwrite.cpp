// The overwrite confirmation dialog run from its real template: texts, layout, focus, answers.
#include "app/app_state.h"
#include "app/catalog.h"
#include "install/confirm_overwrite.h"
#include "resources/confirm_ids.h"
#include "tests/wine/modal_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Confirmation : public ::testing::Test {
  protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        mainWindow = nullptr;
        SelectCatalogRow(0);
        rememberedAnswer = Yes;
    }
    void TearDown() override {
        appInstance = GetModuleHandleA(nullptr);
        rememberedAnswer = Yes;
    }
};

struct Shown {
    std::string caption, prompt, description;
    int focused = 0;
};

// Runs one confirmation; the script records what the dialog shows, then acts.
int Confirm(const char* name, int isProject, Shown& shown, std::function<void(HWND)> act) {
    ModalDriver driver;
    driver.then([&](HWND dialog) {
        shown.caption = WindowText(dialog);
        shown.prompt = ItemText(dialog, IDC_CONFIRM_PROMPT);
        shown.description = ItemText(dialog, IDC_CONFIRM_DESCRIPTION);
        shown.focused = GetDlgCtrlID(GetFocus());
        act(dialog);
    });
    int result = ConfirmOverwrite(name, isProject);
    EXPECT_EQ(driver.pending(), 0u);
    return result;
}

} // namespace

TEST_F(Confirmation, TemplateLayoutTextsAndFocus) {
    SelectCatalogRow(1);
    struct Control {
        int id;
        RECT units;
        const char* text;
        DWORD type;
    } controls[] = {
        {IDC_CONFIRM_PROMPT, {15, 15, 285, 40}, nullptr, SS_LEFT},
        {IDC_CONFIRM_DESCRIPTION, {15, 50, 285, 58}, nullptr, SS_LEFT},
        {IDC_CONFIRM_YES, {20, 75, 70, 89}, "&Yes", BS_DEFPUSHBUTTON},
        {IDC_CONFIRM_YES_TO_ALL, {90, 75, 140, 89}, "Yes to &All", BS_PUSHBUTTON},
        {IDC_CONFIRM_NO, {160, 75, 210, 89}, "&No", BS_PUSHBUTTON},
        {IDC_CONFIRM_NO_TO_ALL, {230, 75, 280, 89}, "No to A&ll", BS_PUSHBUTTON},
    };
    Shown shown;
    int result = Confirm("a0.b80", 0, shown, [&](HWND dialog) {
        RECT client, size = {0, 0, 300, 105};
        GetClientRect(dialog, &client);
        MapDialogRect(dialog, &size);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        DWORD style = GetWindowLongA(dialog, GWL_STYLE);
        EXPECT_TRUE(style & WS_CAPTION);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_TRUE(style & DS_MODALFRAME);
        EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_CONFIRM_YES);
        for (const Control& c : controls) {
            HWND item = GetDlgItem(dialog, c.id);
            ASSERT_NE(item, nullptr) << c.id;
            // Position and size are converted from dialog units separately.
            RECT at = {c.units.left, c.units.top, 0, 0};
            RECT size = {0, 0, c.units.right - c.units.left, c.units.bottom - c.units.top};
            MapDialogRect(dialog, &at);
            MapDialogRect(dialog, &size);
            RECT actual;
            GetWindowRect(item, &actual);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(actual.left, at.left) << c.id;
            EXPECT_EQ(actual.top, at.top) << c.id;
            EXPECT_EQ(actual.right - actual.left, size.right) << c.id;
            EXPECT_EQ(actual.bottom - actual.top, size.bottom) << c.id;
            DWORD itemStyle = GetWindowLongA(item, GWL_STYLE);
            if (c.text) {
                EXPECT_EQ(ItemText(dialog, c.id), c.text);
                EXPECT_EQ(itemStyle & 0x0F, c.type) << c.id;
            } else {
                EXPECT_EQ(itemStyle & SS_TYPEMASK, c.type) << c.id;
            }
        }
        SaveWindowShot(dialog, "confirm_file");
        Click(dialog, IDC_CONFIRM_YES);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(shown.caption, "Draskel (Metric) Installation");
    EXPECT_EQ(shown.prompt, "WARNING: File A0.B80 already exists.  Overwrite?");
    EXPECT_EQ(shown.description, "DESCRIPTION: Border.");
    EXPECT_EQ(shown.focused, IDC_CONFIRM_YES);

    SelectCatalogRow(0);
    result = Confirm("SAMPLE 1", 1, shown, [](HWND dialog) {
        SaveWindowShot(dialog, "confirm_project");
        Click(dialog, IDC_CONFIRM_NO);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(shown.caption, "Draskel Installation");
    EXPECT_EQ(shown.prompt, "WARNING: Project SAMPLE 1 already exists.  Overwrite?");
    EXPECT_EQ(shown.description, "DESCRIPTION: Draskel Project.");
    EXPECT_EQ(shown.focused, IDC_CONFIRM_YES);
}

TEST_F(Confirmation, NamesAreUpperCasedAndDescribedByProductCode) {
    struct Case {
        int row;
        const char* name;
        int isProject;
        const char* prompt;
        const char* description;
    } cases[] = {
        {0, "readme.txt", 0, "WARNING: File README.TXT already exists.  Overwrite?", ""},
        {0, "material.m80", 0, "WARNING: File MATERIAL.M80 already exists.  Overwrite?",
         "DESCRIPTION: Materials."},
        {3, "material.m80", 0, "WARNING: File MATERIAL.M80 already exists.  Overwrite?", ""},
        {0, "A.B80", 0, "WARNING: File A.B80 already exists.  Overwrite?", "DESCRIPTION: Border."},
        {1, "A.B80", 0, "WARNING: File A.B80 already exists.  Overwrite?", ""},
        {0, "A0.B80", 0, "WARNING: File A0.B80 already exists.  Overwrite?", ""},
        {1, "A0.B80", 0, "WARNING: File A0.B80 already exists.  Overwrite?",
         "DESCRIPTION: Border."},
        {11, "Material.M80", 0, "WARNING: File MATERIAL.M80 already exists.  Overwrite?", ""},
        // A project is described by the product, whatever its name.
        {3, "MATERIAL", 1, "WARNING: Project MATERIAL already exists.  Overwrite?",
         "DESCRIPTION: Orvane Project."},
    };
    for (const Case& c : cases) {
        SelectCatalogRow(c.row);
        Shown shown;
        Confirm(c.name, c.isProject, shown, [](HWND dialog) { Click(dialog, IDC_CONFIRM_NO); });
        EXPECT_EQ(shown.prompt, c.prompt) << c.row << " " << c.name;
        EXPECT_EQ(shown.description, c.description) << c.row << " " << c.name;
    }
    // A name of 259 characters is shown whole.
    std::string longest(259, 'q');
    Shown shown;
    Confirm(longest.c_str(), 0, shown, [](HWND dialog) { Click(dialog, IDC_CONFIRM_NO); });
    EXPECT_EQ(shown.prompt,
              "WARNING: File " + std::string(259, 'Q') + " already exists.  Overwrite?");
}

TEST_F(Confirmation, EachWayOfAnsweringGivesItsResult) {
    struct Case {
        const char* how;
        std::function<void(HWND)> act;
        int result, remembered;
    } cases[] = {
        {"Yes", [](HWND d) { Click(d, IDC_CONFIRM_YES); }, 1, Yes},
        {"Yes to All", [](HWND d) { Click(d, IDC_CONFIRM_YES_TO_ALL); }, 1, YesToAll},
        {"No", [](HWND d) { Click(d, IDC_CONFIRM_NO); }, 0, No},
        {"No to All", [](HWND d) { Click(d, IDC_CONFIRM_NO_TO_ALL); }, 0, NoToAll},
        {"Enter", [](HWND d) { PressKey(d, VK_RETURN); }, 1, Yes},
        {"Esc", [](HWND d) { PressKey(d, VK_ESCAPE); }, 0, No},
        {"close box", [](HWND d) { PressCloseBox(d); }, 0, No},
    };
    for (const Case& c : cases) {
        rememberedAnswer = Yes;
        Shown shown;
        EXPECT_EQ(Confirm("readme.txt", 0, shown, c.act), c.result) << c.how;
        EXPECT_EQ(rememberedAnswer, c.remembered) << c.how;
    }
}

TEST_F(Confirmation, ToAllAnswersHoldAndOthersAskAgain) {
    for (int answer : {YesToAll, NoToAll}) {
        rememberedAnswer = answer;
        ModalDriver driver;
        bool shown = false;
        driver.then([&](HWND dialog) {
            shown = true;
            Click(dialog, IDC_CONFIRM_NO);
        });
        EXPECT_EQ(ConfirmOverwrite("readme.txt", 0), answer == YesToAll ? 1 : 0);
        EXPECT_EQ(ConfirmOverwrite("SAMPLE", 1), answer == YesToAll ? 1 : 0);
        EXPECT_FALSE(shown);
        EXPECT_EQ(rememberedAnswer, answer);
    }
    // After No (Esc) the next object is asked for again.
    rememberedAnswer = No;
    Shown shown;
    EXPECT_EQ(Confirm("readme.txt", 0, shown, [](HWND d) { PressKey(d, VK_ESCAPE); }), 0);
    EXPECT_EQ(Confirm("other.txt", 0, shown, [](HWND d) { Click(d, IDC_CONFIRM_YES); }), 1);
    EXPECT_EQ(shown.prompt, "WARNING: File OTHER.TXT already exists.  Overwrite?");
}

// Nobody could be asked, so the existing object stays, and the next one is asked for again.
TEST_F(Confirmation, ADialogThatCannotBeShownKeepsTheObject) {
    appInstance = GetModuleHandleA("kernel32.dll"); // holds no ConfirmDlg
    EXPECT_EQ(ConfirmOverwrite("readme.txt", 0), 0);
    EXPECT_EQ(rememberedAnswer, No);
}
