#include "platform/kernel_copy.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

int KernelCopy(int in, int out, size_t chunk)
{
    // Files of pseudo file systems may report no data to copy_file_range.
    struct stat st;
    if (fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        return 0;
    }
    for (;;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, chunk, 0);
        if (n > 0) {
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == ENOSPC || errno == EDQUOT)) {
            return -1;
        }
        // End of file, or not possible here (another file system, an old
        // kernel, an I/O error that the read/write loop will report).
        return 0;
    }
}
