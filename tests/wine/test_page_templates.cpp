// The page templates as compiled into the program: every control's id, class, position, size,
// text and style in the template's order, the page's frame and font; and the default button.
#include "resources/page_ids.h"
#include "tests/wine/page_test_support.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Shows the template as it is, without a page procedure filling it.
INT_PTR CALLBACK AsBuiltProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, IDCANCEL);
    return FALSE;
}

const int kNone = 0xFFFF; // a control without an id

struct Expected {
    int id;
    const char* className;
    int x, y, width, height;
    const char* text;
    DWORD typeMask, type; // style & typeMask == type
    DWORD on, off;        // style bits that are set, and bits that are not
};

const DWORD kButtonType = 0x0F; // BS_TYPEMASK
const DWORD kStaticType = SS_TYPEMASK;

std::vector<Expected> FrameAndButtons(int back, bool backDisabled, const char* forward, int help,
                                      int cancel, const char* cancelText,
                                      bool cancelDisabled = false) {
    return {
        {IDC_BAND_BOTTOM, "Static", 0, 40, 405, 1, "", kStaticType, SS_ETCHEDHORZ, 0, WS_VISIBLE},
        {kNone, "Static", 0, 228, 405, 1, "", kStaticType, SS_ETCHEDHORZ, WS_VISIBLE, 0},
        {back, "Button", 165, 238, 50, 14, "< &Back", kButtonType, BS_PUSHBUTTON,
         backDisabled ? (DWORD)WS_DISABLED : 0, backDisabled ? 0 : (DWORD)WS_DISABLED},
        {IDC_PAGE_FORWARD, "Button", 220, 238, 50, 14, forward, kButtonType, BS_DEFPUSHBUTTON,
         WS_TABSTOP, WS_DISABLED},
        {help, "Button", 285, 238, 50, 14, "&Help", kButtonType, BS_PUSHBUTTON, WS_TABSTOP,
         WS_DISABLED},
        {cancel, "Button", 340, 238, 50, 14, cancelText, kButtonType, BS_PUSHBUTTON,
         WS_TABSTOP | (cancelDisabled ? (DWORD)WS_DISABLED : 0),
         cancelDisabled ? 0 : (DWORD)WS_DISABLED},
    };
}

std::vector<Expected> WelcomePage() {
    std::vector<Expected> controls = {
        {IDC_WELCOME_GREETING, "Static", 10, 55, 385, 8, "", kStaticType, SS_LEFT, 0, 0},
        {IDC_WELCOME_INTRO, "Static", 10, 65, 385, 8, "", kStaticType, SS_LEFT, 0, 0},
    };
    for (const Expected& e : FrameAndButtons(IDC_WELCOME_BACK, true, "&Next >", IDC_WELCOME_HELP,
                                             IDC_WELCOME_CANCEL, "&Cancel"))
        controls.push_back(e);
    return controls;
}

std::vector<Expected> ReadmeViewer() {
    std::vector<Expected> controls = {
        {IDC_README_LABEL, "Static", 10, 55, 110, 8,
         "Contents of the README.T&XT file:", kStaticType, SS_LEFT, 0, 0},
        {IDC_TEXT_LIST, "ListBox", 10, 65, 385, 150, "", 0, 0,
         LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, LBS_SORT},
    };
    for (const Expected& e : FrameAndButtons(IDC_README_BACK, true, "C&lose", IDC_FINISH_HELP,
                                             IDC_README_CANCEL, "&Cancel", true))
        controls.push_back(e);
    return controls;
}

std::vector<Expected> FinishPage() {
    std::vector<Expected> controls = {
        {IDC_FINISH_COMPLETION, "Static", 10, 55, 385, 8, "", kStaticType, SS_LEFT, 0, 0},
        {IDC_FINISH_TASKS, "Static", 10, 75, 385, 8, "", kStaticType, SS_LEFT, 0, 0},
        {IDC_FINISH_TASK_LINE, "Static", 20, 95, 375, 8, "", kStaticType, SS_LEFT, 0, 0},
    };
    for (const Expected& e : FrameAndButtons(IDC_FINISH_BACK, true, "&Finish", IDC_FINISH_HELP,
                                             IDC_FINISH_CANCEL, "&Cancel"))
        controls.push_back(e);
    return controls;
}

