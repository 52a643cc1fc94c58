#include "VbDate.h"
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace {
// Days from 1 March of year 0 in the proleptic Gregorian calendar (Howard Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = unsigned(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = unsigned(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

const long long kEpoch = DaysFromCivil(1899, 12, 30);

std::wstring Pad(int v, int width) {
    std::wstring s = std::to_wstring(v);
    while (int(s.size()) < width) s.insert(s.begin(), L'0');
    return s;
}
} // namespace

double DateSerial(const DateParts& p) {
    // Month overflow carries into the year, as DateSerial(2026, 13, 1) means January 2027.
    long long months = (long long)p.Year * 12 + (p.Month - 1);
    long long y = months >= 0 ? months / 12 : (months - 11) / 12;
    unsigned m = unsigned(months - y * 12 + 1);
    double days = double(DaysFromCivil(y, m, 1) - kEpoch + (p.Day - 1));
    double time = (p.Hour * 3600.0 + p.Minute * 60.0 + p.Second) / 86400.0;
    // A negative serial carries its time of day as a positive fraction away from zero.
    return days < 0 ? days - time : days + time;
}

DateParts SplitDate(double serial) {
    double day = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - day) * 86400.0);
    long long wholeDay = (long long)day;
    if (seconds >= 86400) {
        seconds -= 86400;
        wholeDay += serial < 0 ? -1 : 1;
    }
    DateParts p;
    CivilFromDays(wholeDay + kEpoch, p.Year, p.Month, p.Day);
    p.Hour = int(seconds / 3600);
    p.Minute = int(seconds / 60 % 60);
    p.Second = int(seconds % 60);
    return p;
}

std::wstring FormatDate(double serial, std::wstring_view picture) {
    DateParts p = SplitDate(serial);
    struct Run {
        wchar_t letter; // lower case; 0 for literal text
        std::wstring text;
    };
    std::vector<Run> runs;
    for (size_t i = 0; i < picture.size();) {
        wchar_t c = wchar_t(std::towlower(picture[i]));
        size_t j = i;
        if (c == L'y' || c == L'm' || c == L'd' || c == L'h' || c == L'n' || c == L's') {
            while (j < picture.size() && wchar_t(std::towlower(picture[j])) == c) ++j;
            runs.push_back({c, std::wstring(picture.substr(i, j - i))});
        } else {
            while (j < picture.size() && !std::wcschr(L"yYmMdDhHnNsS", picture[j])) ++j;
            runs.push_back({0, std::wstring(picture.substr(i, j - i))});
        }
        i = j;
    }
    std::wstring out;
    wchar_t lastField = 0;
    for (size_t k = 0; k < runs.size(); ++k) {
        const Run& r = runs[k];
        int width = r.text.size() >= 2 ? 2 : 1;
        switch (r.letter) {
        case 0:
            out += r.text;
            continue;
        case L'y':
            out += r.text.size() >= 3 ? Pad(p.Year, 4) : Pad(p.Year % 100, 2);
            break;
        case L'm': {
            wchar_t nextField = 0;
            for (size_t n = k + 1; n < runs.size() && !nextField; ++n) nextField = runs[n].letter;
            bool minutes = lastField == L'h' || nextField == L's';
            out += Pad(minutes ? p.Minute : p.Month, width);
            break;
        }
        case L'd':
            out += Pad(p.Day, width);
            break;
        case L'h':
            out += Pad(p.Hour, width);
            break;
        case L'n':
            out += Pad(p.Minute, width);
            break;
        case L's':
            out += Pad(p.Second, width);
            break;
        }
        lastField = r.letter;
    }
    return out;
}
