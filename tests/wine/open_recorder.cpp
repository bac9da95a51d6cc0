// Stands in for a document viewer in the finishing-action tests: registered as the program that
// opens .pdf files, it writes the path it was asked to open into the record file.
// usage: open_recorder DOCUMENT RECORD
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc < 3)
        return 1;
    FILE* record = fopen(argv[2], "wb");
    if (!record)
        return 1;
    fputs(argv[1], record);
    fclose(record);
    return 0;
}