std::vector<Expected> LicensePage() {
    std::vector<Expected> controls = {
        {IDC_LICENSE_LABEL, "Static", 10, 55, 64, 8, "License A&greement:", kStaticType, SS_LEFT, 0,
         0},
        {IDC_LICENSE_LIST, "ListBox", 10, 65, 385, 115, "", 0, 0,
         LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, LBS_SORT},
        {kNone, "Static", 10, 190, 375, 8,
         "Do you accept all the terms of the preceding License Agreement?  If you choose Accept, "
         "you are indicating you accept",
         kStaticType, SS_LEFT, 0, 0},
        {kNone, "Static", 10, 200, 379, 8,
         "all the terms of the preceding License Agreement and the installation will continue.  "
         "If you choose Decline, the installation",
         kStaticType, SS_LEFT, 0, 0},
        {kNone, "Static", 10, 210, 31, 8, "will close.", kStaticType, SS_LEFT, 0, 0},
    };
    for (const Expected& e : FrameAndButtons(IDC_LICENSE_BACK, false, "&Accept", IDC_LICENSE_HELP,
                                             IDC_LICENSE_DECLINE, "&Decline"))
        controls.push_back(e);
    return controls;
}

std::vector<Expected> InstallTypePage() {
    const DWORD radio = BS_LEFT | BS_VCENTER;
    std::vector<Expected> controls = {
        // One group that starts at New, no tab stops.
        {IDC_TYPE_NEW, "Button", 25, 66, 50, 15, "Ne&w", kButtonType, BS_AUTORADIOBUTTON,
         radio | WS_GROUP, WS_TABSTOP | BS_RIGHT},
        {IDC_TYPE_UPDATE, "Button", 25, 116, 50, 15, "&Update", kButtonType, BS_AUTORADIOBUTTON,
         radio, WS_TABSTOP | WS_GROUP | BS_RIGHT},
        {IDC_TYPE_CUSTOM, "Button", 25, 166, 50, 15, "Custo&m", kButtonType, BS_AUTORADIOBUTTON,
         radio, WS_TABSTOP | WS_GROUP | BS_RIGHT},
        {IDC_TYPE_NEW_BLACK, "Static", 10, 55, 385, 35, "", kStaticType, SS_BLACKFRAME, WS_VISIBLE,
         0},
        {IDC_TYPE_NEW_WHITE, "Static", 10, 55, 385, 35, "", kStaticType, SS_WHITEFRAME, WS_VISIBLE,
         0},
        {IDC_TYPE_NEW_TEXT, "Static", 90, 64, 290, 8, "", kStaticType, SS_LEFT, 0, 0},
        {kNone, "Static", 90, 74, 295, 8,
         "WARNING: Any existing auxiliary files (materials, etc.) will be overwritten.",
         kStaticType, SS_LEFT, 0, 0},
        {IDC_TYPE_UPDATE_BLACK, "Static", 10, 105, 385, 35, "", kStaticType, SS_BLACKFRAME,
         WS_VISIBLE, 0},
        {IDC_TYPE_UPDATE_WHITE, "Static", 10, 105, 385, 35, "", kStaticType, SS_WHITEFRAME,
         WS_VISIBLE, 0},
        {IDC_TYPE_UPDATE_TEXT, "Static", 90, 119, 290, 8, "", kStaticType, SS_LEFT, 0, 0},
        {IDC_TYPE_CUSTOM_BLACK, "Static", 10, 155, 385, 35, "", kStaticType, SS_BLACKFRAME,
         WS_VISIBLE, 0},
        {IDC_TYPE_CUSTOM_WHITE, "Static", 10, 155, 385, 35, "", kStaticType, SS_WHITEFRAME,
         WS_VISIBLE, 0},
        {IDC_TYPE_CUSTOM_TEXT, "Static", 90, 169, 290, 8, "", kStaticType, SS_LEFT, 0, 0},
    };
    for (const Expected& e :
         FrameAndButtons(IDC_TYPE_BACK, true, "&Next >", IDC_TYPE_HELP, IDC_TYPE_CANCEL, "&Cancel"))
        controls.push_back(e);
    return controls;
}

// One control of a DIALOG template resource, read as the dialog manager reads it.
struct Item {
    DWORD style;
    int x, y, width, height, id;
    std::string className, text;
};

struct Template {
    DWORD style;
    int width, height, pointSize;
    std::string caption, face;
    std::vector<Item> items;
};

class Reader {
  public:
    explicit Reader(const BYTE* at) : at_(at) {}
    WORD word() {
        WORD w;
        memcpy(&w, at_, 2);
        at_ += 2;
        return w;
    }
    DWORD dword() {
        DWORD d;
        memcpy(&d, at_, 4);
        at_ += 4;
        return d;
    }
    std::string text() {
        std::string t;
        for (WORD c = word(); c; c = word())
            t += (char)c;
        return t;
    }
    // A name or an ordinal; the ordinals of the predefined classes become their names.
    std::string nameOrOrdinal() {
        WORD first = word();
        if (first == 0)
            return "";
        if (first == 0xFFFF) {
            WORD ordinal = word();
            const char* classes[] = {"Button",  "Edit",      "Static",
                                     "ListBox", "ScrollBar", "ComboBox"};
            return ordinal >= 0x80 && ordinal <= 0x85 ? classes[ordinal - 0x80]
                                                      : "#" + std::to_string(ordinal);
        }
        std::string t(1, (char)first);
        for (WORD c = word(); c; c = word())
            t += (char)c;
        return t;
    }
    void alignToDword(const BYTE* base) {
        while ((at_ - base) % 4)
            ++at_;
    }

