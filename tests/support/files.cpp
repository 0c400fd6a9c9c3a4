#include "files.h"

#include <QLibraryInfo>
#include <QString>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testutil {

namespace {

bool Check(bool ok, const std::string& what)
{
    if (!ok && ::testing::UnitTest::GetInstance()->current_test_info() != nullptr) {
        ADD_FAILURE() << what;
    }
    return ok;
}

} // namespace

std::string ReadFile(const std::string& path)
{
    // Non-blocking: a FIFO planted where a test polls for a file would
    // otherwise hold the test until someone writes to it.
    std::string data;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0 || S_ISFIFO(st.st_mode)) {
        if (fd >= 0) {
            close(fd);
        }
        return data;
    }
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof(buffer))) > 0 || (n < 0 && errno == EINTR)) {
        data.append(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    }
    close(fd);
    return data;
}

bool WriteFile(const std::string& path, const std::string& data, int mode)
{
    const std::string parent = fs::path(path).parent_path().string();
    if (!parent.empty() && !MakeDirs(parent)) {
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
    out.close();
    return Check(out.good() && (mode < 0 || chmod(path.c_str(), mode) == 0),
                 "cannot write " + path);
}

bool MakeDirs(const std::string& path, mode_t mode)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), mode) != 0 && errno != EEXIST) {
            return Check(false, part + ": " + strerror(errno));
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

void RemoveTree(const std::string& path)
{
    std::error_code error;
    fs::remove_all(path, error);
    Check(!error, path + ": " + error.message());
}

bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

std::set<std::string> Names(const std::string& dir)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        names.insert(it->path().filename().string());
    }
    return names;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Noise(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string data(size, '\0');
    for (char& c : data) {
        c = static_cast<char>(random());
    }
    return data;
}

bool LinkPlatformPlugins(const std::string& bundle, std::string& error)
{
    const std::string from =
        QLibraryInfo::location(QLibraryInfo::PluginsPath).toStdString() + "/platforms";
    const std::string to = bundle + "/Contents/Frameworks/plugins/platforms";
    if (!MakeDirs(to)) {
        error = "cannot create " + to;
        return false;
    }
    int linked = 0;
    std::error_code failed;
    for (fs::directory_iterator it(from, failed), end; !failed && it != end; it.increment(failed)) {
        const std::string target = to + "/" + it->path().filename().string();
        if (it->path().extension() != ".so") {
            continue;
        }
        if (symlink(it->path().c_str(), target.c_str()) != 0) {
            error = target + ": " + strerror(errno);
            return false;
        }
        ++linked;
    }
    error = linked > 0 ? "" : "no Qt platform plug-ins in " + from;
    return linked > 0;
}

} // namespace testutil
