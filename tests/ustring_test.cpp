#include "ustring/ustring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <map>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// Let the failed-allocation tests see a null from realloc instead of an abort.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
#endif

class UstringTestAccess
{
public:
    static uint64_t data_cap(const ustring& s) { return s.data_cap; }
    static uint64_t wdata_cap(const ustring& s) { return s.wdata_cap; }
    static uint64_t wdata_len(const ustring& s) { return s.wdata_len; }
};

namespace {

using A = UstringTestAccess;
constexpr size_t npos = ustring::npos;

std::vector<unsigned short> utf16(const std::u16string& s)
{
    std::vector<unsigned short> v(s.begin(), s.end());
    v.push_back(0);
    return v;
}

std::u16string as_u16(const unsigned short* w)
{
    std::u16string s;
    while (*w)
        s.push_back(static_cast<char16_t>(*w++));
    return s;
}

// Collects everything written to std::cerr while alive.
class CerrCapture
{
public:
    CerrCapture() : old_(std::cerr.rdbuf(buf_.rdbuf())) {}
    ~CerrCapture() { std::cerr.rdbuf(old_); }
    std::string text() const { return buf_.str(); }

private:
    std::ostringstream buf_;
    std::streambuf* old_;
};

} // namespace

TEST(Ustring, InitialState)
{
    ustring s;
    EXPECT_EQ(s.length(), 0u);
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.c_str(), s.c_str_utf8());
    EXPECT_EQ(A::data_cap(s), 4u);
    EXPECT_EQ(A::wdata_cap(s), 4u);
    EXPECT_EQ(A::wdata_len(s), 0u);
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    EXPECT_EQ(s[s.length()], '\0');

    // Constructors from each kind of source
    EXPECT_STREQ(ustring("abc").c_str(), "abc");
    EXPECT_STREQ(ustring(std::string("ab\0cd", 5)).c_str(), "ab");
    EXPECT_EQ(ustring(std::string("ab\0cd", 5)).length(), 2u);
    EXPECT_STREQ(ustring('x').c_str(), "x");
    const ustring from16(utf16(u"h\u00e9").data());
    EXPECT_STREQ(from16.c_str(), "h\xC3\xA9");
    EXPECT_EQ(A::wdata_len(from16), 2u) << "UTF-16 constructor leaves both forms valid";
    const ustring copy(from16);
    EXPECT_STREQ(copy.c_str(), "h\xC3\xA9");
    EXPECT_EQ(A::wdata_len(copy), 0u) << "a copy does not carry the UTF-16 cache";
}

TEST(Ustring, CapacityRule)
{
    // Growth is to the exact size, never by a factor
    ustring s;
    s.append(std::string(99, 'a'));
    EXPECT_EQ(A::data_cap(s), 100u);
    s.append("b");
    EXPECT_EQ(A::data_cap(s), 101u);

    // Shrink only when the block is more than twice the need: 100 -> 30, keeps 100 for 60
    ustring a(std::string(99, 'a'));
    a.clear();
    EXPECT_EQ(A::data_cap(a), 100u) << "clear keeps the block";
    a.append(std::string(29, 'x'));
    EXPECT_EQ(A::data_cap(a), 30u);
    ustring b(std::string(99, 'a'));
    b.clear();
    b.append(std::string(59, 'x'));
    EXPECT_EQ(A::data_cap(b), 100u);

    // Boundary of the halving test: 100 / 2 == 50 keeps, 49 shrinks
    ustring c(std::string(99, 'a'));
    c.assign(std::string(49, 'x'));
    EXPECT_EQ(A::data_cap(c), 100u);
    ustring d(std::string(99, 'a'));
    d.assign(std::string(48, 'x'));
    EXPECT_EQ(A::data_cap(d), 49u);
    EXPECT_EQ(d.length(), 48u);

    // The UTF-16 cache follows the same rule in code units
    ustring w(std::string(20, 'a'));
    w.c_str_utf16();
    EXPECT_EQ(A::wdata_cap(w), 21u);
    w.assign("abc");
    w.c_str_utf16();
    EXPECT_EQ(A::wdata_cap(w), 4u);
    w.append(std::string(4, 'd'));
    w.c_str_utf16();
    EXPECT_EQ(A::wdata_cap(w), 8u);
    EXPECT_EQ(as_u16(w.c_str_utf16()), u"abcdddd");
    ustring wk(std::string(99, 'a'));
    wk.c_str_utf16();
    wk.assign(std::string(49, 'x'));
    wk.c_str_utf16();
    EXPECT_EQ(A::wdata_cap(wk), 100u);
    wk.assign(std::string(48, 'x'));
    wk.c_str_utf16();
    EXPECT_EQ(A::wdata_cap(wk), 49u);
}

