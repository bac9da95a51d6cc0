// The sixteen products and editions served by one installer, and their selection from PRODUCT.TXT.
#include "app/catalog.h"

#include "app/text_util.h"

#include <stdio.h>
#include <string.h>

ProductInfo productInfo;
char MediaFolder[kPathSize];

namespace ProductCatalog {
const int productCode[kCatalogRows] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
const char* const key[kCatalogRows] = {
    "Draskel",          "Draskel (Metric)",    "Serrow",      "Orvane",
    "Orvane (Evaluation)", "Calvix",           "Calvix (Evaluation)", "Dromal",
    "Dromal (Evaluation)", "Pellion",          "Old Draskel", "Old Tolvern",
    "Old Havrin",       "Draskel (Evaluation)", "Draskel (Metric) (Evaluation)",
    "Serrow (Evaluation)"};
const char* const caption[kCatalogRows] = {
    "Draskel Installation", "Draskel (Metric) Installation", "Serrow Installation",
    "Orvane Installation",  "Orvane Installation",           "Calvix Installation",
    "Calvix Installation",  "Dromal Installation",           "Dromal Installation",
    "Orvane Installation",  "Draskel Installation",          "Tolvern Installation",
    "Havrin Installation",  "Draskel Installation",          "Draskel (Metric) Installation",
    "Serrow Installation"};
const char* const displayName[kCatalogRows] = {
    "Draskel", "Draskel (Metric)", "Serrow",  "Orvane",  "Orvane",  "Calvix",
    "Calvix",  "Dromal",           "Dromal",  "Orvane",  "Draskel", "Tolvern",
    "Havrin",  "Draskel",          "Draskel (Metric)",   "Serrow"};
const char* const componentLabel[kCatalogRows] = {
    "Dras&kel", "Dras&kel (Metric)", "Ser&row",  "Or&vanex", "Or&vanex", "Cal&vix",
    "Cal&vix",  "Dro&mal",           "Dro&mal",  "Or&vane",  "Dras&kel", "Tol&vern",
    "Hav&rin",  "Dras&kel",          "Dras&kel (Metric)",    "Ser&row"};
const char* const backgroundBitmap[kCatalogRows] = {
    "DraskelBack", "DraskelBack",   "SerrowBack",     "OrvanexBack", "OrvanexBack", "CalvixBack",
    "CalvixBack",  "DromalBack",    "DromalBack",     "PellionBack", "Draskel32Back",
    "Tolvern32Back2", "HavrinBack", "DraskelBack",    "DraskelBack", "SerrowBack"};
const char* const defaultFolder[kCatalogRows] = {
    "C:\\DRASKEL",   "C:\\DRASKELM",  "C:\\SERROW",  "C:\\ORVANE",  "C:\\ORVANE",  "C:\\CALVIX",
    "C:\\CALVIX",    "C:\\DROMAL",    "C:\\DROMAL",  "C:\\PELLION", "C:\\DRASKEL32",
    "C:\\TOLVERN32", "C:\\HAVRIN",    "C:\\DRASKEL", "C:\\DRASKELM", "C:\\SERROW"};
const char* const exeName[kCatalogRows] = {
    "DRASKEL.EXE",   "DRASKELM.EXE",  "SERROW.EXE",  "ORVANE.EXE",  "ORVANE.EXE",  "CALVIX.EXE",
    "CALVIX.EXE",    "DROMAL.EXE",    "DROMAL.EXE",  "PELLION.EXE", "DRASKEL32.EXE",
    "TOLVERN32.EXE", "HAVRIN.EXE",    "DRASKEL.EXE", "DRASKELM.EXE", "SERROW.EXE"};
const char* const mainClassName[kCatalogRows] = {
    "DRASKEL:INSTALL",   "DRASKELM:INSTALL",  "SERROW:INSTALL",  "ORVANE:INSTALL",
    "ORVANE:INSTALL",    "CALVIX:INSTALL",    "CALVIX:INSTALL",  "DROMAL:INSTALL",
    "DROMAL:INSTALL",    "PELLION:INSTALL",   "DRASKEL32:INSTALL", "TOLVERN32:INSTALL",
    "HAVRIN:INSTALL",    "DRASKEL:INSTALL",   "DRASKELM:INSTALL", "SERROW:INSTALL"};
const char* const mainWindowTitle[kCatalogRows] = {
    "DRASKEL INSTALL", "DRASKEL INSTALL", "SERROW INSTALL",  "ORVANE INSTALL",
    "ORVANE INSTALL",  "CALVIX INSTALL",  "CALVIX INSTALL",  "DROMAL INSTALL",
    "DROMAL INSTALL",  "ORVANE INSTALL",  "DRASKEL INSTALL", "TOLVERN INSTALL",
    "HAVRIN INSTALL",  "DRASKEL INSTALL", "DRASKEL INSTALL", "SERROW INSTALL"};
const char* const statusClassName[kCatalogRows] = {
    "DRASKEL:MESSAGE",   "DRASKELM:MESSAGE",  "SERROW:MESSAGE",  "ORVANE:MESSAGE",
    "ORVANE:MESSAGE",    "CALVIX:MESSAGE",    "CALVIX:MESSAGE",  "DROMAL:MESSAGE",
    "DROMAL:MESSAGE",    "PELLION:MESSAGE",   "DRASKEL32:MESSAGE", "TOLVERN32:MESSAGE",
    "HAVRIN:MESSAGE",    "DRASKEL:MESSAGE",   "DRASKELM:MESSAGE", "SERROW:MESSAGE"};
const char* const startMenuFolder[kCatalogRows] = {
    "Velmora", "Velmora", "Velmora", "Orvane",  "Orvane",  "Calvix",  "Calvix",  "Dromal",
    "Dromal",  "Velmora", "Velmora", "Velmora", "Velmora", "Velmora", "Velmora", "Velmora"};
const char* const logoBitmap[kCatalogRows] = {
    "VelmoraLogo2016", "VelmoraLogo2016", "VelmoraLogo2016", "OrvanexLogo",
    "OrvanexLogo",     "CalvixLogo",      "CalvixLogo",      "DromalLogo",
    "DromalLogo",      "PellionLogo",     "VelmoraLogo2016", "VelmoraLogo2016",
    "VelmoraLogo2016", "VelmoraLogo2016", "VelmoraLogo2016", "VelmoraLogo2016"};
const int isEvaluation[kCatalogRows] = {0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1};
} // namespace ProductCatalog

