#pragma once

#include <map>
#include <string>

#include "ustring/ustring.h"

// Reader of line-oriented key=value files (the logger's level file, the
// client's pid file). Never writes files and logs nothing.
class Config
{
public:
    std::map<ustring, ustring> entries;
    bool keep_quotes = false;

    // Why the last read returned -1: the system's text, or that the file is
    // no regular file (a FIFO or device would block the reader), or that a
    // line is malformed.
    std::string error;
    // Whether the last read refused the file for holding more than 1 MiB.
    bool too_large = false;

    // 0 when the whole file was read; -1 for an empty path or an unopenable
    // file, and for a read error, a file over 1 MiB or a malformed line
    // (entries is then emptied).
    int read(const ustring& path);

    // One line, up to its first NUL (len is not consulted). 0 assignment,
    // 1 nothing on the line, 2 malformed. Writes NULs into line.
    int parse(char* line, int len, ustring& key, ustring& value);

    // The value of key as a decimal int, 0 when it holds none. Inserts an
    // empty value for an absent key.
    int get_int(const ustring& key);
};
