// The install sequence: one status line per step, with the wait cursor throughout.
#include "install/install_product.h"

#include "app/catalog.h"
#include "install/confirm_overwrite.h"
#include "install/shortcuts.h"
#include "install/tree_copy.h"
#include "presentation/presentation.h"
#include "wizard/install_options.h"

#include <stdio.h>

namespace {
struct PayloadStep {
    const int* flag;
    const char* statusFormat;
    const char* folderName;
    int confirmExisting;
};

const PayloadStep kPayloadSteps[] = {
    {&installOptions.installProgram, "Installing %s...", "PROGRAM", 0},
    {&installOptions.installSamples, "Installing Sample Auxiliary Files...",
     "SAMPLE AUXILIARY FILES", 1},
    {&installOptions.installTutorials, "Installing Tutorial Projects...", "TUTORIAL PROJECTS", 1},
};

struct ShortcutStep {
    const int* flag;
    const char* status;
    int kind;
};

const ShortcutStep kShortcutSteps[] = {
    {&installOptions.createDesktopShortcut, "Creating Shortcut...", kDesktopShortcut},
    {&installOptions.addToStartMenu, "Updating Start Menu Programs...", kStartMenuShortcut},
};
} // namespace

static void InstallPayload(const PayloadStep& step) {
    char status[kMessageSize];
    snprintf(status, sizeof status, step.statusFormat, productInfo.displayName);
    SetStatusText(status);
    rememberedAnswer = Yes;
    char source[kPathSize];
    // A media path that would not fit is not cut into another folder's name: the step copies
    // nothing.
    if (snprintf(source, sizeof source, "%s%s", MediaFolder, step.folderName) < (int)sizeof source)
        CopyTree(source, installOptions.installFolder, 1, step.confirmExisting);
    SetStatusText("");
}

int InstallProduct(HWND owner) {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SetStatusText("Creating Install Folder...");
    if (!EnsureFolder(installOptions.installFolder)) {
        MessageBoxA(owner, "WARNING: Install Folder could not be created.", productInfo.caption,
                    MB_OK);
        SetStatusText("");
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return 0;
    }
    SetStatusText("");
    for (const PayloadStep& step : kPayloadSteps)
        if (*step.flag == 1)
            InstallPayload(step);
    for (const ShortcutStep& step : kShortcutSteps) {
        if (*step.flag != 1)
            continue;
        SetStatusText(step.status);
        CreateProductShortcut(owner, step.kind);
        SetStatusText("");
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return 1;
}
