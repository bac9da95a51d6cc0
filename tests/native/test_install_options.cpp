#include "wizard/install_options.h"

#include "app/catalog.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ApplyInstallTypeDefaults, NewTurnsEverythingOnOthersOnlyTheProgram) {
    SelectCatalogRow(0);
    for (int type : {New, Update, Custom}) {
        installOptions = InstallOptions{};
        installOptions.installType = type;
        std::strcpy(installOptions.installFolder, "D:\\TYPED");
        ApplyInstallTypeDefaults();
        int all = type == New;
        EXPECT_EQ(installOptions.installProgram, 1);
        EXPECT_EQ(installOptions.installSamples, all);
        EXPECT_EQ(installOptions.installTutorials, all);
        EXPECT_EQ(installOptions.createDesktopShortcut, all);
        EXPECT_EQ(installOptions.addToStartMenu, all);
        EXPECT_EQ(installOptions.viewReadme, all);
        EXPECT_STREQ(installOptions.installFolder, "C:\\DRASKEL");
    }
}
