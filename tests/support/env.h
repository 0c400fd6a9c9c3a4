#pragma once

#include <map>
#include <string>
#include <vector>

namespace testutil {

// The environment of a child process: this process's variables (only those
// that the dynamic linker and sanitizer builds need, or all of them) with the
// suppressions for the uninstrumented Qt libraries that sanitizer builds
// report. A child of another user cannot read a private checkout: give it a
// suppressionDir with copies of lsan.supp and tsan.supp that it can read.
class ChildEnv
{
public:
    enum Base
    {
        kEssentials,
        kEverything
    };
    explicit ChildEnv(Base base = kEssentials, const std::string& suppressionDir = TestDir());

    // An empty value removes the variable.
    ChildEnv& Set(const std::string& name, const std::string& value);
    // "NAME=value".
    ChildEnv& Set(const std::string& assignment);
    std::vector<std::string> list() const;

    // The folder of the tests' sources, which holds the suppression files.
    static std::string TestDir();

private:
    std::map<std::string, std::string> vars;
};

} // namespace testutil
