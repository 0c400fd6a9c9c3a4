#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Builds small archives for tests with libarchive's own writer. Entry names
// are taken byte for byte, so hostile names ("", "/abs", "../x") can be made.
class ArchiveWriter
{
public:
    enum Format
    {
        Tar,
        TarGz,
        Zip
    };

    explicit ArchiveWriter(Format format = Tar) : format(format) {}

    ArchiveWriter& File(const std::string& path, const std::string& data, int perm = 0644);
    ArchiveWriter& Dir(const std::string& path, int perm = 0755);
    ArchiveWriter& Symlink(const std::string& path, const std::string& target);
    ArchiveWriter& Hardlink(const std::string& path, const std::string& target);
    ArchiveWriter& Fifo(const std::string& path);
    ArchiveWriter& CharDevice(const std::string& path, unsigned major_no, unsigned minor_no);
    ArchiveWriter& BlockDevice(const std::string& path, unsigned major_no, unsigned minor_no);

    size_t size() const { return entries.size(); }

    // Writes all entries in order; on failure returns false and sets error().
    bool WriteTo(const std::string& file);
    const std::string& error() const { return err; }

private:
    struct Entry
    {
        std::string path;
        unsigned type;
        int perm;
        std::string data;
        std::string symlink;
        std::string hardlink;
        dev_t dev;
    };

    ArchiveWriter& Add(const std::string& path, unsigned type, int perm, const std::string& data,
                       const std::string& symlink, const std::string& hardlink, dev_t dev = 0);

    Format format;
    std::vector<Entry> entries;
    std::string err;
};
