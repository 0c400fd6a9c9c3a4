#include "platform/thread_priority.h"

#include <pthread.h>
#include <sched.h>

namespace ThreadPriority {

// On Linux a scheduling policy is a thread's own.
int RunOnlyWhenIdle()
{
    const sched_param param{};
    return pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
}

} // namespace ThreadPriority
