#include "tmp_name_gen.h"

#include "file/file-op.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

// Opens the protected seam: a generator seeded from any device path, and its
// state.
class TestGen : public TmpNameGen
{
public:
    explicit TestGen(const char* device) : TmpNameGen(device) {}
    using TmpNameGen::get_key_from;
    using TmpNameGen::key;
    using TmpNameGen::rand_bytes;
    using TmpNameGen::sbox;
};

std::string Hex(const unsigned char* p, size_t n)
{
    std::string s;
    char b[3];
    for (size_t i = 0; i < n; ++i) {
        snprintf(b, sizeof(b), "%02x", p[i]);
        s += b;
    }
    return s;
}

void KeyRepeated(const std::vector<unsigned char>& k, unsigned char* key)
{
    for (int i = 0; i < 256; ++i) {
        key[i] = k[i % k.size()];
    }
}

// Standard Base64 of 6 bytes, its letters moved onto the name alphabet.
std::string Encode(const unsigned char* b)
{
    static const std::string b64 =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    unsigned long bits = 0;
    for (int i = 0; i < 6; ++i) {
        bits = (bits << 8) | b[i];
    }
    std::string out;
    for (int c = 7; c >= 0; --c) {
        out += b64[(bits >> (6 * c)) & 63];
    }
    for (char& ch : out) {
        ch = kAlphabet[b64.find(ch)];
    }
    return out;
}

bool InAlphabet(const ustring& name)
{
    return name.length() == 8 &&
           std::string(name.c_str()).find_first_not_of(kAlphabet) == std::string::npos;
}

TEST(TmpNameGenTest, Rc4KnownAnswers)
{
    unsigned char key[256], sbox[256], out[16];

    // Published RC4 key streams; a short key repeated to 256 bytes is the same key
    KeyRepeated({'K', 'e', 'y'}, key);
    TmpNameGen::rc4_init(sbox, key);
    TmpNameGen::rc4_randomize(sbox, out, 10);
    EXPECT_EQ(Hex(out, 10), "eb9f7781b734ca72a719");
    KeyRepeated({1, 2, 3, 4, 5}, key);
    TmpNameGen::rc4_init(sbox, key);
    TmpNameGen::rc4_randomize(sbox, out, 16);
    EXPECT_EQ(Hex(out, 16), "b2396305f03dc027ccc3524a0a1118a8");

    // A second call starts again at i = j = 0 on the changed state
    KeyRepeated({'W', 'i', 'k', 'i'}, key);
    TmpNameGen::rc4_init(sbox, key);
    TmpNameGen::rc4_randomize(sbox, out, 3);
    TmpNameGen::rc4_randomize(sbox, out + 3, 3);
    EXPECT_EQ(Hex(out, 3), "6044db");
    unsigned char ref[256];
    TmpNameGen::rc4_init(ref, key);
    TmpNameGen::rc4_randomize(ref, out + 8, 3);
    unsigned char expected[3];
    for (unsigned i = 1, j = 0; i <= 3; ++i) {
        j = (j + ref[i]) & 0xFF;
        std::swap(ref[i], ref[j]);
        expected[i - 1] = ref[(ref[i] + ref[j]) & 0xFF];
    }
    EXPECT_EQ(Hex(out + 3, 3), Hex(expected, 3));
    EXPECT_NE(Hex(out + 3, 3), "6d41b7"); // not the continued stream

    // The state stays a permutation; a count of 0 or less changes nothing
    std::vector<unsigned char> before(sbox, sbox + 256);
    std::vector<unsigned char> sorted = before;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(sorted[i], i);
    }
    memset(out, 0x5A, sizeof(out));
    TmpNameGen::rc4_randomize(sbox, out, 0);
    TmpNameGen::rc4_randomize(sbox, out, -4);
    EXPECT_EQ(std::vector<unsigned char>(sbox, sbox + 256), before);
    EXPECT_EQ(Hex(out, 16), "5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a");
}

