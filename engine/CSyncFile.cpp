#include "CSync.h"
#include "FileSystem.h"
#include "LikePattern.h"
#include "LongPath.h"
#include "PathName.h"
#include "SysError.h"
#include <windows.h>

namespace {
const wchar_t* const kSource = L"AxOrvelSync.CSync";
}

void CSync::SyncFile(const std::wstring& sSrc, const std::wstring& sDest) {
    SyncFileWith(sSrc, sDest, nullptr);
}

void CSync::SyncFileWith(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry* srcFacts) {
    if (IsExclude(sSrc)) {
        m_excluded->Add(Pair(sSrc, sDest));
        return;
    }
    std::wstring flattened;
    const std::wstring* dest = &sDest;
    if (!m_wildPattern.empty()) {
        if (!MatchesLike(GetFileName(sSrc), m_wildPattern)) return;
        if (!m_wildDest.empty()) dest = &(flattened = JoinPath(m_wildDest, GetFileName(sDest)));
    }
    TEnumEntry queried;
    if (!srcFacts) {
        if (!QueryPath(sSrc, queried)) return;
        srcFacts = &queried;
    }
    if (srcFacts->IsFolder()) return;
    try {
        auto destFacts = Facts(*dest);
        if (destFacts && !destFacts->IsFolder())
            SyncExisting(sSrc, *dest, *srcFacts, *destFacts);
        else if (m_set.Add)
            AddMissing(sSrc, *dest, *srcFacts);
    } catch (const CError& e) {
        Fail(Pair(sSrc, *dest), e.Description);
        throw;
    }
}

void CSync::SyncExisting(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry& src,
                         const TEnumEntry& dest) {
    int32_t flags = CompareFacts(sSrc, &src, sDest, &dest, m_set.BinaryCompare);
    if (!(flags & CFR_DIFF) || (m_set.CommitUpdate && m_set.Mode == UPM_DEST)) {
        Met(sDest);
        return;
    }
    if (!m_set.CommitUpdate) {
        Record(*m_conflict, Pair(sSrc, sDest));
        return;
    }
    // The newest-wins mode updates like the source-wins mode.
    UpdateWithBackup(sSrc, sDest, src, dest);
    Record(*m_synced, Pair(sSrc, sDest));
}

void CSync::AddMissing(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry& src) {
    ++m_addedFileNum;
    if (!m_set.CommitAdd) {
        m_toAdd->Add(Pair(sSrc, sDest));
        return;
    }
    unsigned long err = CopyCreatingFolders(sSrc, sDest, true);
    Touch(sDest, err ? nullptr : &src);
    if (err)
        Fail(Pair(sSrc, sDest), SystemErrorText(err));
    else
        Record(*m_added, Pair(sSrc, sDest));
}

// One rolling backup per file: the old destination becomes name._obk, replacing an older one. The
// new copy is swapped in only once it is complete, so a failure leaves the old file in place.
void CSync::UpdateWithBackup(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry& src,
                             const TEnumEntry& dest) {
    std::wstring backup = sDest + L"._obk";
    Met(backup);
    if (auto old = Facts(backup); old && !old->IsFolder()) {
        KillFiles(backup);
        Touch(backup);
    }
    unsigned long err = ReplaceFileSafely(sSrc, sDest, backup);
    Touch(backup, err ? nullptr : &dest);
    Touch(sDest, err ? nullptr : &src);
    if (err) RaiseFileError(err, kSource);
}

unsigned long CSync::CopyCreatingFolders(const std::wstring& sSrc, const std::wstring& sDest,
                                         bool failIfExists) {
    CreateFolderPath(GetFolderPart(sDest));
    if (!failIfExists) return ReplaceFileSafely(sSrc, sDest);
    return CopyFileW(SystemPath(sSrc).c_str(), SystemPath(sDest).c_str(), TRUE) ? 0 : GetLastError();
}

int32_t CSync::CopyAndCreateFolder(const std::wstring& sSrc, const std::wstring& sDest,
                                   int32_t bFailIfExists) {
    unsigned long err = CopyCreatingFolders(sSrc, sDest, bFailIfExists != 0);
    SetLastError(err);
    return err ? 0 : 1;
}

int32_t CSync::Overwrite(const std::wstring& sSrc, const std::wstring& sDest) {
    return CopyAndCreateFolder(sSrc, sDest, 0);
}

int32_t CSync::DeletePath(const std::wstring& sPath) {
    if (!PathExists(sPath)) return 0;
    if (GetPathAttributes(sPath) & FILE_ATTRIBUTE_DIRECTORY) return DeleteFolderTreeResult(sPath) ? 0 : 1;
    KillFiles(sPath);
    return 1;
}

bool CSync::SyncRar(const std::wstring& sSrc, const std::wstring& sDest, bool bUnrar) {
    if (IsExclude(sSrc)) {
        m_excluded->Add(Pair(sSrc, sDest));
        return false;
    }
    return bUnrar ? m_rar.Unrar(sSrc, sDest) : m_rar.Rar(sSrc, sDest);
}
