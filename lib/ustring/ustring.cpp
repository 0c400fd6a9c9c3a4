#include "ustring.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <limits>
#include <new>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Fixed numbers that identify each ICU failure in the warning line.
constexpr int kFromUtf8Line = 921;
constexpr int kToUtf8Line = 888;
constexpr int kGetInstanceLine = 1014;
constexpr int kNormalizeLine = 1026;

constexpr size_t kMaxSize = std::numeric_limits<size_t>::max();

void warn(const char* text, UErrorCode status, int line)
{
    std::cerr << text << static_cast<int>(status) << " at line " << line << "\n";
    std::cerr.flush();
}

// The cache is made of 16-bit units either way; ICU only spells them char16_t.
UChar* uc(unsigned short* p)
{
    return reinterpret_cast<UChar*>(p);
}

const UChar* uc(const unsigned short* p)
{
    return reinterpret_cast<const UChar*>(p);
}

int32_t icu_capacity(uint64_t cap)
{
    return static_cast<int32_t>(std::min<uint64_t>(cap, std::numeric_limits<int32_t>::max()));
}

// True when p points into the text of a block (its terminator included).
template <typename T>
bool inside(const T* p, const T* block, uint64_t len)
{
    std::less_equal<const T*> le;
    return le(block, p) && le(p, block + len);
}

size_t unit_count(const unsigned short* w, size_t n)
{
    size_t count = 0;
    while (count < n && w[count] != 0)
        ++count;
    return count;
}

bool in_set(const char* set, size_t set_len, char c)
{
    return std::memchr(set, c, set_len) != nullptr;
}

const char* pattern(const char* x)
{
    return x ? x : "";
}

int str_case_cmp(const char* a, const char* b)
{
    // clang-format off
    static const unsigned char map[256] = {
        0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f,
        0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d, 0x1e, 0x1f,
        0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x2b, 0x2c, 0x2d, 0x2e, 0x2f,
        0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x3b, 0x3c, 0x3d, 0x3e, 0x3f,
        0x40, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x6b, 0x6c, 0x6d, 0x6e, 0x6f,
        0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x5b, 0x5c, 0x5d, 0x5e, 0x5f,
        0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x6b, 0x6c, 0x6d, 0x6e, 0x6f,
        0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x7b, 0x7c, 0x7d, 0x7e, 0x7f,
        0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x8b, 0x8c, 0x8d, 0x8e, 0x8f,
        0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0x9b, 0x9c, 0x9d, 0x9e, 0x9f,
        0xa0, 0xa1, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xab, 0xac, 0xad, 0xae, 0xaf,
        0xb0, 0xb1, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xbb, 0xbc, 0xbd, 0xbe, 0xbf,
        0xc0, 0xc1, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xcb, 0xcc, 0xcd, 0xce, 0xcf,
        0xd0, 0xd1, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xdb, 0xdc, 0xdd, 0xde, 0xdf,
        0xe0, 0xe1, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xeb, 0xec, 0xed, 0xee, 0xef,
        0xf0, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa, 0xfb, 0xfc, 0xfd, 0xfe, 0xff,
    };
    // clang-format on
    const auto* pa = reinterpret_cast<const unsigned char*>(a);
    const auto* pb = reinterpret_cast<const unsigned char*>(b);
    for (size_t i = 0;; ++i) {
        const int ca = map[pa[i]];
        const int cb = map[pb[i]];
        if (ca != cb)
            return ca - cb;
        if (ca == 0)
            return 0;
    }
}

int byte_cmp(const char* a, const char* b, size_t n)
{
    const auto* pa = reinterpret_cast<const unsigned char*>(a);
    const auto* pb = reinterpret_cast<const unsigned char*>(b);
    for (size_t i = 0; i < n; ++i) {
        if (pa[i] != pb[i])
            return static_cast<int>(pa[i]) - static_cast<int>(pb[i]);
        if (pa[i] == 0)
            return 0;
    }
    return 0;
}

// Searches run over the visible text: a NUL ends it even when data_len is
// larger. 'len' is that visible length.

