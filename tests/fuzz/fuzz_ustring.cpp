// ustring's conversions, normalisation, UTF-16 appends, searches, trims and
// comparisons with fuzzer-chosen text, patterns and positions, each checked
// against a plain std::string model or an independent UTF-8/UTF-16 codec.

#include "ustring/ustring.h"

#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using U16 = std::vector<unsigned short>;
const size_t npos = ustring::npos;

// ICU warnings land here instead of flooding the terminal; some are checked.
std::stringbuf g_err;

std::string Visible(const std::string& s)
{
    return s.substr(0, std::strlen(s.c_str()));
}

std::string Text(const ustring& s)
{
    return std::string(s.c_str());
}

std::string TakeWarnings()
{
    std::string text = g_err.str();
    g_err.str(std::string());
    return text;
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF)
// decoded to code points; false when the bytes are not well formed.
bool DecodeUtf8(const std::string& s, std::vector<uint32_t>* out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const size_t n = s.size();
    for (size_t i = 0; i < n;) {
        const unsigned c = p[i];
        size_t extra = 0;
        uint32_t cp = 0;
        unsigned lo = 0x80, hi = 0xBF;
        if (c < 0x80) {
            cp = c;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
            lo = c == 0xE0 ? 0xA0 : 0x80;
            hi = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
            lo = c == 0xF0 ? 0x90 : 0x80;
            hi = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + extra >= n && extra > 0) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const unsigned t = p[i + k];
            if (t < (k == 1 ? lo : 0x80) || t > (k == 1 ? hi : 0xBF)) {
                return false;
            }
            cp = (cp << 6) | (t & 0x3F);
        }
        out->push_back(cp);
        i += extra + 1;
    }
    return true;
}

U16 ToUtf16(const std::vector<uint32_t>& cps)
{
    U16 w;
    for (uint32_t cp : cps) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            w.push_back(static_cast<unsigned short>(0xD800 + (cp >> 10)));
            w.push_back(static_cast<unsigned short>(0xDC00 + (cp & 0x3FF)));
        } else {
            w.push_back(static_cast<unsigned short>(cp));
        }
    }
    return w;
}

// Well-formed UTF-16 (every surrogate paired) encoded as UTF-8.
bool Utf16ToUtf8(const U16& w, std::string* out)
{
    for (size_t i = 0; i < w.size(); ++i) {
        uint32_t cp = w[i];
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return false;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 == w.size() || w[i + 1] < 0xDC00 || w[i + 1] > 0xDFFF) {
                return false;
            }
            cp = 0x10000 + ((cp - 0xD800) << 10) + (w[++i] - 0xDC00);
        }
        if (cp < 0x80) {
            *out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            *out += static_cast<char>(0xC0 | (cp >> 6));
            *out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *out += static_cast<char>(0xE0 | (cp >> 12));
            *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *out += static_cast<char>(0xF0 | (cp >> 18));
            *out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return true;
}

U16 Units(const unsigned short* w)
{
    U16 units;
    while (*w) {
        units.push_back(*w++);
    }
    return units;
}

// ---- search model: std::string plus the rules where ustring differs ----

enum Search
{
    kFind,
    kRfind,
    kFirstOf,
    kFirstNotOf,
    kLastOf,
    kLastNotOf
};

size_t ModelSearch(Search op, const std::string& text, const std::string& x, size_t pos)
{
    const size_t len = text.size();
    switch (op) {
    case kFind:
        return pos >= len ? npos : text.find(x, pos);
    case kFirstOf:
        return pos >= len ? npos : text.find_first_of(x, pos);
    case kFirstNotOf:
        return pos >= len ? npos : text.find_first_not_of(x, pos);
    default:
        break;
    }
    if (len == 0) {
        return npos;
    }
    const size_t start = pos >= len ? len - 1 : pos;
    switch (op) {
    case kRfind:
        return x.empty() ? start : text.rfind(x, start);
    case kLastOf:
        return text.find_last_of(x, start);
    default:
        return text.find_last_not_of(x, start);
    }
}

template <typename X>
size_t Run(Search op, const ustring& s, const X& x, size_t pos)
{
    switch (op) {
    case kFind:
        return s.find(x, pos);
    case kRfind:
        return s.rfind(x, pos);
    case kFirstOf:
        return s.find_first_of(x, pos);
    case kFirstNotOf:
        return s.find_first_not_of(x, pos);
    case kLastOf:
        return s.find_last_of(x, pos);
    default:
        return s.find_last_not_of(x, pos);
    }
}

