// scripts/make-bundle run for real on application folders made by the test; the bundle it
// assembles is checked file by file and its package is read back with libarchive.

#include "support/child.h"
#include "support/env.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <QImage>
#include <QLibraryInfo>
#include <QSettings>

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <map>

#include <gtest/gtest.h>

using namespace testutil;
namespace fs = std::filesystem;

namespace {

struct PackageEntry
{
    std::string type; // "file", "dir" or "other"
    int perm;
    std::string data;
};

struct Package
{
    bool readable = false;
    std::string format;
    std::string filter;
    std::map<std::string, PackageEntry> entries;
    std::vector<std::string> order;
};

Package ReadPackage(const fs::path& path)
{
    Package package;
    archive* a = archive_read_new();
    archive_read_support_filter_all(a);
    archive_read_support_format_all(a);
    if (archive_read_open_filename(a, path.c_str(), 10240) != ARCHIVE_OK) {
        archive_read_free(a);
        return package;
    }
    archive_entry* entry = nullptr;
    int rc;
    while ((rc = archive_read_next_header(a, &entry)) == ARCHIVE_OK) {
        PackageEntry e;
        const mode_t type = archive_entry_filetype(entry);
        e.type = type == AE_IFREG ? "file" : type == AE_IFDIR ? "dir" : "other";
        e.perm = archive_entry_perm(entry);
        char buffer[8192];
        la_ssize_t n;
        while ((n = archive_read_data(a, buffer, sizeof buffer)) > 0) {
            e.data.append(buffer, static_cast<size_t>(n));
        }
        std::string name = archive_entry_pathname(entry);
        // Zip and tar both may mark folders with a trailing slash; compare without it.
        if (name.size() > 1 && name.back() == '/') {
            name.pop_back();
        }
        package.order.push_back(name);
        package.entries[name] = e;
    }
    package.readable = rc == ARCHIVE_EOF;
    switch (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_TAR:
        package.format = "tar";
        break;
    case ARCHIVE_FORMAT_ZIP:
        package.format = "zip";
        break;
    default:
        package.format = "other";
    }
    package.filter = archive_filter_name(a, 0) ? archive_filter_name(a, 0) : "";
    archive_read_free(a);
    return package;
}

class MakeBundleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.empty());
        app = dir / "client.app";
        WriteFile(app / "Contents/MacOS/halvenor-drive-ui", "#!/bin/sh\nexit 0\n");
        fs::permissions(app / "Contents/MacOS/halvenor-drive-ui",
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        WriteFile(app / "Contents/Resources/strings/en.txt", "hello\n");
        // An INFO from an older build that the bundle's version must replace in the package.
        WriteFile(app / "Contents/Resources/INFO", "[Version]\nbuild_version=1\n");
        WriteFile(app / ".hidden", "dot\n");
        WriteFile(app / "Contents/Info.plist", "<plist>the client's own</plist>\n");
        launcher = dir / "launcher";
        WriteFile(launcher, "#!/bin/sh\n");
        fs::permissions(launcher, fs::perms::owner_all);
        out = dir / "out";
    }

    RunResult MakeBundle(const std::vector<std::string>& extra)
    {
        ChildOptions options{"/bin/bash", HALVENOR_SOURCE_DIR "/scripts/make-bundle", "--launcher",
                             launcher.string()};
        options.argv.insert(options.argv.end(), extra.begin(), extra.end());
        options.env = ChildEnv(ChildEnv::kEverything).list();
        options.outFile = (dir / "run-output.txt").string();
        options.errFile = "";
        return RunToEnd(options);
    }

    RunResult MakeBundle(const std::string& version, const std::vector<std::string>& extra = {})
    {
        std::vector<std::string> argv = {"--app", app.string(), "--version",
                                         version, "--out",      out.string()};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return MakeBundle(argv);
    }

    fs::path Bundle() const { return out / "Halvenor.app"; }
    fs::path PackagePath() const { return Bundle() / "Contents/Resources/package/halvenor.vpk"; }

    TempDir tmp;
    const fs::path dir{tmp.path()};
    fs::path app;
    fs::path launcher;
    fs::path out;
};

// A property list as Python's plistlib reads it: key=value lines, sorted.
std::string PlistOf(const fs::path& path)
{
    ChildOptions options{"/usr/bin/python3", "-c",
                         "import plistlib, sys\n"
                         "for k, v in sorted(plistlib.load(open(sys.argv[1], 'rb')).items()):\n"
                         "    print(f'{k}={v}')",
                         path.string()};
    options.outFile = path.string() + ".parsed";
    const RunResult r = RunToEnd(options);
    return r.code() == 0 ? r.out : "plistlib: " + DescribeStatus(r.status);
}

std::map<std::string, std::string> VersionOf(const std::string& path)
{
    QSettings info(QString::fromStdString(path), QSettings::IniFormat);
    info.beginGroup("Version");
    std::map<std::string, std::string> values;
    for (const QString& key : info.childKeys()) {
        values[key.toStdString()] = info.value(key).toString().toStdString();
    }
    return values;
}

