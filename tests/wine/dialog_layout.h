// Checks a dialog's controls against its template table: position and size in dialog units,
// window class, text and the styles that matter.
#pragma once

#include "tests/wine/modal_driver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

struct ControlRow {
    int id;
    const char* className;
    // Dialog units. A width or height of 0 is not checked: lists shrink to whole entries, a
    // drop-down list shows its closed height, an etched line adds its edge.
    int x, y, width, height;
    const char* text; // nullptr: not checked
    DWORD styles;     // every one of these bits is set (scroll bars and borders are checked apart)
};

inline void ExpectControl(HWND dialog, const ControlRow& row) {
    HWND control = GetDlgItem(dialog, row.id);
    ASSERT_NE(control, nullptr) << "control " << row.id;
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    EXPECT_STREQ(className, row.className) << "control " << row.id;
    RECT expected = {row.x, row.y, row.x + row.width, row.y + row.height};
    MapDialogRect(dialog, &expected);
    RECT actual;
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left) << "control " << row.id;
    EXPECT_EQ(actual.top, expected.top) << "control " << row.id;
    if (row.width)
        EXPECT_EQ(actual.right, expected.right) << "control " << row.id;
    if (row.height)
        EXPECT_EQ(actual.bottom, expected.bottom) << "control " << row.id;
    if (row.text)
        EXPECT_EQ(WindowText(control), row.text) << "control " << row.id;
    DWORD style = (DWORD)GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(style & row.styles, row.styles)
        << "control " << row.id << " style " << std::hex << style;
}

// The dialog's client area in dialog units.
inline SIZE DialogUnits(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    RECT unit = {0, 0, 4, 8};
    MapDialogRect(dialog, &unit);
    return SIZE{client.right * 4 / unit.right, client.bottom * 8 / unit.bottom};
}