  private:
    const BYTE* at_;
};

Template ReadTemplate(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    Template t = {};
    if (!resource)
        return t;
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    Reader in(base);
    t.style = in.dword();
    in.dword(); // extended style
    int count = in.word();
    in.word(); // x
    in.word(); // y
    t.width = in.word();
    t.height = in.word();
    in.nameOrOrdinal(); // menu
    in.nameOrOrdinal(); // class
    t.caption = in.text();
    if (t.style & DS_SETFONT) {
        t.pointSize = in.word();
        t.face = in.text();
    }
    for (int i = 0; i < count; ++i) {
        in.alignToDword(base);
        Item item;
        item.style = in.dword();
        in.dword();
        item.x = (short)in.word();
        item.y = (short)in.word();
        item.width = (short)in.word();
        item.height = (short)in.word();
        item.id = in.word();
        item.className = in.nameOrOrdinal();
        item.text = in.nameOrOrdinal();
        WORD extra = in.word();
        for (WORD b = 0; b < extra; b += 2)
            in.word();
        t.items.push_back(item);
    }
    return t;
}

using PageTemplates = PageTest;

} // namespace

TEST_F(PageTemplates, EveryControlAsTheTableGivesIt) {
    struct Case {
        const char* name;
        std::vector<Expected> controls;
    } cases[] = {{"WelcomeDlg", WelcomePage()},
                 {"EULADlg", LicensePage()},
                 {"InstallTypeDlg", InstallTypePage()},
                 {"ViewTxtDlg", ReadmeViewer()},
                 {"FinishDlg", FinishPage()}};
    for (const Case& c : cases) {
        Template t = ReadTemplate(c.name);
        const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
        EXPECT_EQ(t.style & frame, frame) << c.name;
        EXPECT_EQ(t.style & WS_CHILD, 0u) << c.name;
        EXPECT_EQ(t.width, 405) << c.name;
        EXPECT_EQ(t.height, 260) << c.name;
        EXPECT_EQ(t.pointSize, 8) << c.name;
        EXPECT_EQ(t.face, "MS Sans Serif") << c.name;
        EXPECT_EQ(t.caption, "Install") << c.name; // the page puts the product's caption there
        // In the template's order, which is also the order of groups and tabs.
        ASSERT_EQ(t.items.size(), c.controls.size()) << c.name;
        for (size_t i = 0; i < t.items.size(); ++i) {
            const Item& item = t.items[i];
            const Expected& e = c.controls[i];
            std::string where = std::string(c.name) + " item " + std::to_string(i) + " (" +
                                std::to_string(e.id) + ")";
            EXPECT_EQ(item.id, e.id) << where;
            EXPECT_STRCASEEQ(item.className.c_str(), e.className) << where;
            EXPECT_EQ(item.x, e.x) << where;
            EXPECT_EQ(item.y, e.y) << where;
            EXPECT_EQ(item.width, e.width) << where;
            EXPECT_EQ(item.height, e.height) << where;
            EXPECT_EQ(item.text, e.text) << where;
            EXPECT_EQ(item.style & WS_CHILD, (DWORD)WS_CHILD) << where;
            EXPECT_EQ(item.style & e.typeMask, e.type) << where;
            EXPECT_EQ(item.style & e.on, e.on) << where;
            EXPECT_EQ(item.style & e.off, 0u) << where;
            if (e.id != IDC_BAND_BOTTOM)
                EXPECT_EQ(item.style & WS_VISIBLE, (DWORD)WS_VISIBLE) << where;
        }
    }
}

TEST_F(PageTemplates, ForwardButtonIsTheDefaultAndTheFontComesFromTheTemplate) {
    for (const char* name :
         {"WelcomeDlg", "EULADlg", "InstallTypeDlg", "ViewTxtDlg", "FinishDlg"}) {
        LRESULT defId = 0;
        LOGFONTA font = {};
        driver.then([&](HWND dialog) {
            defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
            font = DescriptionOf((HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0));
            PressCloseBox(dialog);
        });
        Show(name, AsBuiltProc);
        EXPECT_EQ(LOWORD(defId), IDC_PAGE_FORWARD) << name;
        EXPECT_EQ(HIWORD(defId), DC_HASDEFID) << name;
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif") << name;
    }
}
