#include "platform/thread_priority.h"

#include <pthread.h>
#include <sys/qos.h>

namespace ThreadPriority {

// Background QoS also throttles the thread's disk reads, which suits a thread
// that only counts.
int RunOnlyWhenIdle()
{
    return pthread_set_qos_class_self_np(QOS_CLASS_BACKGROUND, 0);
}

} // namespace ThreadPriority