size_t find_bytes(const char* text, size_t len, const char* x, size_t pos)
{
    if (pos >= len)
        return ustring::npos;
    const char* hit = std::strstr(text + pos, x);
    return hit ? static_cast<size_t>(hit - text) : ustring::npos;
}

size_t backward_start(size_t len, size_t pos)
{
    return pos >= len ? len - 1 : pos;
}

size_t rfind_bytes(const char* text, size_t len, const char* x, size_t pos)
{
    if (len == 0)
        return ustring::npos;
    const size_t start = backward_start(len, pos);
    const size_t x_len = std::strlen(x);
    if (x_len == 0)
        return start;
    if (x_len > len)
        return ustring::npos;
    for (size_t i = std::min(start, len - x_len) + 1; i-- > 0;) {
        if (std::memcmp(text + i, x, x_len) == 0)
            return i;
    }
    return ustring::npos;
}

size_t forward_set(const char* text, size_t len, const char* x, size_t pos, bool member)
{
    if (pos >= len)
        return ustring::npos;
    const size_t x_len = std::strlen(x);
    if (x_len == 0)
        return member ? ustring::npos : pos;
    for (size_t i = pos; i < len; ++i) {
        if (in_set(x, x_len, text[i]) == member)
            return i;
    }
    return ustring::npos;
}

size_t backward_set(const char* text, size_t len, const char* x, size_t pos, bool member)
{
    if (len == 0)
        return ustring::npos;
    const size_t start = backward_start(len, pos);
    const size_t x_len = std::strlen(x);
    if (x_len == 0)
        return member ? ustring::npos : start;
    for (size_t i = start + 1; i-- > 0;) {
        if (in_set(x, x_len, text[i]) == member)
            return i;
    }
    return ustring::npos;
}

} // namespace

// ---- life cycle and buffers ----

ustring::ustring()
{
    init();
}

ustring::ustring(const ustring& s) : ustring()
{
    append_bytes(s.data, npos);
}

ustring::ustring(const char* s) : ustring()
{
    append(s);
}

ustring::ustring(const unsigned short* w) : ustring()
{
    append(w);
}

ustring::ustring(const std::string& s) : ustring()
{
    append(s);
}

ustring::ustring(char c) : ustring()
{
    append(c, 1);
}

ustring::~ustring()
{
    std::free(data);
    std::free(wdata);
}

void ustring::init()
{
    data = static_cast<char*>(std::malloc(4));
    if (!data)
        throw std::bad_alloc();
    wdata = static_cast<unsigned short*>(std::malloc(4 * sizeof(unsigned short)));
    if (!wdata) {
        std::free(data);
        throw std::bad_alloc();
    }
    data[0] = '\0';
    wdata[0] = 0;
    data_len = 0;
    data_cap = 4;
    wdata_len = 0;
    wdata_cap = 4;
}

void ustring::realloc_data(size_t n)
{
    if (data_cap >= n && data_cap / 2 <= n)
        return;
    char* p = static_cast<char*>(std::realloc(data, n));
    if (!p)
        throw std::bad_alloc();
    data = p;
    data_cap = n;
}

void ustring::realloc_wdata(size_t n) const
{
    if (wdata_cap >= n && wdata_cap / 2 <= n)
        return;
    if (n > kMaxSize / sizeof(unsigned short))
        throw std::bad_alloc();
    auto* p = static_cast<unsigned short*>(std::realloc(wdata, n * sizeof(unsigned short)));
    if (!p)
        throw std::bad_alloc();
    wdata = p;
    wdata_cap = n;
}