TEST(Ustring, FailedAllocationKeepsOldBlock)
{
    ustring s("keep");
    const uint64_t cap = A::data_cap(s);
    EXPECT_THROW(s.append('x', size_t(1) << 62), std::bad_alloc);
    EXPECT_STREQ(s.c_str(), "keep");
    EXPECT_EQ(s.length(), 4u);
    EXPECT_EQ(A::data_cap(s), cap);

    // A count that would overflow the size is refused the same way
    EXPECT_THROW(s.append('x', npos), std::bad_alloc);
    EXPECT_STREQ(s.c_str(), "keep");

    // UTF-16 side: the text and its cache stay consistent
    EXPECT_THROW(s.append(static_cast<unsigned short>('x'), size_t(1) << 61), std::bad_alloc);
    EXPECT_STREQ(s.c_str(), "keep");
    EXPECT_EQ(as_u16(s.c_str_utf16()), u"keep");
}

TEST(Ustring, Utf16Forms)
{
    // Lengths are bytes, the cache holds code units
    ustring s("h\xC3\xA9llo");
    EXPECT_EQ(s.length(), 6u);
    EXPECT_EQ(as_u16(s.c_str_utf16()), u"h\u00e9llo");
    EXPECT_EQ(A::wdata_len(s), 5u);
    EXPECT_EQ(s.find('l', 0), 3u);

    // Characters outside the BMP use a surrogate pair
    ustring e("\xF0\x9F\x98\x80");
    EXPECT_EQ(as_u16(e.c_str_utf16()), u"\U0001F600");

    // UTF-16 appends edit the cache and regenerate the UTF-8 text
    ustring a("abc");
    a.append(utf16(u"\u00e9\u00e8").data());
    EXPECT_STREQ(a.c_str(), "abc\xC3\xA9\xC3\xA8");
    EXPECT_EQ(A::wdata_len(a), 5u);
    a.append(utf16(u"xyz").data(), 2);
    EXPECT_STREQ(a.c_str(), "abc\xC3\xA9\xC3\xA8xy");
    a.append(static_cast<unsigned short>(0x20AC), 2);
    EXPECT_STREQ(a.c_str(), "abc\xC3\xA9\xC3\xA8xy\xE2\x82\xAC\xE2\x82\xAC");
    a.assign(static_cast<unsigned short>('q'), 3);
    EXPECT_STREQ(a.c_str(), "qqq");
    a.assign(utf16(u"\u00fc").data());
    EXPECT_STREQ(a.c_str(), "\xC3\xBC");

    // A byte edit drops the cache, and the next request sees the new text
    ustring p("a/b");
    EXPECT_EQ(as_u16(p.c_str_utf16()), u"a/b");
    p.replace('/', ':');
    EXPECT_EQ(A::wdata_len(p), 0u);
    EXPECT_EQ(as_u16(p.c_str_utf16()), u"a:b");
    p += "!";
    EXPECT_EQ(as_u16(p.c_str_utf16()), u"a:b!");

    // The object's own cache as a source
    ustring o("ab");
    o.append(o.c_str_utf16());
    EXPECT_STREQ(o.c_str(), "abab");
    o.assign(o.c_str_utf16(), 3);
    EXPECT_STREQ(o.c_str(), "aba");
    o.assign(o.c_str_utf16(), 10);
    EXPECT_STREQ(o.c_str(), "aba");
    o.assign(o.c_str_utf16());
    EXPECT_STREQ(o.c_str(), "aba");
    o.assign(o.c_str_utf16() + 1);
    EXPECT_STREQ(o.c_str(), "ba");
}

