#include "tmp_name_gen.h"

#include "file/file-op.h"
#include "safe_open.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
const size_t kKeySize = 256;

} // namespace

TmpNameGen& TmpNameGen::getInstance()
{
    static TmpNameGen instance;
    return instance;
}

TmpNameGen::TmpNameGen(const char* randomDevice)
{
    pthread_mutex_init(&mutex, nullptr);
    memset(sbox, 0, sizeof(sbox));
    memset(key, 0, sizeof(key));
    memset(rand_bytes, 0, sizeof(rand_bytes));
    get_key_from(randomDevice, key, sizeof(key));
    rc4_init(sbox, key);
}

TmpNameGen::~TmpNameGen()
{
    pthread_mutex_destroy(&mutex);
}

void TmpNameGen::lock()
{
    pthread_mutex_lock(&mutex);
}

void TmpNameGen::unlock()
{
    pthread_mutex_unlock(&mutex);
}

int TmpNameGen::get_key(unsigned char* buf, unsigned long len)
{
    return get_key_from("/dev/urandom", buf, len);
}

int TmpNameGen::get_key_from(const char* device, unsigned char* buf, unsigned long len)
{
    UniqueFd fd(open(device, O_RDONLY | O_CLOEXEC));
    if (fd.Valid()) {
        size_t got = 0;
        while (got < kKeySize) {
            const ssize_t n = read(fd.Get(), buf + got, kKeySize - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            got += static_cast<size_t>(n);
        }
        if (got == kKeySize) {
            return fd.Close() == 0 ? 0 : -1;
        }
    }

    // Without the device the time of day is the only seed at hand; the bytes
    // after the text keep what they held.
    struct timeval now;
    gettimeofday(&now, nullptr);
    const int n =
        snprintf(reinterpret_cast<char*>(buf), len, "%lu-%lu",
                 static_cast<unsigned long>(now.tv_sec), static_cast<unsigned long>(now.tv_usec));
    if (n < 0 || len == 0) {
        return 0;
    }
    return static_cast<int>(std::min(static_cast<unsigned long>(n), len - 1));
}

void TmpNameGen::rc4_init(unsigned char* sbox, unsigned char* key)
{
    for (int i = 0; i < 256; ++i) {
        sbox[i] = static_cast<unsigned char>(i);
    }
    unsigned j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + sbox[i] + key[i]) & 0xFF;
        std::swap(sbox[i], sbox[j]);
    }
}

void TmpNameGen::rc4_randomize(unsigned char* sbox, unsigned char* out, int n)
{
    unsigned i = 0;
    unsigned j = 0;
    for (int k = 0; k < n; ++k) {
        i = (i + 1) & 0xFF;
        j = (j + sbox[i]) & 0xFF;
        std::swap(sbox[i], sbox[j]);
        out[k] = sbox[(sbox[i] + sbox[j]) & 0xFF];
    }
}

ustring TmpNameGen::getTmpName()
{
    char name[9];
    lock();
    rc4_randomize(sbox, rand_bytes, sizeof(rand_bytes));
    for (int g = 0; g < 2; ++g) {
        const unsigned b0 = rand_bytes[3 * g];
        const unsigned b1 = rand_bytes[3 * g + 1];
        const unsigned b2 = rand_bytes[3 * g + 2];
        name[4 * g] = kAlphabet[b0 >> 2];
        name[4 * g + 1] = kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)];
        name[4 * g + 2] = kAlphabet[((b1 & 0x0F) << 2) | (b2 >> 6)];
        name[4 * g + 3] = kAlphabet[b2 & 0x3F];
    }
    unlock();
    name[8] = '\0';
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring& dir)
{
    return dir + "/" + getTmpName();
}

int FSCreateTempPath(const ustring& dir, ustring& out)
{
    out = TmpNameGen::getInstance().getTmpPath(dir);
    return out.empty() ? -1 : 0;
}