// Every search, each pattern form, against the model over the visible text.
void CheckSearches(const ustring& s, const std::string& visible, const std::string& raw_pattern,
                   size_t pos)
{
    const std::string x = Visible(raw_pattern);
    const ustring ux(raw_pattern);
    const char c = raw_pattern.empty() ? 'a' : raw_pattern[0];
    for (int i = 0; i <= kLastNotOf; ++i) {
        const Search op = static_cast<Search>(i);
        const size_t want = ModelSearch(op, visible, x, pos);
        FUZZ_CHECK(Run(op, s, x.c_str(), pos) == want);
        FUZZ_CHECK(Run(op, s, raw_pattern, pos) == want);
        FUZZ_CHECK(Run(op, s, ux, pos) == want);
        // A NUL char is an empty pattern.
        const std::string one = c == '\0' ? std::string() : std::string(1, c);
        FUZZ_CHECK(Run(op, s, c, pos) == ModelSearch(op, visible, one, pos));
    }
}

std::string ModelLtrim(const std::string& text, const std::string& set)
{
    if (set.empty()) {
        return text;
    }
    const size_t i = text.find_first_not_of(set);
    return i == npos ? std::string() : text.substr(i);
}

std::string ModelRtrim(const std::string& text, const std::string& set)
{
    if (set.empty()) {
        return text;
    }
    const size_t i = text.find_last_not_of(set);
    return i == npos ? std::string() : text.substr(0, i + 1);
}

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

int ModelCompare(const std::string& a, const std::string& b, size_t n, bool fold)
{
    for (size_t i = 0; i < n; ++i) {
        unsigned ca = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
        unsigned cb = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
        if (fold) {
            ca = ca >= 'A' && ca <= 'Z' ? ca + 32 : ca;
            cb = cb >= 'A' && cb <= 'Z' ? cb + 32 : cb;
        }
        if (ca != cb) {
            return static_cast<int>(ca) - static_cast<int>(cb);
        }
        if (ca == 0) {
            return 0;
        }
    }
    return 0;
}

// ---- the checks ----

void CheckConversions(const ustring& s, const std::string& text)
{
    std::vector<uint32_t> cps;
    const bool valid = DecodeUtf8(text, &cps);
    FUZZ_CHECK(ustring::is_valid(s) == valid);
    FUZZ_CHECK(TakeWarnings().empty());

    const U16 units = Units(s.c_str_utf16());
    const std::string warnings = TakeWarnings();
    FUZZ_CHECK(s.length() == text.size());
    if (valid) {
        FUZZ_CHECK(units == ToUtf16(cps));
        FUZZ_CHECK(warnings.empty());
        // Back from the UTF-16 form, the text is the same.
        FUZZ_CHECK(Text(ustring(s.c_str_utf16())) == text);
    } else {
        FUZZ_CHECK(units.empty());
        FUZZ_CHECK(warnings.find("Warning: u_strFromUTF8: error code ") == 0);
        FUZZ_CHECK(warnings.find(" at line 921\n") != std::string::npos);
    }

    const ustring nfc = s.normalize(ustring::NFC);
    const ustring nfd = ustring::normalize(s, ustring::NFD);
    TakeWarnings();
    if (!valid) {
        FUZZ_CHECK(nfc.empty() && nfd.empty());
        return;
    }
    FUZZ_CHECK(nfc.empty() == text.empty() && nfd.empty() == text.empty());
    FUZZ_CHECK(ustring::is_valid(nfc) && ustring::is_valid(nfd));
    FUZZ_CHECK(nfd.normalize(ustring::NFC) == nfc);
    FUZZ_CHECK(nfc.normalize(ustring::NFD) == nfd);
    FUZZ_CHECK(nfc.normalize(ustring::NFC) == nfc);
    FUZZ_CHECK(nfd.normalize(ustring::NFD) == nfd);
    FUZZ_CHECK(TakeWarnings().empty());
    // A stray form value is refused, not looked up out of the table.
    FUZZ_CHECK(s.normalize(static_cast<ustring::normalization_form>(2)).empty());
    TakeWarnings();
}