TEST(Ustring, IcuFailureWarnings)
{
    // A lone surrogate cannot become UTF-8: the string empties
    {
        CerrCapture err;
        ustring s("abc");
        s.append(static_cast<unsigned short>(0xD800), 1);
        EXPECT_EQ(err.text(), "Warning: u_strToUTF8: error code 10 at line 888\n");
        EXPECT_TRUE(s.empty());
        EXPECT_STREQ(s.c_str(), "");
        EXPECT_EQ(s.c_str_utf16()[0], 0);
    }

    // Invalid UTF-8 keeps its bytes, yields no UTF-16, and warns at every request
    {
        CerrCapture err;
        ustring s("\xFF");
        EXPECT_FALSE(ustring::is_valid(s));
        EXPECT_EQ(err.text(), "") << "is_valid prints nothing";
        EXPECT_EQ(s.c_str_utf16()[0], 0);
        EXPECT_EQ(s.length(), 1u);
        EXPECT_EQ(err.text(), "Warning: u_strFromUTF8: error code 10 at line 921\n");
        s.c_str_utf16();
        EXPECT_EQ(err.text(), "Warning: u_strFromUTF8: error code 10 at line 921\n"
                              "Warning: u_strFromUTF8: error code 10 at line 921\n");
        EXPECT_EQ(s.convert_from_data(), -1);
    }

    // A UTF-16 append to invalid UTF-8 keeps only the appended text
    {
        CerrCapture err;
        ustring s("x\xFF");
        s.append(utf16(u"ok").data());
        EXPECT_STREQ(s.c_str(), "ok");
        EXPECT_EQ(err.text(), "Warning: u_strFromUTF8: error code 10 at line 921\n");
    }

    // A form outside the table gets no normaliser
    {
        CerrCapture err;
        const ustring r =
            ustring::normalize(ustring("abc"), static_cast<ustring::normalization_form>(7));
        EXPECT_TRUE(r.empty());
        EXPECT_EQ(err.text(), "Warning: unorm2_getInstance: error code 1 at line 1014\n");
    }

    // Validation itself
    EXPECT_TRUE(ustring::is_valid(ustring()));
    EXPECT_TRUE(ustring::is_valid(ustring("h\xC3\xA9")));
    EXPECT_FALSE(ustring::is_valid(ustring("h\xC3")));
    EXPECT_FALSE(ustring::is_valid(ustring("\xC0\xAF")));
}

TEST(Ustring, Substr)
{
    const ustring s("hello");
    EXPECT_STREQ(s.substr(1, 3).c_str(), "ell");
    EXPECT_STREQ(s.substr(2).c_str(), "llo");
    EXPECT_STREQ(s.substr(0, 100).c_str(), "hello");
    EXPECT_STREQ(s.substr(s.length(), npos).c_str(), "");
    try {
        s.substr(s.length() + 1, 0);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "substr");
    }

    // append checks before changing anything; assign empties first
    ustring a("keep");
    EXPECT_THROW(a.append(s, 6), std::out_of_range);
    EXPECT_STREQ(a.c_str(), "keep");
    EXPECT_THROW(a.assign(s, 6), std::out_of_range);
    EXPECT_STREQ(a.c_str(), "");
    EXPECT_THROW(a.append(std::string("ab"), 3), std::out_of_range);

    // Substring sources
    ustring b("x");
    b.append(s, 1, 2);
    EXPECT_STREQ(b.c_str(), "xel");
    b.append(std::string("0123"), 2, 1);
    EXPECT_STREQ(b.c_str(), "xel2");
    b.assign(s, 3);
    EXPECT_STREQ(b.c_str(), "lo");
    b.assign(std::string("0123"), 1, 2);
    EXPECT_STREQ(b.c_str(), "12");

    // The object itself as a substring source
    ustring c("abcdef");
    c.assign(c, 2, 3);
    EXPECT_STREQ(c.c_str(), "cde");
    c.append(c, 1);
    EXPECT_STREQ(c.c_str(), "cdede");
    EXPECT_THROW(c.assign(c, 9), std::out_of_range);
    EXPECT_STREQ(c.c_str(), "cdede");
}