void ustring::drop_wdata() const
{
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::clear()
{
    clear_data();
    clear_wdata();
}

void ustring::clear_data()
{
    data_len = 0;
    data[0] = '\0';
}

void ustring::clear_wdata() const
{
    drop_wdata();
}

const unsigned short* ustring::c_str_utf16() const
{
    if (wdata_len == 0)
        convert_from_data();
    return wdata;
}

// ---- conversion ----

int ustring::convert_from_data() const
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, data, -1, &status);
    status = U_ZERO_ERROR;
    realloc_wdata(static_cast<size_t>(std::max<int32_t>(len, 0)) + 1);
    u_strFromUTF8(uc(wdata), icu_capacity(wdata_cap), &len, data, -1, &status);
    if (U_FAILURE(status)) {
        warn("Warning: u_strFromUTF8: error code ", status, kFromUtf8Line);
        drop_wdata();
        return -1;
    }
    wdata_len = static_cast<uint64_t>(len);
    wdata[wdata_len] = 0;
    return 0;
}

int ustring::convert_from_wdata()
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strToUTF8(nullptr, 0, &len, uc(wdata), -1, &status);
    status = U_ZERO_ERROR;
    realloc_data(static_cast<size_t>(std::max<int32_t>(len, 0)) + 1);
    u_strToUTF8(data, icu_capacity(data_cap), &len, uc(wdata), -1, &status);
    if (U_FAILURE(status)) {
        warn("Warning: u_strToUTF8: error code ", status, kToUtf8Line);
        clear();
        return -1;
    }
    data_len = static_cast<uint64_t>(len);
    data[data_len] = '\0';
    return 0;
}

bool ustring::is_valid(const ustring& s)
{
    if (s.data_len == 0)
        return true;
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, s.data, -1, &status);
    return status != U_INVALID_CHAR_FOUND;
}

ustring ustring::normalize(const ustring& src, normalization_form form)
{
    static const UNormalization2Mode modes[2] = {UNORM2_COMPOSE, UNORM2_DECOMPOSE};

    ustring result;
    if (src.data_len == 0)
        return result;

    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* normalizer = nullptr;
    if (form == NFC || form == NFD)
        normalizer = unorm2_getInstance(nullptr, "nfc", modes[form], &status);
    else
        status = U_ILLEGAL_ARGUMENT_ERROR;
    if (!normalizer || U_FAILURE(status)) {
        warn("Warning: unorm2_getInstance: error code ", status, kGetInstanceLine);
        return result;
    }

    const UChar* source = uc(src.c_str_utf16());
    int32_t len = unorm2_normalize(normalizer, source, -1, nullptr, 0, &status);
    result.realloc_wdata(static_cast<size_t>(std::max<int32_t>(len, 0)) + 1);
    status = U_ZERO_ERROR;
    len = unorm2_normalize(normalizer, source, -1, uc(result.wdata), icu_capacity(result.wdata_cap),
                           &status);
    if (U_FAILURE(status)) {
        warn("Warning: unorm2_normalize: error code ", status, kNormalizeLine);
        result.clear();
        return result;
    }
    result.wdata_len = static_cast<uint64_t>(len);
    result.wdata[result.wdata_len] = 0;
    result.convert_from_wdata();
    return result;
}

ustring ustring::normalize(normalization_form form) const
{
    return normalize(*this, form);
}

// ---- append ----

ustring& ustring::append_bytes(const char* s, size_t n)
{
    // A source inside our own text must be found again after the realloc.
    const bool own = inside<char>(s, data, data_len);
    const size_t offset = own ? static_cast<size_t>(s - data) : 0;
    const size_t count = strnlen(s, n);
    if (count > kMaxSize - data_len - 1)
        throw std::bad_alloc();
    realloc_data(data_len + count + 1);
    if (own)
        s = data + offset;
    std::memcpy(data + data_len, s, count);
    data_len += count;
    data[data_len] = '\0';
    drop_wdata();
    return *this;
}

ustring& ustring::append_units(const unsigned short* w, size_t n)
{
    const bool own = inside<unsigned short>(w, wdata, wdata_len);
    const size_t offset = own ? static_cast<size_t>(w - wdata) : 0;
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    if (own)
        w = wdata + offset;
    const size_t count = unit_count(w, n);
    if (count > kMaxSize - wdata_len - 1)
        throw std::bad_alloc();
    realloc_wdata(wdata_len + count + 1);
    if (own)
        w = wdata + offset;
    std::memcpy(wdata + wdata_len, w, count * sizeof(unsigned short));
    wdata_len += count;
    wdata[wdata_len] = 0;
    try {
        convert_from_wdata();
    } catch (...) {
        // The UTF-8 side still holds the old text; the cache must not outlive it.
        drop_wdata();
        throw;
    }
    return *this;
}

