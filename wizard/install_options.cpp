// Install options and the defaults of each install type.
#include "wizard/install_options.h"

#include "app/catalog.h"
#include "app/text_util.h"

InstallOptions installOptions;
char productVersion[kVersionSize];

void ApplyInstallTypeDefaults() {
    int all = installOptions.installType == New ? 1 : 0;
    installOptions.installProgram = 1;
    installOptions.installSamples = all;
    installOptions.installTutorials = all;
    installOptions.createDesktopShortcut = all;
    installOptions.addToStartMenu = all;
    installOptions.viewReadme = all;
    CopyText(installOptions.installFolder, sizeof installOptions.installFolder,
             productInfo.defaultFolder);
}
