// Texts of the overwrite confirmation: the prompt, and the one-line descriptions of the product
// family's well-known data files, kept as data. No windows.h, so they are also tested natively.
#pragma once

#include "app/limits.h"

#include <stddef.h>

// A prompt embeds a name of up to 259 characters, so it needs more than a message buffer.
enum { kPromptSize = kPathSize + 64 };

struct DescriptionRule {
    const char* key;       // a whole file name, or an extension when it starts with a dot
    unsigned productCodes; // bit n set: the rule applies to product code n
    const char* description;
};

extern const DescriptionRule descriptionRules[];
extern const int descriptionRuleCount;

// The description for a file name under a product code; "" when no rule matches.
const char* FileDescription(int productCode, const char* fileName);
// "WARNING: Project %s already exists.  Overwrite?" or the same for a file.
void ConfirmPromptText(char* text, size_t size, const char* promptName, int isProject);
// The description line: "DESCRIPTION: %s Project." for a project, else the file's rule text.
void ConfirmDescriptionText(char* text, size_t size, int productCode, const char* displayName,
                            const char* promptName, int isProject);
