#include "temp_dir.h"

#include "files.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

namespace testutil {

TempDir::TempDir(const std::string& prefix, const std::string& parent)
{
    const char* tmp = getenv("TMPDIR");
    const std::string base = !parent.empty()                  ? parent
                             : tmp != nullptr && *tmp != '\0' ? tmp
                                                              : "/tmp";
    std::string pattern = base + "/" + prefix + ".XXXXXX";
    char real[PATH_MAX];
    if (mkdtemp(&pattern[0]) != nullptr && realpath(pattern.c_str(), real) != nullptr) {
        dir = real;
    }
}

TempDir::~TempDir()
{
    if (dir.empty()) {
        return;
    }
    const ::testing::UnitTest* unit = ::testing::UnitTest::GetInstance();
    const bool failed =
        unit->current_test_info() != nullptr ? ::testing::Test::HasFailure() : unit->Failed();
    if (keep || failed) {
        printf("kept test folder %s\n", dir.c_str());
    } else {
        RemoveTree(dir);
    }
}

} // namespace testutil
