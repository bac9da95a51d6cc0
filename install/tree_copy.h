// Copying a payload folder into the install folder, and making sure a folder exists.
#pragma once

// 1 when the folder exists afterwards (created one level deep when missing, read-only attribute
// cleared); 0 when it neither existed nor could be created, or when a file holds its name.
int EnsureFolder(const char* folder);
// Copies the contents of sourceFolder into targetFolder, to any depth. Project folders (*.DIR) are
// replaced as units. clearReadOnly == 1: copied files lose the read-only attribute.
// confirmExisting == 1: existing files and projects are replaced only after ConfirmOverwrite.
// 0 when targetFolder cannot be created; 1 otherwise, also when sourceFolder is missing.
int CopyTree(const char* sourceFolder, const char* targetFolder, int clearReadOnly,
             int confirmExisting);
