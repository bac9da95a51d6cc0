// The product version from VERSION.TXT; no windows.h, so tested natively.
#pragma once

// Sets productVersion from the first line of MediaFolder + "VERSION.TXT": at most 19
// characters, blanks trimmed; empty when the file cannot be read.
void ReadProductVersion();
