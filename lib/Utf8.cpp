#include "Utf8.h"

std::string ToUtf8(std::wstring_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(s[++i]) - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring FromUtf8(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = s[i];
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            out += wchar_t(0xFFFD);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += wchar_t(0xD800 + ((c - 0x10000) >> 10));
            out += wchar_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += wchar_t(c);
        }
        i += extra + 1;
    }
    return out;
}
