#include "CSync.h"
#include "COptionString.h"
#include "CVbFile.h"
#include "CaseFold.h"
#include "FileSystem.h"
#include "LikePattern.h"
#include "PathName.h"

namespace {
// Contents are compared only below this size: both files are held in memory at once.
constexpr int64_t kCompareLimit = 2097152;

int64_t Seconds(const TEnumEntry* e) {
    return e ? int64_t(e->LastWrite / 10000000u) : 0;
}
} // namespace

// Pieces stay as they are: empty ones match only an empty path, blanks belong to the pattern.
void CSync::SplitPatterns(const std::wstring& text, std::vector<std::wstring>& into) {
    into.clear();
    for (size_t start = 0;;) {
        size_t sep = text.find(L';', start);
        into.push_back(text.substr(start, sep == std::wstring::npos ? std::wstring::npos : sep - start));
        if (sep == std::wstring::npos) return;
        start = sep + 1;
    }
}

void CSync::SetExcludePath(const std::wstring& s) {
    m_excludePath = s;
    SplitPatterns(s, m_globalExclude);
}

bool CSync::IsExclude(const std::wstring& sPath) const {
    for (const auto* list : {&m_taskExclude, &m_globalExclude})
        for (const std::wstring& pattern : *list)
            if (MatchesLike(sPath, pattern)) return true;
    return false;
}

int32_t CSync::IsConflict(const std::wstring& sSrc, const std::wstring& sDest, bool bBinaryCompare) {
    TEnumEntry s, d;
    bool hasS = QueryPath(sSrc, s) && !s.IsFolder(), hasD = QueryPath(sDest, d) && !d.IsFolder();
    return CompareFacts(sSrc, hasS ? &s : nullptr, sDest, hasD ? &d : nullptr, bBinaryCompare);
}

int32_t CSync::CompareFacts(const std::wstring& sSrc, const TEnumEntry* src, const std::wstring& sDest,
                            const TEnumEntry* dest, bool bBinaryCompare) {
    int64_t s = src ? src->Size : 0, d = dest ? dest->Size : 0;
    int32_t flags = s == d ? CFR_EQAUL_SIZE : (s < d ? CFR_SMALL_SRC_SIZE : CFR_SMALL_DEST_SIZE);
    int64_t delta = Seconds(dest) - Seconds(src);
    // Two seconds of tolerance: FAT keeps times to two seconds.
    flags |= delta >= -2 && delta <= 2 ? CFR_EQUAL_DATE
                                       : (delta > 0 ? CFR_LASTEST_DEST_DATE : CFR_LASTEST_SRC_DATE);
    if (bBinaryCompare && s < kCompareLimit && d < kCompareLimit && !ContentsEqual(sSrc, sDest))
        flags |= CFR_DIFF;
    if (!(flags & CFR_DIFF))
        flags |= (flags & CFR_EQAUL_SIZE) && (flags & CFR_EQUAL_DATE) ? CFR_SAME : CFR_DIFF;
    return flags;
}

bool CSync::ContentsEqual(const std::wstring& a, const std::wstring& b) {
    CVbFile fa, fb;
    fa.SetFilename(a);
    fb.SetFilename(b);
    fa.OpenFile(cfomBinary);
    fb.OpenFile(cfomBinary);
    if (fa.GetLength() != fb.GetLength()) return false;
    std::vector<uint8_t> ba(size_t(fa.GetLength())), bb(size_t(fb.GetLength()));
    fa.GetChunk(ba);
    fb.GetChunk(bb);
    return ba == bb;
}

void CSync::StatisTask(CTaskVector& taskVector, int32_t& iTotalDirNum, int32_t& iTotalFileNum, bool bReverse,
                       bool bCallback) {
    for (int32_t i = 0; i < taskVector.Count(); ++i) {
        auto task = taskVector.Item(i);
        if (!task || !task->Enabled) continue;
        std::wstring src = bReverse ? task->Dest : task->Src;
        // Classified by the task's own fields, whichever way the run goes.
        uint32_t a = GetPathAttributes(task->Src), b = GetPathAttributes(task->Dest);
        COptionString o;
        o.SetOptionsStr(task->Options);
        int32_t d = 0, f = 0;
        if (IsFolderLike(a)) {
            if (FoldCase(GetExtension(task->Dest)) == L"rar")
                f = 1;
            else if (IsFolderLike(b) || b == 0)
                m_fileEnum.Enumerate(src, d, f, false, o.IsSubDir());
        } else if (FoldCase(GetExtension(task->Src)) == L"rar") {
            d = 1;
        } else if (GetFileName(src).find(L'*') == std::wstring::npos) {
            f = 1;
        } else {
            m_fileEnum.Enumerate(GetFolderPart(src, true), d, f, false, o.IsSubDir());
        }
        iTotalFileNum += f;
        iTotalDirNum += d;
        if (bCallback && m_events) m_events->StatisCallback(iTotalDirNum, iTotalFileNum);
    }
    m_totalFileNum = iTotalFileNum;
    m_totalDirNum = iTotalDirNum;
}