TEST(TmpNameGenTest, NamesFromKnownState)
{
    // The draw is RC4 output in the Base64 bit layout over the name alphabet
    TestGen gen("/dev/urandom");
    KeyRepeated({'K', 'e', 'y'}, gen.key);
    TmpNameGen::rc4_init(gen.sbox, gen.key);
    const ustring first = gen.getTmpName();
    EXPECT_EQ(Hex(gen.rand_bytes, 6), "eb9f7781b734");
    EXPECT_EQ(std::string(first.c_str()), Encode(gen.rand_bytes));
    const ustring second = gen.getTmpName();
    EXPECT_EQ(std::string(second.c_str()), Encode(gen.rand_bytes));
    EXPECT_NE(first, second);

    // Paths join with one "/" added, whatever the folder ends with
    const ustring path = gen.getTmpPath("/tmp");
    EXPECT_EQ(path.length(), 13u);
    EXPECT_EQ(path.substr(0, 5), ustring("/tmp/"));
    EXPECT_TRUE(InAlphabet(path.substr(5)));
    EXPECT_EQ(gen.getTmpPath("/tmp/").substr(0, 6), ustring("/tmp//"));
    ustring out;
    EXPECT_EQ(FSCreateTempPath("/x", out), 0);
    EXPECT_EQ(out.length(), 11u);
    EXPECT_TRUE(InAlphabet(out.substr(3)));
}

TEST(TmpNameGenTest, SeedSources)
{
    const testutil::TempDir tmp("tmp_name_gen_test");
    const std::string dir = tmp.path();
    ASSERT_FALSE(dir.empty());
    unsigned char buf[256];

    // A full read from the device: the key is the device's bytes
    std::string full(256, '\0');
    for (int i = 0; i < 256; ++i) {
        full[i] = static_cast<char>(255 - i);
    }
    std::ofstream(dir + "/full", std::ios::binary) << full;
    EXPECT_EQ(TestGen::get_key_from((dir + "/full").c_str(), buf, sizeof(buf)), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 256), full);
    EXPECT_EQ(TmpNameGen::get_key(buf, sizeof(buf)), 0);

    // No device: "seconds-microseconds", the rest of the buffer untouched
    memset(buf, 0xAA, sizeof(buf));
    const int n = TestGen::get_key_from((dir + "/none").c_str(), buf, sizeof(buf));
    const std::string text(reinterpret_cast<char*>(buf));
    EXPECT_EQ(n, static_cast<int>(text.size()));
    const size_t dash = text.find('-');
    ASSERT_NE(dash, std::string::npos);
    EXPECT_EQ(std::stoul(text.substr(0, dash)) / 10,
              static_cast<unsigned long>(time(nullptr)) / 10);
    EXPECT_EQ(text.find_first_not_of("0123456789-"), std::string::npos);
    EXPECT_EQ(buf[n + 1], 0xAA);
    EXPECT_EQ(buf[255], 0xAA);

    // A short read falls back too and keeps the bytes read after the text
    std::ofstream(dir + "/short", std::ios::binary) << std::string(40, 'S');
    memset(buf, 0, sizeof(buf));
    const int m = TestGen::get_key_from((dir + "/short").c_str(), buf, sizeof(buf));
    EXPECT_GT(m, 2);
    EXPECT_EQ(buf[m], 0);
    EXPECT_EQ(buf[m + 1], 'S');
    EXPECT_EQ(buf[39], 'S');
    EXPECT_EQ(buf[40], 0);

    // The length bounds the text
    memset(buf, 0xAA, sizeof(buf));
    EXPECT_EQ(TestGen::get_key_from((dir + "/none").c_str(), buf, 5), 4);
    EXPECT_EQ(buf[4], 0);
    EXPECT_EQ(buf[5], 0xAA);

    // A generator without a device still draws valid names
    TestGen fallback((dir + "/none").c_str());
    EXPECT_TRUE(InAlphabet(fallback.getTmpName()));
}

TEST(TmpNameGenTest, ConcurrentDrawsNeverRepeat)
{
    // 400,000 names of 48 bits: a chance repeat has odds of about 3 in 10,000
    const int threads = 8, perThread = 50000;
    std::vector<std::vector<std::string>> names(threads);
    std::vector<TmpNameGen*> instances(threads);
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            instances[t] = &TmpNameGen::getInstance();
            names[t].reserve(perThread);
            for (int i = 0; i < perThread; ++i) {
                names[t].push_back(instances[t]->getTmpName().c_str());
            }
        });
    }
    for (std::thread& th : pool) {
        th.join();
    }
    std::unordered_set<std::string> all;
    size_t bad = 0;
    for (int t = 0; t < threads; ++t) {
        EXPECT_EQ(instances[t], instances[0]);
        for (const std::string& n : names[t]) {
            all.insert(n);
            bad += (n.size() != 8 || n.find_first_not_of(kAlphabet) != std::string::npos);
        }
    }
    EXPECT_EQ(bad, 0u);
    EXPECT_EQ(all.size(), static_cast<size_t>(threads * perThread));
}

} // namespace