TEST(Ustring, Searches)
{
    const ustring path("a/b/c");
    const ustring empty;

    // Backward searches start at the last byte or at pos; a match may run past the start
    EXPECT_EQ(path.rfind("/", npos), 3u);
    EXPECT_EQ(path.rfind("/", 2), 1u);
    EXPECT_EQ(path.rfind("/", 99), 3u);
    EXPECT_EQ(path.rfind("/b/", 1), 1u);
    EXPECT_EQ(path.rfind("a/", 0), 0u);
    EXPECT_EQ(path.rfind("x"), npos);
    EXPECT_EQ(path.rfind("a/b/c/"), npos);
    EXPECT_EQ(empty.rfind("/", npos), npos);

    // Forward searches
    EXPECT_EQ(path.find_first_of('/', 2), 3u);
    EXPECT_EQ(path.find("b/c"), 2u);
    EXPECT_EQ(path.find("/", 4), npos);
    EXPECT_EQ(path.find("c", 5), npos);
    EXPECT_EQ(empty.find(""), npos);

    // Empty patterns
    const ustring abc("abc");
    EXPECT_EQ(abc.find("", 2), 2u);
    EXPECT_EQ(abc.find("", 3), npos);
    EXPECT_EQ(abc.rfind(""), 2u);
    EXPECT_EQ(abc.rfind("", 1), 1u);
    EXPECT_EQ(abc.find_first_of("", 0), npos);
    EXPECT_EQ(abc.find_first_not_of("", 1), 1u);
    EXPECT_EQ(abc.find_last_of("", npos), npos);
    EXPECT_EQ(abc.find_last_not_of("", npos), 2u);
    EXPECT_EQ(abc.find_last_not_of("", 1), 1u);
    EXPECT_EQ(abc.find('\0'), 0u) << "a NUL char is an empty pattern";
    EXPECT_EQ(abc.find("bcd", 0), npos);

    // Set searches
    const ustring t("--ab--");
    EXPECT_EQ(t.find_first_not_of('-'), 2u);
    EXPECT_EQ(t.find_last_not_of("-"), 3u);
    EXPECT_EQ(t.find_last_not_of("-", 2), 2u);
    EXPECT_EQ(t.find_last_of("ab", 1), npos);
    EXPECT_EQ(t.find_last_of("ab"), 3u);
    EXPECT_EQ(t.find_first_of("ba", 3), 3u);
    EXPECT_EQ(ustring("----").find_first_not_of("-"), npos);
    EXPECT_EQ(ustring("----").find_last_not_of("-"), npos);

    // The four pattern kinds agree
    const ustring hay("one two two");
    EXPECT_EQ(hay.find(std::string("two")), 4u);
    EXPECT_EQ(hay.find(ustring("two")), 4u);
    EXPECT_EQ(hay.rfind(std::string("two")), 8u);
    EXPECT_EQ(hay.rfind(ustring("two")), 8u);
    EXPECT_EQ(hay.rfind('t'), 8u);
    EXPECT_EQ(hay.find_first_of(ustring("wt")), 4u);
    EXPECT_EQ(hay.find_last_of(std::string("n")), 1u);
    EXPECT_EQ(hay.find_first_not_of(ustring("eno")), 3u);
    EXPECT_EQ(hay.find_last_not_of('o'), 9u);

    // Multi-byte set members match byte by byte
    const ustring u("x\xC3\xA9y");
    EXPECT_EQ(u.find_first_of("\xC3\xA8"), 1u);
    EXPECT_EQ(u.find_last_of("\xC3\xA9"), 2u);
    EXPECT_EQ(u.find_first_not_of("x\xC3"), 2u);

    // Bytes after an embedded NUL are not searched
    ustring z("ab");
    z.append('\0', 1);
    z.append("cd", 2);
    EXPECT_EQ(z.length(), 5u);
    EXPECT_EQ(z.find("c"), npos);
    EXPECT_EQ(z.rfind("b"), 1u);
    EXPECT_EQ(z.find_last_not_of("x"), 1u);
}

