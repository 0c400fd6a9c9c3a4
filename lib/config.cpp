#include "config.h"

#include "safe_open.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <locale>
#include <sstream>

#include <fcntl.h>

namespace {

bool is_space(unsigned char c)
{
    return c == ' ' || (c >= 9 && c <= 13);
}

bool is_key_char(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

bool is_quote(unsigned char c)
{
    return c == '"' || c == '\'';
}

bool is_control(unsigned char c)
{
    return c < 32 || c == 127;
}

unsigned char* skip_space(unsigned char* p)
{
    while (is_space(*p)) {
        ++p;
    }
    return p;
}

} // namespace

int Config::read(const ustring& path)
{
    error.clear();
    too_large = false;
    if (path.empty()) {
        error = "no path";
        return -1;
    }
    const UniqueFd fd(OpenRegularFile(path.c_str_utf8(), O_RDONLY, 0, error));
    if (!fd.Valid()) {
        return -1;
    }
    // A read error is no end of file: the assignments after it are unknown.
    std::string text;
    const int err = ReadSmallFile(fd.Get(), text, error);
    if (err != 0) {
        entries.clear();
        too_large = err == EFBIG;
        return -1;
    }

    char line[8192];
    size_t at = 0;
    while (at < text.size()) {
        // A line as fgets hands it over: up to its LF, at most 8191 bytes.
        size_t n = std::min(text.size() - at, sizeof(line) - 1);
        const void* lf = std::memchr(text.data() + at, '\n', n);
        if (lf != nullptr) {
            n = static_cast<size_t>(static_cast<const char*>(lf) - (text.data() + at)) + 1;
        }
        std::memcpy(line, text.data() + at, n);
        line[n] = '\0';
        at += n;
        ustring key;
        ustring value;
        switch (parse(line, static_cast<int>(std::strlen(line)), key, value)) {
        case 0:
            entries[key] = value;
            break;
        case 1:
            break;
        default:
            // One bad line discredits the whole file, and what came before it.
            entries.clear();
            error = "malformed line";
            return -1;
        }
    }
    return 0;
}

int Config::parse(char* line, int /*len*/, ustring& key, ustring& value)
{
    unsigned char* key_begin = skip_space(reinterpret_cast<unsigned char*>(line));
    unsigned char* key_end = key_begin;
    while (is_key_char(*key_end)) {
        ++key_end;
    }
    if (*key_end == '\0' || *key_end == '#') {
        return 1;
    }

    unsigned char* p = skip_space(key_end);
    if (*p != '=') {
        return 2;
    }
    p = skip_space(p + 1);
    if (*p == '\0') {
        return 2;
    }

    unsigned char quote = 0;
    if (is_quote(*p)) {
        quote = *p;
        ++p;
    }
    const unsigned char terminator = quote != 0 ? quote : ' ';
    unsigned char* value_begin = p;
    while (*p != terminator && !is_control(*p)) {
        ++p;
    }
    unsigned char* value_end = p;
    if (quote != 0) {
        if (*p != quote) {
            return 2;
        }
        ++p;
    }

    p = skip_space(p);
    if (*p != '\0' && *p != '#') {
        return 2;
    }

    *key_end = '\0';
    *value_end = '\0';
    key = reinterpret_cast<const char*>(key_begin);
    value = reinterpret_cast<const char*>(value_begin);
    if (keep_quotes && quote != 0) {
        const char q = static_cast<char>(quote);
        value = ustring(q) + value + q;
    }
    return 0;
}

int Config::get_int(const ustring& key)
{
    const ustring& text = entries[key];
    // The classic locale keeps digit grouping of a global C++ locale out.
    std::istringstream in(std::string(text.c_str_utf8(), text.length()));
    in.imbue(std::locale::classic());
    int number = 0;
    in >> number;
    return number;
}
