#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Runs work that may never end or may allocate without bound (reading an
// untrusted archive with a library that has such bugs) in a forked child,
// with a deadline and a memory cap, so that the caller always gets an answer.
namespace BoundedChild {

enum Verdict
{
    kOk,
    kFailed,
    kTimedOut,
    kOutOfMemory,
    kNotStarted // no child could be made; work has not run
};

struct Limits
{
    int milliseconds; // wall clock, from the fork
    size_t bytes;     // writable memory of the child, where MemoryCapped()
};

// Whether Limits::bytes is enforced in this build: not under the sanitizers,
// whose shadow memory alone exceeds any cap, nor where the system ignores it.
bool MemoryCapped();

// Runs work in a child of the calling thread and blocks until the child ends
// or is killed at the deadline; the child is always reaped. work returns 0 on
// success, ENOMEM when it ran out of memory, anything else for a failure with
// why filled. In the child, work may use only what fork leaves usable: no
// locks that another thread may hold (the logger's), no Qt, no threads; the
// C library's allocator is safe, as it takes its locks around fork. why tells
// the reason of anything but kOk.
Verdict Run(const std::function<int(std::string& why)>& work, const Limits& limits,
            std::string& why);

} // namespace BoundedChild