TEST(Ustring, Trims)
{
    ustring spaces("   ");
    spaces.trim(" ");
    EXPECT_STREQ(spaces.c_str(), "");
    EXPECT_EQ(spaces.length(), 0u);

    ustring l("abcab");
    l.ltrim("ab");
    EXPECT_STREQ(l.c_str(), "cab");
    EXPECT_EQ(l.length(), 3u);
    ustring r("abcab");
    r.rtrim(ustring("ab"));
    EXPECT_STREQ(r.c_str(), "abc");
    EXPECT_EQ(r.length(), 3u);
    ustring both(" \tx y\n ");
    both.trim(ustring(" \t\n"));
    EXPECT_STREQ(both.c_str(), "x y");

    // An empty set or nothing to remove leaves the object untouched, cache included
    ustring u("abc");
    u.c_str_utf16();
    u.trim("");
    u.trim("z");
    EXPECT_STREQ(u.c_str(), "abc");
    EXPECT_EQ(A::wdata_len(u), 3u);

    // Removing bytes drops the cache
    u.ltrim("a");
    EXPECT_EQ(A::wdata_len(u), 0u);
    EXPECT_EQ(as_u16(u.c_str_utf16()), u"bc");
    u.c_str_utf16();
    u.rtrim("c");
    EXPECT_EQ(A::wdata_len(u), 0u);
    EXPECT_EQ(as_u16(u.c_str_utf16()), u"b");

    ustring e;
    e.trim("a");
    EXPECT_STREQ(e.c_str(), "");
}

TEST(Ustring, CompareAndCaseFolding)
{
    // Only ASCII letters fold
    EXPECT_EQ(ustring::compare(ustring("ABC"), ustring("abc"), true), 0);
    EXPECT_NE(ustring::compare(ustring("ABC"), ustring("abc"), false), 0);
    EXPECT_NE(ustring::compare(ustring("\xC3\x89"), ustring("\xC3\xA9"), true), 0);
    EXPECT_EQ(ustring::compare(ustring("[a]"), ustring("[A]"), true), 0);
    EXPECT_GT(ustring::compare(ustring("A"), ustring("["), true), 0) << "'a' > '[' after folding";
    EXPECT_LT(ustring::compare(ustring("A"), ustring("["), false), 0);

    // Differences and prefixes
    EXPECT_LT(ustring("ab").compare(ustring("abc")), 0);
    EXPECT_GT(ustring("abc").compare(ustring("ab")), 0);
    EXPECT_EQ(ustring("abc").compare(ustring("abd")), 'c' - 'd');
    EXPECT_EQ(ustring("a").compare(ustring("c")), -2);
    EXPECT_EQ(ustring("abc").compare(ustring("ab")), 'c');
    EXPECT_EQ(ustring::compare(ustring("B"), ustring("z"), true), 'b' - 'z');
    EXPECT_EQ(ustring("abc").compare(ustring("abd"), 2), 0);
    EXPECT_NE(ustring("abc").compare(ustring("abd"), 3), 0);
    EXPECT_EQ(ustring("x").compare(ustring("y"), 0), 0);
    EXPECT_EQ(ustring("ab").compare(ustring("ab"), 10), 0);

    // Bytes are unsigned: UTF-8 lead bytes sort after ASCII
    EXPECT_GT(ustring("\xC3\xA9").compare(ustring("z")), 0);
    EXPECT_TRUE(ustring("z") < ustring("\xC3\xA9"));

    // Operators follow compare, so ordered maps work
    EXPECT_TRUE(ustring("a") == ustring("a"));
    EXPECT_TRUE(ustring("a") != ustring("b"));
    EXPECT_TRUE(ustring("a") <= ustring("a"));
    EXPECT_TRUE(ustring("b") >= ustring("a"));
    EXPECT_TRUE(ustring("b") > ustring("a"));
    std::map<ustring, int> m{{"b", 2}, {"a", 1}, {"ab", 3}};
    std::string order;
    for (const auto& kv : m)
        order += std::string(kv.first.c_str()) + ",";
    EXPECT_EQ(order, "a,ab,b,");
}