ustring& ustring::append(const ustring& s, size_t pos, size_t n)
{
    if (pos > s.data_len)
        throw std::out_of_range("substr");
    return append_bytes(s.data + pos, n);
}

ustring& ustring::append(const std::string& s, size_t pos, size_t n)
{
    const std::string_view part = std::string_view(s).substr(pos, n);
    return append_bytes(part.data(), part.size());
}

ustring& ustring::append(const char* s)
{
    return append_bytes(s ? s : "", npos);
}

ustring& ustring::append(const char* s, size_t n)
{
    return append_bytes(s ? s : "", n);
}

ustring& ustring::append(const unsigned short* w)
{
    static const unsigned short empty = 0;
    return append_units(w ? w : &empty, npos);
}

ustring& ustring::append(const unsigned short* w, size_t n)
{
    static const unsigned short empty = 0;
    return append_units(w ? w : &empty, n);
}

ustring& ustring::append(char c, size_t n)
{
    if (n > kMaxSize - data_len - 1)
        throw std::bad_alloc();
    realloc_data(data_len + n + 1);
    std::memset(data + data_len, c, n);
    data_len += n;
    data[data_len] = '\0';
    drop_wdata();
    return *this;
}

ustring& ustring::append(unsigned short u, size_t n)
{
    // Copies of the 0 unit count as a source ending at once: stored in the
    // cache they would hide every unit appended after them.
    if (u == 0)
        n = 0;
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    if (n > kMaxSize - wdata_len - 1)
        throw std::bad_alloc();
    realloc_wdata(wdata_len + n + 1);
    std::fill_n(wdata + wdata_len, n, u);
    wdata_len += n;
    wdata[wdata_len] = 0;
    try {
        convert_from_wdata();
    } catch (...) {
        drop_wdata();
        throw;
    }
    return *this;
}

// ---- assign ----

ustring& ustring::assign(const ustring& s, size_t pos, size_t n)
{
    if (&s == this) {
        const ustring part = substr(pos, n);
        clear();
        return append_bytes(part.data, npos);
    }
    clear();
    return append(s, pos, n);
}

ustring& ustring::assign(const std::string& s, size_t pos, size_t n)
{
    clear();
    return append(s, pos, n);
}

ustring& ustring::assign(const char* s)
{
    return assign(s, npos);
}

ustring& ustring::assign(const char* s, size_t n)
{
    if (s == data) {
        if (n < data_len) {
            data[n] = '\0';
            data_len = n;
            drop_wdata();
        }
        return *this;
    }
    if (s && inside<char>(s, data, data_len)) {
        // A tail of our own text: clear() would not protect it from the realloc.
        ustring tail;
        tail.append_bytes(s, n);
        clear();
        return append_bytes(tail.data, npos);
    }
    clear();
    return append(s, n);
}

ustring& ustring::assign(const unsigned short* w)
{
    return assign(w, npos);
}

ustring& ustring::assign(const unsigned short* w, size_t n)
{
    if (w == wdata) {
        if (n < wdata_len) {
            wdata[n] = 0;
            wdata_len = n;
            convert_from_wdata();
        }
        return *this;
    }
    if (w && inside<unsigned short>(w, wdata, wdata_len)) {
        const std::vector<unsigned short> tail(w, w + unit_count(w, n));
        clear();
        return append_units(tail.data(), tail.size());
    }
    clear();
    return append(w, n);
}

ustring& ustring::assign(char c, size_t n)
{
    clear();
    return append(c, n);
}

ustring& ustring::assign(unsigned short u, size_t n)
{
    clear();
    return append(u, n);
}

// ---- operators ----

ustring& ustring::operator+=(const ustring& s)
{
    return append(s);
}

ustring& ustring::operator+=(const std::string& s)
{
    return append(s);
}