TEST_F(MakeBundleTest, AssemblesTheBundleLayout)
{
    const RunResult r = MakeBundle("2.5.1017.4");
    ASSERT_EQ(r.code(), 0) << r.out;

    // Launcher copied as an executable into Contents/MacOS.
    const fs::path exe = Bundle() / "Contents/MacOS/launcher";
    ASSERT_TRUE(fs::is_regular_file(exe));
    EXPECT_EQ(ReadFile(exe), ReadFile(launcher));
    EXPECT_EQ(access(exe.c_str(), X_OK), 0);

    // The bundle's version record: four keys in the group Version, as the launcher reads it.
    const std::map<std::string, std::string> expected = {{"major_version", "2"},
                                                         {"minor_version", "5"},
                                                         {"build_version", "1017"},
                                                         {"icon_overlay_version", "4"}};
    const fs::path info = Bundle() / "Contents/Resources/INFO";
    EXPECT_EQ(VersionOf(info.string()), expected);

    // What Finder and Launch Services read; the packed client keeps its own.
    EXPECT_EQ(PlistOf(Bundle() / "Contents/Info.plist"),
              "CFBundleExecutable=launcher\nCFBundleIdentifier=com.halvenor.drive\n"
              "CFBundleName=Halvenor Drive\nCFBundlePackageType=APPL\n"
              "CFBundleShortVersionString=2.5.1017\nCFBundleVersion=1017\n"
              "LSMinimumSystemVersion=11.0\nNSHighResolutionCapable=True\n");
    EXPECT_EQ(ReadPackage(PackagePath()).entries["Contents/Info.plist"].data,
              ReadFile(app / "Contents/Info.plist"));

    // Icon: a real 72x72 PNG.
    QImage icon;
    ASSERT_TRUE(
        icon.load(QString::fromStdString(
                      (Bundle() / "Contents/Resources/images/ico_72_halvenor.png").string()),
                  "PNG"));
    EXPECT_EQ(icon.width(), 72);
    EXPECT_EQ(icon.height(), 72);

    // Level file with the demo levels, one component=level line each.
    EXPECT_EQ(ReadFile(Bundle() / "log/launcher.debug"),
              "launcher_debug=7\nservice_debug=7\nextractor_debug=7\n");

    // Platform plug-ins where the launcher looks for them (Contents/Frameworks/plugins), each
    // one that this Qt has.
    const fs::path platforms = Bundle() / "Contents/Frameworks/plugins/platforms";
    const fs::path system =
        QLibraryInfo::location(QLibraryInfo::PluginsPath).toStdString() + "/platforms";
    EXPECT_TRUE(fs::is_regular_file(platforms / "libqoffscreen.so"));
    for (const char* plugin : {"libqxcb.so", "libqminimal.so"}) {
        EXPECT_EQ(fs::is_regular_file(platforms / plugin), fs::is_regular_file(system / plugin))
            << plugin;
    }

    // Nothing else is left beside the bundle (no staging folder).
    int children = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(out)) {
        ++children;
    }
    EXPECT_EQ(children, 1);
}