TEST(Ustring, Normalize)
{
    const ustring decomposed("e\xCC\x81");
    const ustring nfc = decomposed.normalize(ustring::NFC);
    EXPECT_STREQ(nfc.c_str(), "\xC3\xA9");
    EXPECT_EQ(nfc.length(), 2u);
    const ustring nfd = ustring::normalize(nfc, ustring::NFD);
    EXPECT_STREQ(nfd.c_str(), "e\xCC\x81");
    EXPECT_EQ(nfd.length(), 3u);
    EXPECT_STREQ(decomposed.c_str(), "e\xCC\x81") << "source unchanged";
    EXPECT_TRUE(ustring::normalize(ustring(), ustring::NFC).empty());
    EXPECT_STREQ(ustring("plain").normalize(ustring::NFD).c_str(), "plain");

    // Hangul syllable: composes and decomposes algorithmically
    EXPECT_STREQ(ustring("\xEA\xB0\x80").normalize(ustring::NFD).c_str(),
                 "\xE1\x84\x80\xE1\x85\xA1");
    EXPECT_STREQ(ustring("\xE1\x84\x80\xE1\x85\xA1").normalize(ustring::NFC).c_str(),
                 "\xEA\xB0\x80");
}

TEST(Ustring, SelfAppendAndAssign)
{
    // Appending a string to itself doubles it
    ustring a("ab");
    a += a;
    EXPECT_STREQ(a.c_str(), "abab");
    ustring b("ab");
    b.append(b.c_str());
    EXPECT_STREQ(b.c_str(), "abab");
    EXPECT_EQ(A::data_cap(b), 5u);
    ustring c("abc");
    c.append(c.c_str(), 2);
    EXPECT_STREQ(c.c_str(), "abcab");
    ustring big(std::string(50, 'q'));
    big.append(big.c_str());
    EXPECT_EQ(big.length(), 100u);
    EXPECT_EQ(big.find_first_not_of("q"), npos);

    // assign from the own buffer: the same pointer does nothing or truncates
    ustring d("hello");
    d.c_str_utf16();
    d.assign(d.c_str());
    EXPECT_STREQ(d.c_str(), "hello");
    EXPECT_EQ(A::wdata_len(d), 5u);
    d.assign(d.c_str(), 10);
    EXPECT_STREQ(d.c_str(), "hello");
    d.assign(d.c_str(), 3);
    EXPECT_STREQ(d.c_str(), "hel");
    EXPECT_EQ(d.length(), 3u);
    EXPECT_EQ(as_u16(d.c_str_utf16()), u"hel");
    d = d;
    EXPECT_STREQ(d.c_str(), "hel");

    // A tail of the own text survives the shrink of the block
    ustring e(std::string(40, 'x') + "tail");
    e.assign(e.c_str() + 40);
    EXPECT_STREQ(e.c_str(), "tail");
    EXPECT_EQ(A::data_cap(e), 5u);
    ustring f(std::string(40, 'x') + "tail");
    f.assign(f.c_str() + 40, 2);
    EXPECT_STREQ(f.c_str(), "ta");
}

