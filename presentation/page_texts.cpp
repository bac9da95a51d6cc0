// The page kinds of the title band.
#include "presentation/page_texts.h"

#include <stdio.h>

namespace {
struct PageKindTexts {
    const char* title;
    const char* subtitle;
};

// Kind 2 belongs to no page.
const PageKindTexts kPageKinds[] = {
    {"Welcome", "Welcome to the %s installation wizard."},
    {"License Agreement", "Read and confirm license agreement."},
    {"", ""},
    {"Install Type", "Specify install type."},
    {"Install Folder", "Specify install folder."},
    {"Install Components and Tasks", "Specify components to install and tasks to accomplish."},
    {"Install Overview", "Confirm install folder, components and tasks."},
    {"View README.TXT File", "Read information in README.TXT file."},
    {"Finish", "Finish the %s installation wizard."},
};
} // namespace

void PageHeaderTexts(int pageKind, const char* displayName, char* title, char* subtitle) {
    title[0] = subtitle[0] = '\0';
    if (pageKind < 0 || pageKind > 8)
        return;
    snprintf(title, kBandTextSize, "%s", kPageKinds[pageKind].title);
    snprintf(subtitle, kBandTextSize, kPageKinds[pageKind].subtitle, displayName);
}

int BandTitleTop(int bandBottom, int boldHeight) { return (bandBottom - 3 * boldHeight) / 2; }

int CenteredStart(int referenceStart, int referenceExtent, int extent) {
    return referenceStart + (referenceExtent - extent) / 2;
}
