#pragma once

// Work that may wait for a core nobody else wants.
namespace ThreadPriority {

// Moves the calling thread to the system's lowest class (Linux SCHED_IDLE,
// macOS the background QoS class): it then only runs on a core that would
// otherwise idle. 0, or an errno value (the thread runs on as it was).
int RunOnlyWhenIdle();

} // namespace ThreadPriority
