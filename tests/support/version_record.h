#pragma once

#include <string>

namespace testutil {

// A version record in the INI format of the records the launcher reads.
inline std::string VersionRecord(const std::string& major, const std::string& minor,
                                 const std::string& build, const std::string& iconOverlay)
{
    return "[Version]\nmajor_version=" + major + "\nminor_version=" + minor +
           "\nbuild_version=" + build + "\nicon_overlay_version=" + iconOverlay + "\n";
}

// Version 3.1 of the given build.
inline std::string VersionRecord(const std::string& build)
{
    return VersionRecord("3", "1", build, "2");
}

} // namespace testutil
