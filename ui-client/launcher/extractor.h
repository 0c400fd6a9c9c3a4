#pragma once

#include "ustring/ustring.h"

#include <string>

struct archive;

// Unpacks the package archive below a destination folder with libarchive,
// entry by entry, reporting (total, current) through Notify_Adapter after
// each entry. Set both paths before any call; one thread at a time.
class Extractor
{
public:
    // Runs on the handler thread. Entries written before a failure stay on
    // disk; the caller rolls back. 0 on success, -1 on any failure. Some
    // progress reports come from the helper thread that counts the entries,
    // so receivers take them queued (the default across threads). While it
    // runs, the process's working folder is the destination: other threads
    // must not rely on relative paths meanwhile.
    int Extract();
    // Whether src_path is a regular file that opens as an archive and yields
    // a first header: 0, or -1 with why. Quick; logs nothing.
    int Check(std::string& why);
    // Number of entries that read without error, or -1.
    int Count();
    // Writes every entry path to standard output, one a line. 0, or -1.
    int List();
    // Copies the current entry's data from reader to writer. 0, or -1.
    int copy_data(archive* reader, archive* writer);

    ustring dest_path;
    ustring src_path;
};
