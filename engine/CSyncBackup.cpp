#include "CClock.h"
#include "CSync.h"
#include "FileSystem.h"
#include "PathName.h"
#include "VbDate.h"
#include "VbNumber.h"
#include <cmath>
#include <random>

namespace {
// Beyond this many digits a free name is not going to turn up.
constexpr int32_t kMaxDigits = 12;
} // namespace

// The date (and time) of now, then "_" and k random digits; the generator is reseeded from the
// time of day for every suffix.
std::wstring CSync::BackupSuffix(bool bTimeNamed, int32_t k) const {
    std::wstring x = FormatDate(CClock::Now(), bTimeNamed ? L"yyyyMMdd_hhmmss" : L"yyyyMMdd");
    if (k <= 0) return x;
    std::minstd_rand gen(uint32_t(CClock::SecondsSinceMidnight() * 1000) + 1);
    double r = std::uniform_real_distribution<double>(0.0, 1.0)(gen);
    return x + L"_" + FormatNumber(r * std::pow(10.0, k), std::wstring(size_t(k), L'0'));
}

// The dated name for sDest (folderForm: the dated sub-folder form) that is free, or "" when none is.
std::wstring CSync::FreeBackupName(const std::wstring& sDest, bool bTimeNamed, int32_t k,
                                   bool bAutoNoConflict, bool folderForm) const {
    for (;; ++k) {
        std::wstring x = BackupSuffix(bTimeNamed, k), ext = GetExtension(sDest), name;
        if (folderForm)
            name = GetFolderPart(sDest) + L"_obk" + x + L"\\" + GetFileName(sDest);
        else // a name without extension gets no dot, as the file system would drop it anyway
            name = GetFolderPart(sDest) + GetBaseName(sDest) + L"_obk" + x + (ext.empty() ? L"" : L"." + ext);
        if (!FileExists(name)) return name;
        if (!bAutoNoConflict || k >= kMaxDigits) return L"";
    }
}

bool CSync::Backup(const std::wstring& sSrc, const std::wstring& sDest, bool bTimeNamed, int32_t lRndNamed,
                   bool bAutoNoConflict) {
    if (!FileExists(sSrc)) return false;
    std::wstring kept = FreeBackupName(sDest, bTimeNamed, lRndNamed, bAutoNoConflict, false);
    if (kept.empty()) return false;
    return ReplaceFileSafely(sSrc, sDest, kept) == 0;
}

bool CSync::DirBackup(const std::wstring& sSrc, const std::wstring& sDest, bool bTimeNamed, int32_t lRndNamed,
                      bool bAutoNoConflict) {
    if (!FileExists(sSrc)) return false;
    std::wstring path = FreeBackupName(sDest, bTimeNamed, lRndNamed, bAutoNoConflict, true);
    if (path.empty()) return false;
    return CopyAndCreateFolder(sSrc, path, 0) != 0;
}
