// Texts and positions of the wizard pages' title band; no windows.h, so tested natively.
#pragma once

enum { kBandTextSize = 100 };

// Title and subtitle of a page kind (0 to 8; none above 8), %s filled with the display name.
void PageHeaderTexts(int pageKind, const char* displayName, char* title, char* subtitle);
// Top of the title line in a band whose bottom is bandBottom; the subtitle is 2 * h lower.
int BandTitleTop(int bandBottom, int boldHeight);
// Left (or top) edge that centres an extent in a reference span; may lie left of the reference.
int CenteredStart(int referenceStart, int referenceExtent, int extent);
