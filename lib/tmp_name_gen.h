#pragma once

#include <pthread.h>

#include "ustring/ustring.h"

// Process-wide source of short random names for temporary files: an RC4
// state seeded once from the random device. A name carries 48 random bits;
// nothing is created on disk.
class TmpNameGen
{
public:
    static TmpNameGen& getInstance();

    TmpNameGen(const TmpNameGen&) = delete;
    TmpNameGen& operator=(const TmpNameGen&) = delete;

    // 8 characters of [0-9a-zA-Z-_]. Takes the mutex: never call it between
    // lock() and unlock() on the same thread.
    ustring getTmpName();
    // dir + "/" + getTmpName(); a dir ending in "/" gives a double "/".
    ustring getTmpPath(const ustring& dir);

    void lock();
    void unlock();

    // Fills buf (at least 256 bytes) from the random device. After a full read
    // returns the result of closing it (0); otherwise writes the time of day
    // as "%lu-%lu", bounded by len, and returns that text's length.
    static int get_key(unsigned char* buf, unsigned long len);
    // RC4 key schedule with a 256-byte key.
    static void rc4_init(unsigned char* sbox, unsigned char* key);
    // n bytes of RC4 output. i and j restart at 0 on every call; sbox keeps
    // its changes. Nothing happens for n <= 0.
    static void rc4_randomize(unsigned char* sbox, unsigned char* out, int n);

protected:
    // Seeds from randomDevice; the default is the system's random device.
    // Tests pass a missing or short file to exercise the fallback seed.
    explicit TmpNameGen(const char* randomDevice = "/dev/urandom");
    ~TmpNameGen();

    static int get_key_from(const char* device, unsigned char* buf, unsigned long len);

    pthread_mutex_t mutex;
    unsigned char sbox[256];
    unsigned char key[256];
    unsigned char rand_bytes[6];
};
