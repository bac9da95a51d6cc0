// Times the installer's CopyTree on one tree, for scripts/bench-copy:
//   bench_copytree.exe SOURCE TARGET [CONFIRM]   (CONFIRM 1: the sample folders' mode)
#include "install/tree_copy.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: bench_copytree SOURCE TARGET [CONFIRM]\n");
        return 2;
    }
    int confirm = argc > 3 ? atoi(argv[3]) : 0;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int result = CopyTree(argv[1], argv[2], 1, confirm);
    QueryPerformanceCounter(&end);
    printf("result=%d internal_ms=%.1f\n", result,
           (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart);
    return result == 1 ? 0 : 1;
}