void CheckUnitAppend(const ustring& s, const std::string& text, const U16& raw_units, size_t n,
                     unsigned short single, size_t copies)
{
    std::vector<uint32_t> cps;
    const bool valid = DecodeUtf8(text, &cps);
    // The UTF-16 form of an invalid text is empty, so only the units remain.
    const std::string base = valid ? text : std::string();

    U16 taken;
    for (size_t i = 0; i < raw_units.size() && i < n && raw_units[i] != 0; ++i) {
        taken.push_back(raw_units[i]);
    }
    U16 terminated = raw_units;
    terminated.push_back(0);

    std::string tail;
    const bool units_valid = Utf16ToUtf8(taken, &tail);
    ustring t(s);
    t.append(terminated.data(), n);
    TakeWarnings();
    FUZZ_CHECK(Text(t) == (units_valid ? base + tail : std::string()));
    FUZZ_CHECK(t.length() == Text(t).size());
    if (units_valid) {
        // Both forms are up to date after a UTF-16 append.
        U16 all = valid ? ToUtf16(cps) : U16();
        all.insert(all.end(), taken.begin(), taken.end());
        FUZZ_CHECK(Units(t.c_str_utf16()) == all);
        FUZZ_CHECK(TakeWarnings().empty());
    }

    // A 0 unit ends the UTF-16 text like any terminator.
    U16 repeated(single == 0 ? 0 : copies, single);
    std::string repeated_tail;
    const bool repeated_valid = Utf16ToUtf8(repeated, &repeated_tail);
    ustring r(s);
    r.append(single, copies);
    TakeWarnings();
    FUZZ_CHECK(Text(r) == (repeated_valid ? base + repeated_tail : std::string()));

    // The UTF-16 form kept after an append must match the text, or the next
    // UTF-16 append builds on something else.
    const std::string middle = Text(r);
    r.append(terminated.data(), n);
    TakeWarnings();
    FUZZ_CHECK(Text(r) == (units_valid ? middle + tail : std::string()));
}

void CheckEditing(const ustring& s, const std::string& text, const std::string& raw_pattern,
                  size_t pos, size_t count, char from, char to)
{
    const std::string x = Visible(raw_pattern);
    const ustring ux(raw_pattern);

    // Substrings: the range check, then the bytes.
    if (pos > text.size()) {
        bool thrown = false;
        try {
            s.substr(pos, count);
        } catch (const std::out_of_range& e) {
            thrown = std::strcmp(e.what(), "substr") == 0;
        }
        FUZZ_CHECK(thrown);
    } else {
        FUZZ_CHECK(Text(s.substr(pos, count)) == text.substr(pos, count));
        ustring a(s);
        a.assign(a, pos, count);
        FUZZ_CHECK(Text(a) == text.substr(pos, count));
    }

    // Trims, with both kinds of set.
    ustring l(s), r(s), b(s), lu(s);
    l.ltrim(raw_pattern.c_str());
    r.rtrim(raw_pattern.c_str());
    b.trim(raw_pattern.c_str());
    lu.trim(ux);
    FUZZ_CHECK(Text(l) == ModelLtrim(text, x) && l.length() == Text(l).size());
    FUZZ_CHECK(Text(r) == ModelRtrim(text, x) && r.length() == Text(r).size());
    FUZZ_CHECK(Text(b) == ModelRtrim(ModelLtrim(text, x), x) && b.length() == Text(b).size());
    FUZZ_CHECK(Text(lu) == Text(b));

    // Comparisons keep the byte order, with and without case folding.
    FUZZ_CHECK(Sign(s.compare(ux)) == Sign(ModelCompare(text, x, npos, false)));
    FUZZ_CHECK(Sign(s.compare(ux, count)) == Sign(ModelCompare(text, x, count, false)));
    FUZZ_CHECK(Sign(ustring::compare(s, ux, true)) == Sign(ModelCompare(text, x, npos, true)));
    FUZZ_CHECK((s < ux) == (text < x) && (s == ux) == (text == x));

    // Appends of bytes, also of the string's own buffer.
    ustring cat(s);
    cat += ux;
    FUZZ_CHECK(Text(cat) == text + x);
    ustring twice(s);
    twice += twice;
    FUZZ_CHECK(Text(twice) == text + text);
    ustring own(s);
    own.append(own.c_str(), count);
    FUZZ_CHECK(Text(own) == text + text.substr(0, count));
    ustring cut(s);
    cut.assign(cut.c_str(), count);
    FUZZ_CHECK(Text(cut) == text.substr(0, count) && cut.length() == std::min(count, text.size()));

    // Streams write the bytes unconverted.
    std::ostringstream out;
    out << s;
    FUZZ_CHECK(out.str() == text);

    // replace() may write a NUL into the text: length() keeps counting the
    // bytes after it, every search sees only the text before it.
    ustring e(s);
    e.replace(from, to);
    std::string replaced = text;
    for (char& ch : replaced) {
        ch = ch == from ? to : ch;
    }
    FUZZ_CHECK(e.length() == replaced.size());
    FUZZ_CHECK(std::memcmp(e.c_str(), replaced.data(), replaced.size()) == 0);
    const std::string visible = Visible(replaced);
    FUZZ_CHECK(std::strlen(e.c_str()) == visible.size());
    CheckSearches(e, visible, raw_pattern, pos < visible.size() ? pos : npos);
    FUZZ_CHECK(Text(ustring(e)) == visible);
}

