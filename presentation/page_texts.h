// Texts and positions of the wizard pages' title band; no windows.h, so tested natively.
#pragma once

enum { kBandTextSize = 100 };

// The number each page passes to PaintPageHeader; no page uses 2.
enum PageKind {
    kPageWelcome = 0,
    kPageLicense = 1,
    kPageInstallType = 3,
    kPageInstallFolder = 4,
    kPageComponents = 5,
    kPageOverview = 6,
    kPageReadme = 7,
    kPageFinish = 8,
};

// Title and subtitle of a page kind (0 to 8; none above 8), %s filled with the display name.
void PageHeaderTexts(int pageKind, const char* displayName, char* title, char* subtitle);
// Top of the title line in a band whose bottom is bandBottom; the subtitle is 2 * h lower.
int BandTitleTop(int bandBottom, int boldHeight);
// Left (or top) edge that centres an extent in a reference span; may lie left of the reference.
int CenteredStart(int referenceStart, int referenceExtent, int extent);
