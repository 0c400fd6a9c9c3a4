#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// The string type of all non-UI code. UTF-8 is the master copy; a UTF-16
// copy is computed with ICU only when asked for and kept until the UTF-8 text
// changes. Lengths, positions and searches are in UTF-8 bytes.
class ustring
{
public:
    // Fixed underlying type so that a stray value reaching normalize() is
    // a defined value that can be rejected.
    enum normalization_form : int
    {
        NFC = 0,
        NFD = 1
    };

    static constexpr size_t npos = static_cast<size_t>(-1);

    ustring();
    ustring(const ustring& s);
    ustring(const char* s);
    ustring(const unsigned short* w);
    ustring(const std::string& s);
    ustring(char c);
    ~ustring();

    const char* c_str() const { return data; }
    const char* c_str_utf8() const { return data; }
    const unsigned short* c_str_utf16() const;

    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }

    // No bounds check: position length() gives the terminating NUL.
    char& operator[](size_t pos) { return data[pos]; }
    const char& operator[](size_t pos) const { return data[pos]; }

    ustring& append(const ustring& s, size_t pos = 0, size_t n = npos);
    ustring& append(const std::string& s, size_t pos = 0, size_t n = npos);
    ustring& append(const char* s);
    ustring& append(const char* s, size_t n);
    ustring& append(const unsigned short* w);
    ustring& append(const unsigned short* w, size_t n);
    ustring& append(char c, size_t n);
    ustring& append(unsigned short u, size_t n);

    ustring& assign(const ustring& s, size_t pos = 0, size_t n = npos);
    ustring& assign(const std::string& s, size_t pos = 0, size_t n = npos);
    ustring& assign(const char* s);
    ustring& assign(const char* s, size_t n);
    ustring& assign(const unsigned short* w);
    ustring& assign(const unsigned short* w, size_t n);
    ustring& assign(char c, size_t n);
    ustring& assign(unsigned short u, size_t n);

    ustring& operator+=(const ustring& s);
    ustring& operator+=(const std::string& s);
    ustring& operator+=(const char* s);
    ustring& operator+=(const unsigned short* w);
    ustring& operator+=(char c);
    ustring& operator+=(unsigned short u);

    ustring& operator=(const ustring& s);
    ustring& operator=(const std::string& s);
    ustring& operator=(const char* s);
    ustring& operator=(const unsigned short* w);
    ustring& operator=(char c);
    ustring& operator=(unsigned short u);

    void clear();
    void clear_data();
    void clear_wdata() const;

    ustring substr(size_t pos = 0, size_t n = npos) const;

    size_t find(const std::string& x, size_t pos = 0) const;
    size_t find(const char* x, size_t pos = 0) const;
    size_t find(const ustring& x, size_t pos = 0) const;
    size_t find(char x, size_t pos = 0) const;

    size_t rfind(const std::string& x, size_t pos = npos) const;
    size_t rfind(const char* x, size_t pos = npos) const;
    size_t rfind(const ustring& x, size_t pos = npos) const;
    size_t rfind(char x, size_t pos = npos) const;

    size_t find_first_of(const std::string& x, size_t pos = 0) const;
    size_t find_first_of(const char* x, size_t pos = 0) const;
    size_t find_first_of(const ustring& x, size_t pos = 0) const;
    size_t find_first_of(char x, size_t pos = 0) const;

    size_t find_first_not_of(const std::string& x, size_t pos = 0) const;
    size_t find_first_not_of(const char* x, size_t pos = 0) const;
    size_t find_first_not_of(const ustring& x, size_t pos = 0) const;
    size_t find_first_not_of(char x, size_t pos = 0) const;

    size_t find_last_of(const std::string& x, size_t pos = npos) const;
    size_t find_last_of(const char* x, size_t pos = npos) const;
    size_t find_last_of(const ustring& x, size_t pos = npos) const;
    size_t find_last_of(char x, size_t pos = npos) const;

    size_t find_last_not_of(const std::string& x, size_t pos = npos) const;
    size_t find_last_not_of(const char* x, size_t pos = npos) const;
    size_t find_last_not_of(const ustring& x, size_t pos = npos) const;
    size_t find_last_not_of(char x, size_t pos = npos) const;

    ustring& ltrim(const ustring& set);
    ustring& ltrim(const char* set);
    ustring& rtrim(const ustring& set);
    ustring& rtrim(const char* set);
    ustring& trim(const ustring& set);
    ustring& trim(const char* set);

    ustring& replace(char from, char to);
    void swap(ustring& other);

    int compare(const ustring& other) const;
    int compare(const ustring& other, size_t n) const;
    static int compare(const ustring& a, const ustring& b, bool ignore_case);

    static bool is_valid(const ustring& s);
    static ustring normalize(const ustring& src, normalization_form form);
    ustring normalize(normalization_form form) const;

    int convert_from_data() const;
    int convert_from_wdata();

private:
    void init();
    void realloc_data(size_t n);
    void realloc_wdata(size_t n) const;
    ustring& append_bytes(const char* s, size_t n);
    ustring& append_units(const unsigned short* w, size_t n);
    void drop_wdata() const;

    char* data;
    uint64_t data_len;
    uint64_t data_cap;
    mutable unsigned short* wdata;
    mutable uint64_t wdata_len;
    mutable uint64_t wdata_cap;

    friend class UstringTestAccess;
};

ustring operator+(const ustring& a, const ustring& b);
ustring operator+(const ustring& a, const char* b);
ustring operator+(const ustring& a, char b);
ustring operator+(const ustring& a, const unsigned short* b);
ustring operator+(const ustring& a, unsigned short b);

bool operator==(const ustring& a, const ustring& b);
bool operator!=(const ustring& a, const ustring& b);
bool operator<(const ustring& a, const ustring& b);
bool operator>(const ustring& a, const ustring& b);
bool operator<=(const ustring& a, const ustring& b);
bool operator>=(const ustring& a, const ustring& b);

void swap(ustring& a, ustring& b);

std::ostream& operator<<(std::ostream& os, const ustring& s);
std::istream& operator>>(std::istream& is, ustring& s);
