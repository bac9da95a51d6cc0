// Reading the product version shown after the product name.
#include "wizard/product_version.h"

#include "app/catalog.h"
#include "app/text_util.h"
#include "wizard/install_options.h"

#include <stdio.h>
#include <string.h>

void ReadProductVersion() {
    productVersion[0] = '\0';
    char path[kPathSize];
    if (snprintf(path, sizeof path, "%sVERSION.TXT", MediaFolder) >= (int)sizeof path)
        return;
    char line[kVersionSize + 1];
    if (!ReadFirstLineBytes(path, line, kVersionSize))
        return;
    line[strcspn(line, "\r\n")] = '\0';
    CopyText(productVersion, sizeof productVersion, line);
    TrimSpaces(productVersion);
}
