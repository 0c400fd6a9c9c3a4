// Config::parse on one line and Config::read on a whole file, checked against
// the grammar's invariants and against each other.

#include "config.h"

#include "fuzz_check.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::string g_path;

bool IsKeyChar(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

bool IsControl(unsigned char c)
{
    return c < 32 || c == 127;
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

struct Parsed
{
    int result;
    std::string key;
    std::string value;
};

// parse() on an exact-size copy that ends at the first NUL, so that ASan sees
// any read or write past the line.
Parsed Parse(const std::string& text, bool keep_quotes, int len_arg)
{
    const size_t n = std::strlen(text.c_str());
    std::vector<char> line(text.c_str(), text.c_str() + n + 1);
    Config config;
    config.keep_quotes = keep_quotes;
    ustring key;
    ustring value;
    const int r = config.parse(line.data(), len_arg, key, value);
    FUZZ_CHECK(config.entries.empty());
    return {r, std::string(key.c_str(), key.length()), std::string(value.c_str(), value.length())};
}

// What operator>> gives for an int: whitespace, a sign, decimal digits, the
// nearest limit when out of range, 0 without digits.
int StreamInt(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= 9 && s[i] <= 13))) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long v = 0;
    bool digits = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        digits = true;
        if (v <= INT_MAX + 1LL) {
            v = v * 10 + (s[i] - '0');
        }
    }
    if (!digits) {
        return 0;
    }
    v = negative ? -v : v;
    if (v > INT_MAX) {
        return INT_MAX;
    }
    if (v < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(v);
}

void CheckLine(const std::string& text)
{
    const Parsed plain = Parse(text, false, static_cast<int>(std::strlen(text.c_str())));
    FUZZ_CHECK(plain.result == 0 || plain.result == 1 || plain.result == 2);

    // The length argument is not consulted; keep_quotes changes only the value.
    const Parsed kept = Parse(text, true, 0);
    FUZZ_CHECK(kept.result == plain.result);
    if (plain.result != 0) {
        return;
    }
    FUZZ_CHECK(kept.key == plain.key);

    for (unsigned char c : plain.key) {
        FUZZ_CHECK(IsKeyChar(c));
    }
    for (unsigned char c : plain.value) {
        FUZZ_CHECK(!IsControl(c));
    }
    const bool quoted = kept.value != plain.value;
    if (quoted) {
        FUZZ_CHECK(kept.value.size() == plain.value.size() + 2);
        FUZZ_CHECK(IsQuote(kept.value.front()) && kept.value.back() == kept.value.front());
        FUZZ_CHECK(kept.value.compare(1, plain.value.size(), plain.value) == 0);
        FUZZ_CHECK(plain.value.find(kept.value.front()) == std::string::npos);
    } else {
        // An unquoted value is a non-empty word that cannot start with a quote.
        FUZZ_CHECK(!plain.value.empty());
        FUZZ_CHECK(!IsQuote(plain.value.front()));
        FUZZ_CHECK(plain.value.find(' ') == std::string::npos);
    }

    // The assignment written back in its plainest form reads the same.
    std::string canonical = plain.key + "=";
    if (!plain.value.empty() && !IsQuote(plain.value.front()) &&
        plain.value.find(' ') == std::string::npos) {
        canonical += plain.value;
    } else {
        const char q = plain.value.find('\'') == std::string::npos ? '\'' : '"';
        FUZZ_CHECK(plain.value.find(q) == std::string::npos);
        canonical += q + plain.value + q;
    }
    const Parsed again = Parse(canonical, false, 0);
    FUZZ_CHECK(again.result == 0);
    FUZZ_CHECK(again.key == plain.key && again.value == plain.value);
}

// Config::read as the line-by-line parse of what fgets hands it: pieces of at
// most 8191 bytes, each ending at its LF. False when a piece is malformed.
bool ModelRead(const uint8_t* data, size_t size, std::map<std::string, std::string>* entries)
{
    size_t i = 0;
    while (i < size) {
        size_t end = i;
        while (end < size && end - i < 8191) {
            if (data[end++] == '\n') {
                break;
            }
        }
        const Parsed p = Parse(std::string(reinterpret_cast<const char*>(data) + i, end - i), false,
                               static_cast<int>(end - i));
        if (p.result == 2) {
            return false;
        }
        if (p.result == 0) {
            (*entries)[p.key] = p.value;
        }
        i = end;
    }
    return true;
}

void CheckRead(const uint8_t* data, size_t size)
{
    FILE* fp = std::fopen(g_path.c_str(), "wb");
    FUZZ_CHECK(fp != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, fp) == size);
    FUZZ_CHECK(std::fclose(fp) == 0);

    // A key that no line can produce (it holds a blank) shows whether an
    // earlier read's entries survive.
    const ustring earlier("earlier key");
    Config config;
    config.entries[earlier] = "kept";
    const int r = config.read(ustring(g_path.c_str()));
    FUZZ_CHECK(r == 0 || r == -1);

    std::map<std::string, std::string> model;
    const bool well_formed = ModelRead(data, size, &model);
    if (r == -1) {
        FUZZ_CHECK(!well_formed);
        FUZZ_CHECK(config.entries.empty());
        return;
    }
    FUZZ_CHECK(well_formed);
    FUZZ_CHECK(config.entries.size() == model.size() + 1);
    FUZZ_CHECK(config.entries[earlier] == ustring("kept"));
    for (const auto& [key, value] : model) {
        auto it = config.entries.find(ustring(key));
        FUZZ_CHECK(it != config.entries.end());
        FUZZ_CHECK(std::string(it->second.c_str(), it->second.length()) == value);
        FUZZ_CHECK(config.get_int(it->first) == StreamInt(value));
    }
    FUZZ_CHECK(config.entries.size() == model.size() + 1);

    // The map is ordered by ustring's byte order, which is std::string's for
    // texts without NUL.
    std::vector<std::string> keys;
    for (const auto& entry : config.entries) {
        keys.emplace_back(entry.first.c_str(), entry.first.length());
    }
    for (size_t i = 1; i < keys.size(); ++i) {
        FUZZ_CHECK(keys[i - 1] < keys[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    g_path = FuzzScratchPath("halvenor_fuzz_config");
    std::atexit([] { std::remove(g_path.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckLine(std::string(reinterpret_cast<const char*>(data), size));
    CheckRead(data, size);
    return 0;
}