ustring& ustring::operator+=(const char* s)
{
    return append(s);
}

ustring& ustring::operator+=(const unsigned short* w)
{
    return append(w);
}

ustring& ustring::operator+=(char c)
{
    return append(c, 1);
}

ustring& ustring::operator+=(unsigned short u)
{
    return append(u, 1);
}

ustring& ustring::operator=(const ustring& s)
{
    return assign(s);
}

ustring& ustring::operator=(const std::string& s)
{
    return assign(s);
}

ustring& ustring::operator=(const char* s)
{
    return assign(s);
}

ustring& ustring::operator=(const unsigned short* w)
{
    return assign(w);
}

ustring& ustring::operator=(char c)
{
    return assign(c, 1);
}

ustring& ustring::operator=(unsigned short u)
{
    return assign(u, 1);
}

ustring operator+(const ustring& a, const ustring& b)
{
    ustring r(a);
    r.append(b);
    return r;
}

ustring operator+(const ustring& a, const char* b)
{
    ustring r(a);
    r.append(b);
    return r;
}

ustring operator+(const ustring& a, char b)
{
    ustring r(a);
    r.append(b, 1);
    return r;
}

ustring operator+(const ustring& a, const unsigned short* b)
{
    ustring r(a);
    r.append(b);
    return r;
}

ustring operator+(const ustring& a, unsigned short b)
{
    ustring r(a);
    r.append(b, 1);
    return r;
}

// ---- substring and searches ----

ustring ustring::substr(size_t pos, size_t n) const
{
    if (pos > data_len)
        throw std::out_of_range("substr");
    ustring r;
    r.append_bytes(data + pos, n);
    return r;
}

size_t ustring::find(const char* x, size_t pos) const
{
    return find_bytes(data, std::strlen(data), pattern(x), pos);
}

size_t ustring::find(const std::string& x, size_t pos) const
{
    return find(x.c_str(), pos);
}

size_t ustring::find(const ustring& x, size_t pos) const
{
    return find(x.data, pos);
}

size_t ustring::find(char x, size_t pos) const
{
    const char p[2] = {x, '\0'};
    return find(p, pos);
}

size_t ustring::rfind(const char* x, size_t pos) const
{
    return rfind_bytes(data, std::strlen(data), pattern(x), pos);
}

size_t ustring::rfind(const std::string& x, size_t pos) const
{
    return rfind(x.c_str(), pos);
}

size_t ustring::rfind(const ustring& x, size_t pos) const
{
    return rfind(x.data, pos);
}

size_t ustring::rfind(char x, size_t pos) const
{
    const char p[2] = {x, '\0'};
    return rfind(p, pos);
}

size_t ustring::find_first_of(const char* x, size_t pos) const
{
    return forward_set(data, std::strlen(data), pattern(x), pos, true);
}

size_t ustring::find_first_of(const std::string& x, size_t pos) const
{
    return find_first_of(x.c_str(), pos);
}

size_t ustring::find_first_of(const ustring& x, size_t pos) const
{
    return find_first_of(x.data, pos);
}

size_t ustring::find_first_of(char x, size_t pos) const
{
    const char p[2] = {x, '\0'};
    return find_first_of(p, pos);
}

size_t ustring::find_first_not_of(const char* x, size_t pos) const
{
    return forward_set(data, std::strlen(data), pattern(x), pos, false);
}

size_t ustring::find_first_not_of(const std::string& x, size_t pos) const
{
    return find_first_not_of(x.c_str(), pos);
}

size_t ustring::find_first_not_of(const ustring& x, size_t pos) const
{
    return find_first_not_of(x.data, pos);
}

size_t ustring::find_first_not_of(char x, size_t pos) const
{
    const char p[2] = {x, '\0'};
    return find_first_not_of(p, pos);
}

size_t ustring::find_last_of(const char* x, size_t pos) const
{
    return backward_set(data, std::strlen(data), pattern(x), pos, true);
}

size_t ustring::find_last_of(const std::string& x, size_t pos) const
{
    return find_last_of(x.c_str(), pos);
}

