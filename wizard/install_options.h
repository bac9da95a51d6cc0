// What the user chose on the wizard pages, shared by the pages, the driver and the installation.
// No windows.h: also tested natively.
#pragma once

#include "app/limits.h"

enum InstallType { New = 0, Update = 1, Custom = 2 };

// The result with which every wizard page ends; Back and Cancel equal IDOK and IDCANCEL.
enum PageResult { PageNext = 0, PageBack = 1, PageCancel = 2, PageSearch = 3 };

struct InstallOptions {
    int installType;
    char installFolder[kPathSize];
    int installProgram;
    int installSamples;
    int installTutorials;
    int createDesktopShortcut;
    int addToStartMenu;
    int viewReadme;
};

enum { kVersionSize = 20 };

extern InstallOptions installOptions;
extern char productVersion[kVersionSize];

// Defaults of the chosen install type; the folder becomes the product's default folder.
void ApplyInstallTypeDefaults();