void CheckAssign(const ustring& s, const std::string& text, const std::string& raw_pattern,
                 size_t pos, size_t count, char c)
{
    const std::string x = Visible(raw_pattern);
    const ustring ux(raw_pattern);

    // The string's own UTF-16 form as the source truncates it; a cut through
    // a surrogate pair cannot be converted and empties the string.
    std::vector<uint32_t> cps;
    if (DecodeUtf8(text, &cps)) {
        const U16 all = ToUtf16(cps);
        ustring t(s);
        t.assign(t.c_str_utf16(), count);
        std::string want;
        const U16 head(all.begin(), all.begin() + std::min(count, all.size()));
        const bool ok = Utf16ToUtf8(head, &want);
        TakeWarnings();
        FUZZ_CHECK(Text(t) == (ok ? want : std::string()));
    }

    // A tail of its own text as the source.
    if (pos <= text.size()) {
        ustring t(s);
        t.assign(t.c_str() + pos, count);
        FUZZ_CHECK(Text(t) == text.substr(pos, count) && t.length() == Text(t).size());
    }

    // Copies of one byte; a NUL is counted but ends the visible text.
    const size_t copies = count % 64;
    ustring b(s);
    b.assign(c, copies);
    FUZZ_CHECK(b.length() == copies);
    FUZZ_CHECK(Text(b) == (c == '\0' ? std::string() : std::string(copies, c)));

    // A standard string source keeps the standard range check.
    ustring a(s);
    if (pos > raw_pattern.size()) {
        bool thrown = false;
        try {
            a.assign(raw_pattern, pos, count);
        } catch (const std::out_of_range&) {
            thrown = true;
        }
        FUZZ_CHECK(thrown);
    } else {
        a.assign(raw_pattern, pos, count);
        FUZZ_CHECK(Text(a) == Visible(raw_pattern.substr(pos, count)));
    }

    // The free operators build new strings and leave the operands alone.
    FUZZ_CHECK(Text(s + ux) == text + x && Text(s + x.c_str()) == text + x);
    const ustring with_char = s + c;
    FUZZ_CHECK(with_char.length() == text.size() + 1);
    FUZZ_CHECK(Text(with_char) == (c == '\0' ? text : text + c));
    FUZZ_CHECK(Text(s) == text);

    ustring p(s);
    ustring q(ux);
    swap(p, q);
    FUZZ_CHECK(Text(p) == x && Text(q) == text);

    // Extraction reads one whitespace-delimited word, as into a std::string.
    std::istringstream in(text);
    std::string word;
    const bool got = static_cast<bool>(std::istringstream(text) >> word);
    ustring w("unchanged");
    in >> w;
    FUZZ_CHECK(Text(w) == (got ? word : std::string("unchanged")));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    std::cerr.rdbuf(&g_err);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const std::string raw_text = fdp.ConsumeRandomLengthString(512);
    const std::string raw_pattern = fdp.ConsumeRandomLengthString(16);
    const uint16_t pos_in = fdp.ConsumeIntegral<uint16_t>();
    const uint16_t count_in = fdp.ConsumeIntegral<uint16_t>();
    const char from = fdp.ConsumeIntegral<char>();
    const char to = fdp.ConsumeIntegral<char>();
    const unsigned short single = fdp.ConsumeIntegral<unsigned short>();
    const size_t copies = fdp.ConsumeIntegralInRange<size_t>(0, 4);
    U16 units;
    while (fdp.remaining_bytes() >= 2) {
        units.push_back(fdp.ConsumeIntegral<unsigned short>());
    }
    TakeWarnings();

    const std::string text = Visible(raw_text);
    const ustring s(raw_text);
    FUZZ_CHECK(s.length() == text.size());
    FUZZ_CHECK(std::strlen(s.c_str()) == s.length());
    FUZZ_CHECK(Text(s) == text && s[s.length()] == '\0');
    FUZZ_CHECK(Text(ustring(text.c_str())) == text);

    // Positions around the end of the text matter most; all ones is npos.
    const size_t pos = pos_in == 0xFFFF ? npos : pos_in % (text.size() + 3);
    const size_t count = count_in == 0xFFFF ? npos : count_in % (text.size() + 3);

    CheckConversions(s, text);
    CheckSearches(s, text, raw_pattern, pos);
    CheckEditing(s, text, raw_pattern, pos, count, from, to);
    CheckUnitAppend(s, text, units, count, single, copies);
    CheckAssign(s, text, raw_pattern, pos, count, from);
    TakeWarnings();
    return 0;
}
