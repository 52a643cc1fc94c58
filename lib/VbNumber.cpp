#include "VbNumber.h"
#include "CError.h"
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

std::wstring WithoutBlanks(std::wstring_view text) {
    std::wstring s;
    s.reserve(text.size());
    for (wchar_t c : text)
        if (!IsBlank(c)) s += c;
    return s;
}

double RadixValue(const std::wstring& s, size_t pos, int radix) {
    // "&H" and "&O" numbers are 32-bit patterns: &HFFFFFFFF reads as -1.
    uint64_t v = 0;
    bool any = false;
    for (; pos < s.size(); ++pos) {
        wchar_t c = s[pos];
        int d = (c >= L'0' && c <= L'9') ? c - L'0'
                : (c >= L'a' && c <= L'f') ? c - L'a' + 10
                : (c >= L'A' && c <= L'F') ? c - L'A' + 10
                                            : 99;
        if (d >= radix) break;
        v = v * radix + d;
        any = true;
        if (v > 0xFFFFFFFFull) return double(v);
    }
    if (!any) return 0;
    // Up to four hex digits make a 16-bit pattern, more a 32-bit one: &HFFFF and &HFFFFFFFF are -1.
    return v <= 0xFFFFu ? double(int16_t(uint16_t(v))) : double(int32_t(uint32_t(v)));
}
} // namespace

double Val(std::wstring_view text) {
    std::wstring s = WithoutBlanks(text);
    if (s.size() >= 2 && s[0] == L'&') {
        if (s[1] == L'H' || s[1] == L'h') return RadixValue(s, 2, 16);
        if (s[1] == L'O' || s[1] == L'o') return RadixValue(s, 2, 8);
        return RadixValue(s, 1, 8);
    }
    std::string num;
    size_t i = 0;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) num += char(s[i++]);
    size_t digits = 0;
    while (i < s.size() && s[i] >= L'0' && s[i] <= L'9') num += char(s[i++]), ++digits;
    if (i < s.size() && s[i] == L'.') {
        num += '.';
        ++i;
        while (i < s.size() && s[i] >= L'0' && s[i] <= L'9') num += char(s[i++]), ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == L'E' || s[i] == L'e' || s[i] == L'D' || s[i] == L'd')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == L'+' || s[j] == L'-')) exp += char(s[j++]);
        size_t expDigits = 0;
        while (j < s.size() && s[j] >= L'0' && s[j] <= L'9') exp += char(s[j++]), ++expDigits;
        if (expDigits) num += exp;
    }
    double v = std::strtod(num.c_str(), nullptr);
    if (!std::isfinite(v)) RaiseOverflow(L"AxOrvelLib");
    return v;
}

int32_t RoundToLong(double value, const std::wstring& source) {
    double r = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) RaiseOverflow(source);
    return int32_t(r);
}

int32_t ValLong(std::wstring_view text, const std::wstring& source) { return RoundToLong(Val(text), source); }

std::wstring FormatNumber(double value, std::wstring_view picture) {
    size_t point = picture.find(L'.');
    int intDigits = int(point == std::wstring_view::npos ? picture.size() : point);
    int decimals = point == std::wstring_view::npos ? 0 : int(picture.size() - point - 1);
    double scale = std::pow(10.0, decimals);
    // Rounded on the value as 15 significant digits show it, so 1.005 gives "1.01" as a reader
    // expects, not "1.00" from its binary neighbour below.
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(value));
    double rounded = std::round(std::strtod(buf, nullptr) * scale * (1 + 4 * DBL_EPSILON)) / scale;
    std::snprintf(buf, sizeof buf, "%0*.*f", intDigits + (decimals ? decimals + 1 : 0), decimals, rounded);
    std::wstring out;
    if (value < 0 && rounded != 0) out += L'-';
    for (const char* p = buf; *p; ++p) out += wchar_t(*p);
    return out;
}
