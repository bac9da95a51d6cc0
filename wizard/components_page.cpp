// The Install Components and Tasks page: which payload folders are copied, which tasks follow.
#include "wizard/component_pages.h"

#include "app/catalog.h"
#include "presentation/page_frame.h"
#include "resources/component_ids.h"
#include "wizard/component_choices.h"
#include "wizard/install_options.h"

enum { kComponentsPageKind = 5 };

static const int boxId[kComponentBoxCount] = {IDC_COMPONENT_PROGRAM,   IDC_COMPONENT_SAMPLES,
                                              IDC_COMPONENT_TUTORIALS, IDC_TASK_DESKTOP_SHORTCUT,
                                              IDC_TASK_START_MENU,     IDC_TASK_VIEW_README};

// Only the name is asked for; a path that cannot be addressed offers nothing to copy.
static int MediaHolds(const char* name) {
    char path[kPathSize];
    return ConcatPath(path, sizeof path, MediaFolder, name) &&
           GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

static void ReadBoxes(HWND page, int checked[kComponentBoxCount]) {
    for (int box = 0; box < kComponentBoxCount; ++box)
        checked[box] = IsDlgButtonChecked(page, boxId[box]) == BST_CHECKED;
}

static void ShowStates(HWND page, const ComponentBoxStates& states) {
    for (int box = 0; box < kComponentBoxCount; ++box) {
        CheckDlgButton(page, boxId[box], states.checked[box] ? BST_CHECKED : BST_UNCHECKED);
        EnableWindow(GetDlgItem(page, boxId[box]), states.enabled[box]);
    }
    EnableWindow(GetDlgItem(page, IDC_COMPONENTS_NEXT), states.nextEnabled);
}

void InitComponentsPage(HWND page) {
    SetWindowTextA(page, productInfo.caption);
    char label[kComponentLabelSize];
    ComponentLabelText(label, sizeof label, productInfo.componentLabel, productVersion);
    SetDlgItemTextA(page, IDC_COMPONENT_PROGRAM, label);
    int available[kComponentCount];
    for (int component = 0; component < kComponentCount; ++component)
        available[component] = MediaHolds(payloadFolder[component]);
    ComponentBoxStates states;
    InitialComponentStates(available, installOptions, &states);
    ShowStates(page, states);
    SetFocus(GetDlgItem(page, states.nextEnabled ? IDC_COMPONENTS_NEXT : IDC_COMPONENTS_CANCEL));
}

static void OnComponentClicked(HWND page) {
    ComponentBoxStates states;
    ReadBoxes(page, states.checked);
    for (int box = 0; box < kComponentBoxCount; ++box)
        states.enabled[box] = IsWindowEnabled(GetDlgItem(page, boxId[box])) ? 1 : 0;
    ApplyComponentRule(&states);
    ShowStates(page, states);
}

void ReadComponentsPage(HWND page) {
    int checked[kComponentBoxCount];
    ReadBoxes(page, checked);
    StoreComponentChoices(checked, &installOptions);
}

static void OnCommand(HWND page, int id, int notification) {
    switch (id) {
    case IDC_COMPONENTS_NEXT:
        // A command that reaches a disabled Next must not store a choice without a component.
        if (!IsWindowEnabled(GetDlgItem(page, IDC_COMPONENTS_NEXT)))
            break;
        ReadComponentsPage(page);
        EndDialog(page, PageNext);
        break;
    case IDC_COMPONENTS_BACK:
        EndDialog(page, PageBack);
        break;
    case IDC_COMPONENTS_CANCEL:
    case IDCANCEL:
        EndDialog(page, PageCancel);
        break;
    case IDC_COMPONENT_PROGRAM:
    case IDC_COMPONENT_SAMPLES:
    case IDC_COMPONENT_TUTORIALS:
        if (notification == BN_CLICKED)
            OnComponentClicked(page);
        break;
    case IDC_COMPONENTS_HELP:
        ShowHelpTopic(kHelpComponents);
        break;
    }
}

INT_PTR CALLBACK ComponentsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(page);
        InitComponentsPage(page);
        return FALSE; // the focus is set
    case WM_PAINT:
        PaintPageHeader(page, kComponentsPageKind);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(kHelpComponents);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