TEST(Ustring, OperatorsAndEditing)
{
    // Free operator+ with each right operand
    const ustring base("ab");
    EXPECT_STREQ((base + ustring("c")).c_str(), "abc");
    EXPECT_STREQ((base + "cd").c_str(), "abcd");
    EXPECT_STREQ((base + '/').c_str(), "ab/");
    EXPECT_STREQ((base + utf16(u"\u00e9").data()).c_str(), "ab\xC3\xA9");
    EXPECT_STREQ((base + static_cast<unsigned short>(0x00e9)).c_str(), "ab\xC3\xA9");
    EXPECT_STREQ(base.c_str(), "ab");

    // Assignment and compound assignment forms
    ustring s;
    s = "x";
    s += std::string("y");
    s += 'z';
    s += utf16(u"!").data();
    EXPECT_STREQ(s.c_str(), "xyz!");
    s = std::string("std");
    EXPECT_STREQ(s.c_str(), "std");
    s = 'c';
    EXPECT_STREQ(s.c_str(), "c");
    s = utf16(u"w").data();
    EXPECT_STREQ(s.c_str(), "w");
    s = static_cast<unsigned short>(0x00e9);
    s += static_cast<unsigned short>(0x20AC);
    EXPECT_STREQ(s.c_str(), "\xC3\xA9\xE2\x82\xAC");
    s.assign('-', 3);
    EXPECT_STREQ(s.c_str(), "---");
    s.assign("abcdef", 4);
    EXPECT_STREQ(s.c_str(), "abcd");
    s.append("xyz", 10);
    EXPECT_STREQ(s.c_str(), "abcdxyz");

    // Embedded NUL: counted by length, hidden from copies and output
    ustring n("a");
    n.append('\0', 2);
    EXPECT_EQ(n.length(), 3u);
    EXPECT_STREQ(ustring(n).c_str(), "a");
    EXPECT_EQ(ustring(n).length(), 1u);

    // replace and swap
    ustring p("/a/b/");
    p.replace('/', ':');
    EXPECT_STREQ(p.c_str(), ":a:b:");
    ustring q("other");
    q.c_str_utf16();
    const char* pp = p.c_str();
    const char* qp = q.c_str();
    swap(p, q);
    EXPECT_EQ(p.c_str(), qp) << "no text copied";
    EXPECT_EQ(q.c_str(), pp);
    EXPECT_EQ(A::wdata_len(p), 5u);
    EXPECT_EQ(A::wdata_len(q), 0u);
    p.swap(q);
    EXPECT_STREQ(p.c_str(), ":a:b:");

    // clear keeps both blocks
    ustring k(std::string(30, 'k'));
    k.c_str_utf16();
    k.clear();
    EXPECT_TRUE(k.empty());
    EXPECT_EQ(A::data_cap(k), 31u);
    EXPECT_EQ(A::wdata_cap(k), 31u);
    EXPECT_EQ(A::wdata_len(k), 0u);
}

TEST(Ustring, Streams)
{
    std::ostringstream out;
    ustring n("ab");
    n.append('\0', 1);
    n.append("cd", 2);
    out << ustring("h\xC3\xA9") << "|" << n;
    EXPECT_EQ(out.str(), "h\xC3\xA9|ab");

    std::istringstream in("  first second\n");
    ustring a, b, c("unchanged");
    in >> a >> b;
    EXPECT_STREQ(a.c_str(), "first");
    EXPECT_STREQ(b.c_str(), "second");
    EXPECT_FALSE(in >> c);
    EXPECT_STREQ(c.c_str(), "unchanged");
}

TEST(Ustring, ZeroUnitsAppendNothing)
{
    // Copies of the 0 unit end the UTF-16 source at once, so a later UTF-16
    // append still lands on the visible text
    {
        ustring s("ab");
        s.append(static_cast<unsigned short>(0), 3);
        EXPECT_STREQ(s.c_str(), "ab");
        EXPECT_EQ(A::wdata_len(s), 2u);
        s.append(utf16(u"c\u00e9").data());
        EXPECT_STREQ(s.c_str(), "abc\xC3\xA9");
        EXPECT_EQ(as_u16(s.c_str_utf16()), u"abc\u00e9");
    }

    // A lone surrogate after them still fails the conversion instead of
    // hiding behind a 0 unit
    {
        CerrCapture err;
        ustring s("x=");
        s.append(static_cast<unsigned short>(0), 1);
        s.append(static_cast<unsigned short>(0xD87D), 1);
        EXPECT_TRUE(s.empty());
        EXPECT_EQ(err.text(), "Warning: u_strToUTF8: error code 10 at line 888\n");
    }

    // assign of 0 units leaves an empty string that takes appends normally
    {
        ustring s("old");
        s.assign(static_cast<unsigned short>(0), 2);
        EXPECT_TRUE(s.empty());
        s.append(static_cast<unsigned short>('z'), 2);
        EXPECT_STREQ(s.c_str(), "zz");
    }
}
