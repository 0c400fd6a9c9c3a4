#pragma once

#include "bounded_child.h"
#include "ustring/ustring.h"

#include <string>

// Paths hanging off the launcher's own folder (Contents/MacOS). Nothing in
// the upgrade flow creates one; it is kept for the suite's other programs.
class PackageInfo
{
public:
    PackageInfo();

    ustring image_path;
    ustring log_path;
    ustring level_file_path;
    ustring package_path;
    ustring conf_path;
};

// Name of backup folder number n of path: path + "_tmp" for 0, path + "_tmp"
// + n for the others.
ustring GetAppBackupDir(const ustring& path, int n);

// The marker beside the copy at path (path + ".upgrading") that exists from
// before the copy is moved aside until the copy in place is complete again.
ustring GetUpgradeMarkerPath(const ustring& path);

// The record beside the copy at path (path + ".rejected") of a package whose
// copy was unusable, so that it is not installed again at every start.
ustring GetRejectedPackagePath(const ustring& path);

// The client UI executable inside the copy of the application at copy.
ustring GetUiExecutablePath(const ustring& copy);

// Whether path is a regular file with an execute bit: nothing else can start
// the client, so anything else counts as missing.
bool IsUsableUiExecutable(const ustring& path);

// The leading decimal number of a build version as atoi reads it, clamped to
// int instead of overflowing; 0 for no digits.
int ReadBuildNumber(const ustring& text);

// The upgrade service: where the bundle and the per-user copy live, their
// version records ("target" is what the bundle ships, "source" what the
// per-user copy holds), and the platform-neutral steps that replace the
// per-user copy. Instance operations run on the worker's handler thread, one
// at a time, may block on the file system and never show UI.
class Service
{
public:
    Service();
    virtual ~Service();

    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // Stops the running client UI, if any; blocks for up to about five seconds.
    virtual void StopService() = 0;
    virtual void SetTimeout(int value);
    // Replaces the per-user copy: 0 on success, negative on failure.
    virtual int HandlePackageUpgrade() = 0;
    // Runs after the decision in every run: launches the client.
    virtual void PostUpgrade() = 0;
    // Runs before the decision: loads both version records.
    virtual void PreUpgrade() = 0;
    // The upgrade decision; reads only what PreUpgrade loaded and the disk.
    virtual bool IsNeedUpgrade() = 0;
    // Extracts the bundle's package into the per-user copy: 0 or -1.
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Backs up the per-user copy, extracts, then cleans up or rolls back: 0 or -1.
    // First undoes an upgrade that was interrupted; refuses (-1) when it cannot.
    virtual int PrepareUserEnv();

    // Copies a file or a whole folder tree: 0 or -1.
    int FSCopyPath(const ustring& from, const ustring& to);
    // Removes ~/.Halvenor/app; best effort.
    void RemoveAgedFolders();

    // Whether the bundle's package is a regular file that reads as an
    // archive within package_check_limits; logs why not. Checked before
    // anything is stopped or moved.
    bool IsPackageReadable();
    // Whether the upgrade marker can be written beside the per-user copy;
    // logs why not. Checked before the client is stopped for an upgrade.
    bool CanWriteUpgradeMarker();
    // Whether the bundle's package, as it is now, once installed a copy that
    // was unusable (logged).
    bool IsPackageRejected();

    // Puts the per-user copy back into a known state after a run that was
    // killed or lost power: undoes an interrupted upgrade (restores the old
    // copy from its backup, or removes an incomplete first copy), then, when
    // the copy in place is complete, removes leftover backups. 0, or -1 when
    // an interrupted upgrade could not be undone.
    int RecoverUserEnv();
    // True while an upgrade of the per-user copy has begun and not ended:
    // the copy in place may then be incomplete.
    bool IsUpgradeIncomplete();

    // Stateless; callable from any thread. UTF-8, no trailing slash.
    static ustring GetUserInstallPath();
    static ustring GetRootHalvenorInstallPath();
    static ustring GetRootHalvenorResourceInstallPath();
    static ustring GetUserHalvenorInstallPath();
    static ustring GetUserHalvenorAppInstallPath();
    static ustring GetUserHalvenorDataInstallPath();

    // Bounds of reading a package that has not been accepted yet.
    static BoundedChild::Limits package_check_limits;

    int timeout;
    ustring user_app_path;
    ustring target_major_version;
    ustring target_minor_version;
    ustring target_build_version;
    ustring target_icon_overlay_version;
    ustring source_major_version;
    ustring source_minor_version;
    ustring source_build_version;
    ustring source_icon_overlay_version;

private:
    int UndoInterruptedUpgrade();
    // Extracts the package in place of the copy and checks that the result
    // can run and would survive a power loss: 0 or -1 (logged).
    int InstallPackage();
    void RemoveLeftoverBackups();
    // Empty when the copy just extracted can run and is the bundle's build.
    std::string UnusableCopyReason();
    void RejectPackage();
};