size_t ustring::find_last_of(const ustring& x, size_t pos) const
{
    return find_last_of(x.data, pos);
}

size_t ustring::find_last_of(char x, size_t pos) const
{
    const char p[2] = {x, '\0'};
    return find_last_of(p, pos);
}

size_t ustring::find_last_not_of(const char* x, size_t pos) const
{
    return backward_set(data, std::strlen(data), pattern(x), pos, false);
}

size_t ustring::find_last_not_of(const std::string& x, size_t pos) const
{
    return find_last_not_of(x.c_str(), pos);
}

size_t ustring::find_last_not_of(const ustring& x, size_t pos) const
{
    return find_last_not_of(x.data, pos);
}

size_t ustring::find_last_not_of(char x, size_t pos) const
{
    const char p[2] = {x, '\0'};
    return find_last_not_of(p, pos);
}

// ---- trimming and editing ----

ustring& ustring::ltrim(const char* set)
{
    const size_t set_len = std::strlen(pattern(set));
    if (set_len == 0 || data_len == 0)
        return *this;
    size_t i = 0;
    while (i < data_len && in_set(set, set_len, data[i]))
        ++i;
    if (i > 0) {
        std::memmove(data, data + i, data_len - i + 1);
        data_len -= i;
        drop_wdata();
    }
    return *this;
}

ustring& ustring::ltrim(const ustring& set)
{
    return ltrim(set.data);
}

ustring& ustring::rtrim(const char* set)
{
    const size_t set_len = std::strlen(pattern(set));
    if (set_len == 0 || data_len == 0)
        return *this;
    size_t end = data_len;
    while (end > 0 && in_set(set, set_len, data[end - 1]))
        --end;
    if (end < data_len) {
        data[end] = '\0';
        data_len = end;
        drop_wdata();
    }
    return *this;
}

ustring& ustring::rtrim(const ustring& set)
{
    return rtrim(set.data);
}

ustring& ustring::trim(const char* set)
{
    ltrim(set);
    return rtrim(set);
}

ustring& ustring::trim(const ustring& set)
{
    return trim(set.data);
}

ustring& ustring::replace(char from, char to)
{
    for (uint64_t i = 0; i < data_len; ++i) {
        if (data[i] == from)
            data[i] = to;
    }
    drop_wdata();
    return *this;
}

void ustring::swap(ustring& other)
{
    std::swap(data, other.data);
    std::swap(data_len, other.data_len);
    std::swap(data_cap, other.data_cap);
    std::swap(wdata, other.wdata);
    std::swap(wdata_len, other.wdata_len);
    std::swap(wdata_cap, other.wdata_cap);
}

void swap(ustring& a, ustring& b)
{
    a.swap(b);
}

// ---- comparison ----

int ustring::compare(const ustring& other) const
{
    return byte_cmp(data, other.data, kMaxSize);
}

int ustring::compare(const ustring& other, size_t n) const
{
    return byte_cmp(data, other.data, n);
}

int ustring::compare(const ustring& a, const ustring& b, bool ignore_case)
{
    return ignore_case ? str_case_cmp(a.data, b.data) : a.compare(b);
}

bool operator==(const ustring& a, const ustring& b)
{
    return a.compare(b) == 0;
}

bool operator!=(const ustring& a, const ustring& b)
{
    return a.compare(b) != 0;
}

bool operator<(const ustring& a, const ustring& b)
{
    return a.compare(b) < 0;
}

bool operator>(const ustring& a, const ustring& b)
{
    return a.compare(b) > 0;
}

bool operator<=(const ustring& a, const ustring& b)
{
    return a.compare(b) <= 0;
}

bool operator>=(const ustring& a, const ustring& b)
{
    return a.compare(b) >= 0;
}

// ---- streams ----

std::ostream& operator<<(std::ostream& os, const ustring& s)
{
    return os << s.c_str();
}

std::istream& operator>>(std::istream& is, ustring& s)
{
    std::string word;
    if (is >> word)
        s.assign(word);
    return is;
}
