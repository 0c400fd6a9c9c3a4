// Runs one file operation for bench/fileop-bench, which times it from outside:
//   fileop_bench copy SRC DST   FSCopy(SRC, DST, false)
//   fileop_bench move SRC DST   FSRename(SRC, DST, false)
// Exits 0 when the operation returned 0.

#include "file/file-op.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4 || (strcmp(argv[1], "copy") != 0 && strcmp(argv[1], "move") != 0)) {
        fprintf(stderr, "usage: %s copy|move SRC DST\n", argv[0]);
        return 2;
    }
    const bool copy = strcmp(argv[1], "copy") == 0;
    const int rc = copy ? FSCopy(argv[2], argv[3], false) : FSRename(argv[2], argv[3], false);
    if (rc != 0) {
        fprintf(stderr, "%s returned %d\n", copy ? "FSCopy" : "FSRename", rc);
        return 1;
    }
    return 0;
}
