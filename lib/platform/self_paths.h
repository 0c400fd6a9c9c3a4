#pragma once

#include <string>

// A path that opens the very file behind fd, for libraries that take only
// paths: what is opened is the checked file, whatever its name names now.
std::string FdPath(int fd);

// The real path of the running executable, empty when it cannot be told.
std::string ExecutablePath();
