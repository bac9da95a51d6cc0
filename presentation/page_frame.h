// The frame that every wizard page shares: title band, centring over the owner, help topics.
#pragma once

#include <windows.h>

// Help context ids of INSTALL.CHM, one per dialog.
enum HelpContext {
    kHelpWelcome = 100, // also the folder browser and the overwrite confirmation
    kHelpLicense = 200,
    kHelpInstallType = 400,
    kHelpInstallFolder = 500,
    kHelpComponents = 600,
    kHelpOverview = 700,
    kHelpReadme = 800,
    kHelpFinish = 900,
};

// Handles a page's WM_PAINT completely: the white band down to the top of control 300, its
// black bottom line, and the title and subtitle of the page kind in fonts derived from the
// font of control 110.
void PaintPageHeader(HWND page, int pageKind);
// A font with the description of another but for its weight; the caller deletes it.
HFONT DeriveFont(HFONT from, int weight);
// Centres a window over its parent or owner, or over the desktop when it has none.
void CenterWindow(HWND window);
// Opens MediaFolder + "INSTALL.CHM" at a context id, owned by MainWindow; none when help is
// not available. The help control is looked up once; a failure is remembered.
HWND ShowHelpTopic(int contextId);