TEST_F(MakeBundleTest, PackagesTheClientWithItsVersion)
{
    const std::string before = ReadFile(app / "Contents/Resources/INFO");

    // Default format: gzip-compressed tar.
    ASSERT_EQ(MakeBundle("1.0.77").code(), 0);
    Package p = ReadPackage(PackagePath());
    ASSERT_TRUE(p.readable);
    EXPECT_EQ(p.filter, "gzip");
    EXPECT_EQ(p.format, "tar");

    // Entries are relative to the application root: no "./", no leading "/", no "..",
    // hidden files included, folders before what they hold.
    for (const std::string& name : p.order) {
        EXPECT_NE(name.rfind("./", 0), 0u) << name;
        EXPECT_NE(name.front(), '/') << name;
        EXPECT_EQ(name.find(".."), std::string::npos) << name;
    }
    EXPECT_EQ(p.entries.count(".hidden"), 1u);
    EXPECT_EQ(p.entries["Contents"].type, "dir");
    EXPECT_EQ(p.entries["Contents/Resources/strings/en.txt"].data, "hello\n");

    // The client executable keeps its execute bits.
    const PackageEntry& ui = p.entries["Contents/MacOS/halvenor-drive-ui"];
    EXPECT_EQ(ui.type, "file");
    EXPECT_EQ(ui.perm & 0111, 0110);

    // The packed INFO is the bundle's, byte for byte; the source folder is not touched.
    EXPECT_EQ(p.entries["Contents/Resources/INFO"].data,
              ReadFile(Bundle() / "Contents/Resources/INFO"));
    EXPECT_NE(p.entries["Contents/Resources/INFO"].data.find("build_version=77\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile(app / "Contents/Resources/INFO"), before);

    // Other formats hold the same entries.
    const std::map<std::string, std::pair<std::string, std::string>> formats = {
        {"zip", {"zip", "none"}},
        {"tar.xz", {"tar", "xz"}},
        {"tar.bz2", {"tar", "bzip2"}},
        {"tar.zst", {"tar", "zstd"}},
        {"tar", {"tar", "none"}}};
    for (const auto& [format, expected] : formats) {
        ASSERT_EQ(MakeBundle("1.0.77", {"--format", format, "--force"}).code(), 0) << format;
        Package other = ReadPackage(PackagePath());
        ASSERT_TRUE(other.readable) << format;
        EXPECT_EQ(other.format, expected.first) << format;
        EXPECT_EQ(other.filter, expected.second) << format;
        EXPECT_EQ(other.entries.size(), p.entries.size()) << format;
        EXPECT_EQ(other.entries["Contents/Resources/INFO"].data,
                  p.entries["Contents/Resources/INFO"].data)
            << format;
    }
}

TEST_F(MakeBundleTest, OptionsAndReplacement)
{
    // Default overlay is 1; no level file when the level list is empty.
    ASSERT_EQ(MakeBundle("1.2.3", {"--levels", ""}).code(), 0);
    EXPECT_EQ(VersionOf((Bundle() / "Contents/Resources/INFO").string())["icon_overlay_version"],
              "1");
    EXPECT_FALSE(fs::exists(Bundle() / "log/launcher.debug"));

    // An existing bundle is kept unless --force is given.
    const RunResult again = MakeBundle("1.2.4");
    EXPECT_NE(again.code(), 0);
    EXPECT_NE(again.out.find("--force"), std::string::npos) << again.out;
    EXPECT_EQ(VersionOf((Bundle() / "Contents/Resources/INFO").string())["build_version"], "3");

    // With --force it is replaced, levels given comma separated.
    ASSERT_EQ(MakeBundle("1.2.4", {"--force", "--levels", "service_debug=6,file_op_debug=0",
                                   "--identifier", "org.example.drive-beta"})
                  .code(),
              0);
    EXPECT_NE(PlistOf(Bundle() / "Contents/Info.plist")
                  .find("\nCFBundleIdentifier=org.example.drive-beta\n"),
              std::string::npos);
    EXPECT_EQ(VersionOf((Bundle() / "Contents/Resources/INFO").string())["build_version"], "4");
    EXPECT_EQ(ReadFile(Bundle() / "log/launcher.debug"), "service_debug=6\nfile_op_debug=0\n");
}

TEST_F(MakeBundleTest, RefusesBadInput)
{
    const auto refused = [&](const std::vector<std::string>& argv, const std::string& message) {
        const RunResult r = MakeBundle(argv);
        EXPECT_NE(r.code(), 0) << message;
        EXPECT_NE(r.out.find(message), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(Bundle())) << message;
    };
    const std::string a = app.string();
    const std::string o = out.string();

    // Versions the launcher could not compare.
    refused({"--app", a, "--out", o, "--version", "1.0"}, "is not MAJOR.MINOR.BUILD");
    refused({"--app", a, "--out", o, "--version", "1.x.3"}, "is not MAJOR.MINOR.BUILD");
    refused({"--app", a, "--out", o, "--version", "1.0.-3"}, "is not MAJOR.MINOR.BUILD");
    refused({"--app", a, "--out", o, "--version", "1.0.2147483648"}, "32-bit");

    // Missing arguments and unknown options.
    refused({"--app", a, "--out", o}, "--version is required");
    refused({"--app", a, "--version", "1.0.1", "--out"}, "--out needs a value");
    refused({"--app", a, "--out", o, "--version", "1.0.1", "--colour"}, "unknown argument");

    // An application folder without the client executable would be reinstalled forever.
    fs::remove(app / "Contents/MacOS/halvenor-drive-ui");
    refused({"--app", a, "--out", o, "--version", "1.0.1"}, "halvenor-drive-ui");
    WriteFile(app / "Contents/MacOS/halvenor-drive-ui", "not executable");
    refused({"--app", a, "--out", o, "--version", "1.0.1"}, "halvenor-drive-ui");
    fs::permissions(app / "Contents/MacOS/halvenor-drive-ui", fs::perms::owner_all);
    refused({"--app", (dir / "nowhere").string(), "--out", o, "--version", "1.0.1"},
            "does not exist");

    // Icons that are not 72x72 PNGs.
    QImage small(48, 48, QImage::Format_ARGB32);
    small.fill(Qt::blue);
    ASSERT_TRUE(small.save(QString::fromStdString((dir / "small.png").string()), "PNG"));
    refused({"--app", a, "--out", o, "--version", "1.0.1", "--icon", (dir / "small.png").string()},
            "48x48, not 72x72");
    WriteFile(dir / "fake.png", "GIF89a not a png at all");
    refused({"--app", a, "--out", o, "--version", "1.0.1", "--icon", (dir / "fake.png").string()},
            "not a PNG");

    // Unknown format, malformed level, missing launcher.
    refused({"--app", a, "--out", o, "--version", "1.0.1", "--format", "rar"}, "unknown package");
    refused({"--app", a, "--out", o, "--version", "1.0.1", "--identifier", "drive</string>"},
            "is not reverse-DNS");
    refused({"--app", a, "--out", o, "--version", "1.0.1", "--levels", "service_debug"},
            "is not component=number");
    fs::remove(launcher);
    refused({"--app", a, "--out", o, "--version", "1.0.1"}, "launcher executable");
}

} // namespace
