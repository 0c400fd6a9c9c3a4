#pragma once

#include <string>

namespace testutil {

// A fresh folder under parent ($TMPDIR or /tmp when empty), by its real path
// so that it compares equal to the paths that programs report. Removed at the
// end unless kept, or the test (outside a test: any test) failed; then its path
// is printed for a post-mortem. path() is empty when it could not be made.
class TempDir
{
public:
    explicit TempDir(const std::string& prefix = "halvenor", const std::string& parent = "");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return dir; }
    void Keep() { keep = true; }

private:
    std::string dir;
    bool keep = false;
};

} // namespace testutil
