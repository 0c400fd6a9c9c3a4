#pragma once

#include <set>
#include <string>
#include <vector>

#include <sys/types.h>

// Files for the tests. Inside a test a failed write, folder creation or
// removal also fails the test: no test wants one to go unnoticed.
namespace testutil {

// The whole file; empty when it cannot be read or is a FIFO.
std::string ReadFile(const std::string& path);
// Creates the parent folders; mode, when given, is set on the file.
bool WriteFile(const std::string& path, const std::string& data, int mode = -1);
bool MakeDirs(const std::string& path, mode_t mode = 0755);
void RemoveTree(const std::string& path);
// Also for a link, whatever it points to.
bool Exists(const std::string& path);
// The names in a folder; empty when it does not exist.
std::set<std::string> Names(const std::string& dir);
std::vector<std::string> SplitLines(const std::string& text);
// size pseudo-random bytes that do not compress, the same for the same seed.
std::string Noise(size_t size, unsigned seed);
// Links the Qt platform plug-ins into <bundle>/Contents/Frameworks/plugins,
// where the launcher looks for them; false with error set when that fails.
bool LinkPlatformPlugins(const std::string& bundle, std::string& error);

} // namespace testutil
