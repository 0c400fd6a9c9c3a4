#pragma once

#include <string>

// Launch Services of the desktop, for the per-user copy of the client. On
// macOS these run the registration tool and the desktop's open service; on
// Linux the copy is started directly. Both may block the caller.
namespace LaunchServices {

// How long UnregisterBundle waits for the registration tool before it kills it.
constexpr int kUnregisterTimeoutMs = 5000;
constexpr int kUnregisterTimedOut = -3;

// Removes the bundle at path from the Launch Services registry. The tool's
// exit code: 0 on success; negative when it could not be started or crashed,
// kUnregisterTimedOut when it was still running after kUnregisterTimeoutMs.
int UnregisterBundle(const std::string& path);

// Opens (starts) the application bundle at path. True when it was started.
bool OpenBundle(const std::string& path);

} // namespace LaunchServices
