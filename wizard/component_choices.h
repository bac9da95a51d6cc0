// What the components page shows and stores, apart from the window that shows it: the opening
// state of its six boxes, the rule that ties the task boxes to the product box, the flags stored
// on Next, and the lines of the overview page. No windows.h: also tested natively.
#pragma once

#include "app/text_util.h" // ConcatPath

#include "app/limits.h"
#include "wizard/install_options.h"

#include <stddef.h>

// The six boxes of the components page in control order: three components, then three tasks.
enum ComponentBox {
    kBoxProgram,
    kBoxSamples,
    kBoxTutorials,
    kBoxDesktopShortcut,
    kBoxStartMenu,
    kBoxViewReadme,
    kComponentBoxCount
};
enum { kComponentCount = 3 };

struct ComponentBoxStates {
    int checked[kComponentBoxCount];
    int enabled[kComponentBoxCount];
    int nextEnabled;
};

// Payload folders of the media, in the order of the component boxes.
extern const char* const payloadFolder[kComponentCount];

// Opening state from the payload folders that the media hold and the flags as they stand.
void InitialComponentStates(const int available[kComponentCount], const InstallOptions& options,
                            ComponentBoxStates* states);
// After a click on a component box, which has already toggled itself.
void ApplyComponentRule(ComponentBoxStates* states);
// The flags that Next stores; a task of the product is dropped with the product.
void StoreComponentChoices(const int checked[kComponentBoxCount], InstallOptions* options);

// Label of the product box: the component label, then the version when there is one.
enum { kComponentLabelSize = kMessageSize };
void ComponentLabelText(char* label, size_t size, const char* componentLabel, const char* version);


// The overview lines; the folder line holds a whole install folder after its indent.
enum {
    kOverviewLineMax = 16,
    kOverviewIndent = 5,
    kOverviewLineSize = kOverviewIndent + kPathSize
};
struct OverviewLines {
    int count;
    char line[kOverviewLineMax][kOverviewLineSize];
};
void BuildOverviewLines(const InstallOptions& options, const char* displayName, const char* version,
                        OverviewLines* lines);
