#include "env.h"

#include <cstdlib>

extern char** environ;

namespace testutil {

ChildEnv::ChildEnv(Base base, const std::string& suppressionDir)
{
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const size_t equals = entry.find('=');
        vars[entry.substr(0, equals)] = equals == std::string::npos ? "" : entry.substr(equals + 1);
    }
    if (base == kEssentials) {
        std::map<std::string, std::string> kept;
        for (const char* name : {"PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS",
                                 "LSAN_OPTIONS", "TSAN_OPTIONS"}) {
            if (vars.count(name) != 0) {
                kept[name] = vars[name];
            }
        }
        vars.swap(kept);
    }
    const auto add = [this](const std::string& name, const std::string& option) {
        std::string& value = vars[name];
        value += (value.empty() ? "" : ":") + option;
    };
    if (!suppressionDir.empty()) {
#if defined(__SANITIZE_ADDRESS__)
        add("LSAN_OPTIONS", "suppressions=" + suppressionDir + "/lsan.supp:print_suppressions=0");
#endif
#if defined(__SANITIZE_THREAD__)
        add("TSAN_OPTIONS", "suppressions=" + suppressionDir + "/tsan.supp");
#endif
    }
    (void)add;
}

ChildEnv& ChildEnv::Set(const std::string& name, const std::string& value)
{
    if (value.empty()) {
        vars.erase(name);
    } else {
        vars[name] = value;
    }
    return *this;
}

ChildEnv& ChildEnv::Set(const std::string& assignment)
{
    const size_t equals = assignment.find('=');
    if (equals != std::string::npos && equals > 0) {
        Set(assignment.substr(0, equals), assignment.substr(equals + 1));
    }
    return *this;
}

std::vector<std::string> ChildEnv::list() const
{
    std::vector<std::string> env;
    for (const auto& v : vars) {
        env.push_back(v.first + "=" + v.second);
    }
    return env;
}

std::string ChildEnv::TestDir()
{
    return HALVENOR_TEST_DIR;
}

} // namespace testutil
