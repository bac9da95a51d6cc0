// The product catalog compiled into the program and the selected product record.
// Pure data and lookup, no windows.h: the same code is tested natively.
#pragma once

#include "app/limits.h"

enum { kCatalogRows = 16 };

struct ProductInfo {
    int productCode;
    char caption[kCatalogText];
    char displayName[kCatalogText];
    char componentLabel[kCatalogText];
    char backgroundBitmap[kCatalogText];
    char defaultFolder[kCatalogText];
    char exeName[kCatalogText];
    char mainClassName[kCatalogText];
    char mainWindowTitle[kCatalogText];
    char statusClassName[kCatalogText];
    char startMenuFolder[kCatalogText];
    char logoBitmap[kCatalogText];
    int isEvaluation;
};

// The selected row; all zero until LoadProductInfo succeeds.
extern ProductInfo productInfo;
// Drive and folder of the running program, ending with a backslash.
extern char MediaFolder[kPathSize];

namespace ProductCatalog {
extern const int productCode[kCatalogRows];
extern const char* const key[kCatalogRows];
extern const char* const caption[kCatalogRows];
extern const char* const displayName[kCatalogRows];
extern const char* const componentLabel[kCatalogRows];
extern const char* const backgroundBitmap[kCatalogRows];
extern const char* const defaultFolder[kCatalogRows];
extern const char* const exeName[kCatalogRows];
extern const char* const mainClassName[kCatalogRows];
extern const char* const mainWindowTitle[kCatalogRows];
extern const char* const statusClassName[kCatalogRows];
extern const char* const startMenuFolder[kCatalogRows];
extern const char* const logoBitmap[kCatalogRows];
extern const int isEvaluation[kCatalogRows];
} // namespace ProductCatalog

// Row whose key equals the first line of a PRODUCT.TXT read (cut, trimmed, case folded); -1 if none.
// The text is changed in place.
int FindCatalogRow(char* firstBytes);
// Fills productInfo from a catalog row.
void SelectCatalogRow(int row);
// Reads up to maxBytes of a file's start into line (which holds maxBytes + 1), ending at Ctrl-Z;
// 0 when the file cannot be opened.
int ReadFirstLineBytes(const char* path, char* line, int maxBytes);
// Reads MediaFolder + "PRODUCT.TXT" and selects its row; 1 on success, 0 otherwise.
int LoadProductInfo();
