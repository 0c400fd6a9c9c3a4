#include "archive_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

ArchiveWriter& ArchiveWriter::File(const std::string& path, const std::string& data, int perm)
{
    return Add(path, AE_IFREG, perm, data, "", "");
}

ArchiveWriter& ArchiveWriter::Dir(const std::string& path, int perm)
{
    return Add(path, AE_IFDIR, perm, "", "", "");
}

ArchiveWriter& ArchiveWriter::Symlink(const std::string& path, const std::string& target)
{
    return Add(path, AE_IFLNK, 0777, "", target, "");
}

ArchiveWriter& ArchiveWriter::Hardlink(const std::string& path, const std::string& target)
{
    return Add(path, AE_IFREG, 0644, "", "", target);
}

ArchiveWriter& ArchiveWriter::Fifo(const std::string& path)
{
    return Add(path, AE_IFIFO, 0644, "", "", "");
}

ArchiveWriter& ArchiveWriter::CharDevice(const std::string& path, unsigned major_no,
                                         unsigned minor_no)
{
    return Add(path, AE_IFCHR, 0644, "", "", "", makedev(major_no, minor_no));
}

ArchiveWriter& ArchiveWriter::BlockDevice(const std::string& path, unsigned major_no,
                                          unsigned minor_no)
{
    return Add(path, AE_IFBLK, 0644, "", "", "", makedev(major_no, minor_no));
}

ArchiveWriter& ArchiveWriter::Add(const std::string& path, unsigned type, int perm,
                                  const std::string& data, const std::string& symlink,
                                  const std::string& hardlink, dev_t dev)
{
    entries.push_back(Entry{path, type, perm, data, symlink, hardlink, dev});
    return *this;
}

bool ArchiveWriter::WriteTo(const std::string& file)
{
    archive* a = archive_write_new();
    if (format == Zip) {
        archive_write_set_format_zip(a);
    } else {
        archive_write_set_format_pax_restricted(a);
    }
    if (format == TarGz) {
        archive_write_add_filter_gzip(a);
    }
    bool ok = archive_write_open_filename(a, file.c_str()) == ARCHIVE_OK;
    for (size_t i = 0; ok && i < entries.size(); ++i) {
        const Entry& e = entries[i];
        archive_entry* entry = archive_entry_new();
        archive_entry_copy_pathname(entry, e.path.c_str());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, e.perm);
        archive_entry_set_mtime(entry, 1700000000, 0);
        archive_entry_set_size(entry, static_cast<la_int64_t>(e.data.size()));
        if (!e.symlink.empty()) {
            archive_entry_copy_symlink(entry, e.symlink.c_str());
        }
        if (!e.hardlink.empty()) {
            archive_entry_copy_hardlink(entry, e.hardlink.c_str());
        }
        if (e.dev) {
            archive_entry_set_rdev(entry, e.dev);
        }
        ok = archive_write_header(a, entry) == ARCHIVE_OK &&
             (e.data.empty() || archive_write_data(a, e.data.data(), e.data.size()) ==
                                    static_cast<la_ssize_t>(e.data.size()));
        archive_entry_free(entry);
    }
    if (!ok) {
        const char* text = archive_error_string(a);
        err = text ? text : "write failed";
    }
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}
