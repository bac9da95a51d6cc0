// Buffer sizes shared by every subsystem; kept apart so that files without windows.h can use them.
#pragma once

enum {
    kPathSize = 260,    // MAX_PATH
    kCatalogText = 50,  // every catalog text, terminating zero included
    kMessageSize = 80,  // formatted messages and the status line
};
