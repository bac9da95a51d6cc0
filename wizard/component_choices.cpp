// Components page state, stored choices and overview lines.
#include "wizard/component_choices.h"

#include <stdio.h>
#include <string.h>

const char* const payloadFolder[kComponentCount] = {"PROGRAM", "SAMPLE AUXILIARY FILES",
                                                    "TUTORIAL PROJECTS"};

static int AnyComponentChecked(const ComponentBoxStates& states) {
    for (int box = 0; box < kComponentCount; ++box)
        if (states.checked[box] == 1)
            return 1;
    return 0;
}

void InitialComponentStates(const int available[kComponentCount], const InstallOptions& options,
                            ComponentBoxStates* states) {
    const int flag[kComponentBoxCount] = {options.installProgram,   options.installSamples,
                                          options.installTutorials, options.createDesktopShortcut,
                                          options.addToStartMenu,   options.viewReadme};
    for (int box = 0; box < kComponentCount; ++box) {
        states->enabled[box] = available[box] == 1;
        states->checked[box] = states->enabled[box] && flag[box] == 1;
    }
    int program = states->checked[kBoxProgram];
    for (int box = kBoxDesktopShortcut; box <= kBoxStartMenu; ++box) {
        states->enabled[box] = program;
        states->checked[box] = program && flag[box] == 1;
    }
    states->enabled[kBoxViewReadme] = 1;
    states->checked[kBoxViewReadme] = flag[kBoxViewReadme] == 1;
    states->nextEnabled = AnyComponentChecked(*states);
}

void ApplyComponentRule(ComponentBoxStates* states) {
    states->nextEnabled = AnyComponentChecked(*states);
    int program = states->checked[kBoxProgram] == 1;
    for (int box = kBoxDesktopShortcut; box <= kBoxStartMenu; ++box) {
        states->enabled[box] = program;
        if (!program)
            states->checked[box] = 0;
    }
}

void StoreComponentChoices(const int checked[kComponentBoxCount], InstallOptions* options) {
    options->installProgram = checked[kBoxProgram] == 1;
    options->installSamples = checked[kBoxSamples] == 1;
    options->installTutorials = checked[kBoxTutorials] == 1;
    options->createDesktopShortcut = checked[kBoxDesktopShortcut] == 1;
    options->addToStartMenu = checked[kBoxStartMenu] == 1;
    options->viewReadme = checked[kBoxViewReadme] == 1;
    if (options->installProgram == 0) {
        options->createDesktopShortcut = 0;
        options->addToStartMenu = 0;
    }
}

void ComponentLabelText(char* label, size_t size, const char* componentLabel, const char* version) {
    if (version[0])
        snprintf(label, size, "%s %s", componentLabel, version);
    else
        snprintf(label, size, "%s", componentLabel);
}


static void AddLine(OverviewLines* lines, const char* format, const char* a = "",
                    const char* b = "") {
    snprintf(lines->line[lines->count++], kOverviewLineSize, format, a, b);
}

static void AddHeading(OverviewLines* lines, const char* heading) {
    AddLine(lines, "");
    AddLine(lines, heading);
    AddLine(lines, "");
}

void BuildOverviewLines(const InstallOptions& options, const char* displayName, const char* version,
                        OverviewLines* lines) {
    lines->count = 0;
    AddHeading(lines, "Install Folder:");
    AddLine(lines, "     %s", options.installFolder);
    if (options.installProgram == 1 || options.installSamples == 1 || options.installTutorials == 1)
        AddHeading(lines, "Components To Install:");
    if (options.installProgram == 1) {
        if (version[0])
            AddLine(lines, "     %s %s", displayName, version);
        else
            AddLine(lines, "     %s", displayName);
    }
    if (options.installSamples == 1)
        AddLine(lines, "     Sample Auxiliary Files (Materials, etc.)");
    if (options.installTutorials == 1)
        AddLine(lines, "     Tutorial Projects");
    if (options.createDesktopShortcut == 1 || options.addToStartMenu == 1 ||
        options.viewReadme == 1)
        AddHeading(lines, "Tasks To Accomplish:");
    if (options.createDesktopShortcut == 1)
        AddLine(lines, "     Create Desktop Shortcut");
    if (options.addToStartMenu == 1)
        AddLine(lines, "     Add to Start Menu Programs");
    if (options.viewReadme == 1)
        AddLine(lines, "     View README.TXT File");
}
