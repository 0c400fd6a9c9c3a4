#include "platform/canonical_path.h"

#include <CoreServices/CoreServices.h>

int CanonicalPath(const char* path, bool followLeaf, char* out, size_t outSize)
{
    FSRef ref;
    OSStatus status;
    if (followLeaf) {
        status = FSPathMakeRef(reinterpret_cast<const UInt8*>(path), &ref, NULL);
    } else {
        status = FSPathMakeRefWithOptions(reinterpret_cast<const UInt8*>(path),
                                          kFSPathMakeRefDoNotFollowLeafSymlink, &ref, NULL);
    }
    if (status != noErr) {
        return status;
    }
    return FSRefMakePath(&ref, reinterpret_cast<UInt8*>(out), static_cast<UInt32>(outSize));
}