int FindCatalogRow(char* firstBytes) {
    firstBytes[strcspn(firstBytes, "\r\n")] = '\0';
    TrimSpaces(firstBytes);
    for (int row = 0; row < kCatalogRows; ++row)
        if (EqualNoCase(firstBytes, ProductCatalog::key[row]))
            return row;
    return -1;
}

void SelectCatalogRow(int row) {
    namespace C = ProductCatalog;
    productInfo.productCode = C::productCode[row];
    // Every catalog text is shorter than the field, so nothing is cut here.
    CopyText(productInfo.caption, kCatalogText, C::caption[row]);
    CopyText(productInfo.displayName, kCatalogText, C::displayName[row]);
    CopyText(productInfo.componentLabel, kCatalogText, C::componentLabel[row]);
    CopyText(productInfo.backgroundBitmap, kCatalogText, C::backgroundBitmap[row]);
    CopyText(productInfo.defaultFolder, kCatalogText, C::defaultFolder[row]);
    CopyText(productInfo.exeName, kCatalogText, C::exeName[row]);
    CopyText(productInfo.mainClassName, kCatalogText, C::mainClassName[row]);
    CopyText(productInfo.mainWindowTitle, kCatalogText, C::mainWindowTitle[row]);
    CopyText(productInfo.statusClassName, kCatalogText, C::statusClassName[row]);
    CopyText(productInfo.startMenuFolder, kCatalogText, C::startMenuFolder[row]);
    CopyText(productInfo.logoBitmap, kCatalogText, C::logoBitmap[row]);
    productInfo.isEvaluation = C::isEvaluation[row];
}

int ReadFirstLineBytes(const char* path, char* line, int maxBytes) {
    line[0] = '\0';
    FILE* file = fopen(path, "rb");
    if (!file)
        return 0;
    // Read raw and end at Ctrl-Z ourselves: up to the first CR or LF this gives what a text-mode
    // read gives, on Windows and in the native tests alike.
    size_t count = fread(line, 1, (size_t)maxBytes, file);
    fclose(file);
    line[count] = '\0';
    line[strcspn(line, "\x1a")] = '\0';
    return 1;
}

int LoadProductInfo() {
    char path[kPathSize];
    if (snprintf(path, sizeof path, "%sPRODUCT.TXT", MediaFolder) >= (int)sizeof path)
        return 0;
    char line[kMessageSize];
    if (!ReadFirstLineBytes(path, line, 50))
        return 0;
    int row = FindCatalogRow(line);
    if (row < 0)
        return 0;
    SelectCatalogRow(row);
    return 1;
}
