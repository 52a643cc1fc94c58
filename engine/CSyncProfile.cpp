#include "CSyncProfile.h"
#include "COptionString.h"
#include "COrvelVar.h"
#include "CError.h"
#include "FileSystem.h"
#include "PathName.h"
#include "VbNumber.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr wchar_t kInfo[] = L"info", kAuto[] = L"auto", kSync[] = L"sync", kSource[] = L"source",
                  kDest[] = L"dest", kUpdateMode[] = L"updatemode", kExclude[] = L"exclude",
                  kOptions[] = L"options";

// The leading number of a stored text, rounded. A hand-edited or damaged file may hold any text:
// numbers beyond 32 bits read as the nearest 32-bit value instead of failing the whole profile.
int32_t StoredNumber(const std::wstring& text) {
    double v = Val(text);
    if (std::isnan(v)) return 0;
    v = std::clamp(v, double(std::numeric_limits<int32_t>::min()),
                   double(std::numeric_limits<int32_t>::max()));
    return RoundToLong(v);
}

std::wstring Switch(int32_t lEnabled) {
    return lEnabled ? L"1" : L"0";
}

bool PathIsThere(const std::wstring& path) {
    return !path.empty() && (PathExists(path) || GetPathAttributes(path) == 64);
}
} // namespace

int32_t CSyncProfile::Number(const wchar_t* section, const wchar_t* key) const {
    return StoredNumber(m_ini.Value(section, key));
}

void CSyncProfile::SetNumber(const wchar_t* section, const wchar_t* key, int32_t v) const {
    m_ini.SetValue(section, key, std::to_wstring(v));
}

TProfileStruct CSyncProfile::LoadProfile() const {
    TProfileStruct p;
    p.Name = GetBaseName(File());
    p.OnTimer = Number(kAuto, L"timer") != 0;
    p.Interval = Number(kAuto, L"interval");
    p.OnDevice = Number(kAuto, L"ondevice") != 0;
    p.VolumeName = m_ini.Value(kAuto, L"volumename");
    p.ComputerLimit = Number(kAuto, L"computerlimit") != 0;
    p.ComputerName = m_ini.Value(kAuto, L"computername");
    p.LimitCount = LimitCount();
    p.LimitTimes = LimitTimes();
    return p;
}

std::wstring CSyncProfile::Value(const std::wstring& sSection, const std::wstring& sKey) const {
    return m_ini.Value(sSection, sKey);
}
void CSyncProfile::SetValue(const std::wstring& sSection, const std::wstring& sKey,
                            const std::wstring& value) const {
    m_ini.SetValue(sSection, sKey, value);
}

int32_t CSyncProfile::LimitCount() const {
    return Number(kAuto, L"limitcount");
}
void CSyncProfile::SetLimitCount(int32_t v) const {
    SetNumber(kAuto, L"limitcount", v);
}
int32_t CSyncProfile::LimitTimes() const {
    return Number(kAuto, L"limittimes");
}
void CSyncProfile::SetLimitTimes(int32_t v) const {
    SetNumber(kAuto, L"limittimes", v);
}

void CSyncProfile::SetTimer(int32_t lEnabled, int32_t lInterval) const {
    m_ini.SetValue(kAuto, L"timer", Switch(lEnabled));
    SetNumber(kAuto, L"interval", lInterval);
}
void CSyncProfile::GetTimer(int32_t& lEnabled, int32_t& lInterval) const {
    lEnabled = Number(kAuto, L"timer");
    lInterval = Number(kAuto, L"interval");
}
void CSyncProfile::SetOnDevice(int32_t lEnabled, const std::wstring& sVolumeName) const {
    m_ini.SetValue(kAuto, L"ondevice", Switch(lEnabled));
    m_ini.SetValue(kAuto, L"volumename", sVolumeName);
}
void CSyncProfile::GetOnDevice(int32_t& lEnabled, std::wstring& sVolumeName) const {
    lEnabled = Number(kAuto, L"ondevice");
    sVolumeName = m_ini.Value(kAuto, L"volumename");
}
void CSyncProfile::SetComputerLimit(int32_t lEnabled, const std::wstring& sComputerName) const {
    m_ini.SetValue(kAuto, L"computerlimit", Switch(lEnabled));
    m_ini.SetValue(kAuto, L"computername", sComputerName);
}
void CSyncProfile::GetComputerLimit(int32_t& lEnabled, std::wstring& sComputerName) const {
    lEnabled = Number(kAuto, L"computerlimit");
    sComputerName = m_ini.Value(kAuto, L"computername");
}

void CSyncProfile::CheckPath(TTaskStruct& task, bool bSrc, bool bDest) const {
    bool missing = false;
    if (bSrc && !PathIsThere(task.Src)) {
        task.State = EnumTaskState(task.State | TSK_SRC_INVALID);
        missing = true;
    }
    if (bDest && !PathIsThere(task.Dest)) {
        task.State = EnumTaskState(task.State | TSK_DEST_INVALID);
        missing = true;
    }
    task.Enabled = !missing;
}

bool CSyncProfile::ResolveVar(TTaskStruct& task) const {
    COrvelVar vars;
    bool src = vars.Replace(task.Src);
    bool dest = vars.Replace(task.Dest);
    return src && dest;
}

void CSyncProfile::CheckTask(TTaskStruct& task) const {
    COptionString options;
    options.SetOptionsStr(task.Options);
    task.Enabled = !options.IsDisable();
    if (ResolveVar(task)) {
        if (task.Enabled) CheckPath(task, true, false);
    } else {
        task.State = TSK_VAR_FAILED;
        task.Enabled = false;
    }
}

std::shared_ptr<CTaskVector> CSyncProfile::GetTaskVector() const {
    auto tasks = std::make_shared<CTaskVector>();
    std::vector<std::wstring> keys;
    int32_t count = EnumItems(keys);
    for (int32_t i = 0; i < count; ++i) {
        if (ItemState(keys[size_t(i)]) == L"D") continue;
        TTaskStruct task;
        ReadTask(keys[size_t(i)], task);
        tasks->Add(task);
    }
    return tasks;
}

// The next number is past every number the file lists as well as past totalcount: a hand-written
// or damaged file without a right totalcount must not have a new task overwrite a stored one.
int32_t CSyncProfile::AddItem(const std::wstring& sSrc, const std::wstring& sDest) const {
    int64_t highest = TotalCount();
    std::vector<std::wstring> keys;
    int32_t count = EnumItems(keys);
    for (int32_t i = 0; i < count; ++i)
        highest = std::max<int64_t>(highest, StoredNumber(keys[size_t(i)]));
    if (highest >= std::numeric_limits<int32_t>::max()) RaiseOverflow(L"AxOrvelSync");
    int32_t n = int32_t(highest + 1);
    SetTotalCount(n);
    SetCount(Count() + 1);
    std::wstring key = std::to_wstring(n);
    m_ini.SetValue(kSync, key, L"1");
    m_ini.SetValue(kSource, key, sSrc);
    m_ini.SetValue(kDest, key, sDest);
    return n;
}

int32_t CSyncProfile::AddTask(TTaskStruct& task) const {
    int32_t n = AddItem(task.Src, task.Dest);
    std::wstring key = std::to_wstring(n);
    m_ini.SetValue(kExclude, key, task.Exclude);
    m_ini.SetValue(kOptions, key, task.Options);
    m_ini.SetValue(kUpdateMode, key, std::to_wstring(int(task.UpdateMode)));
    task.id = n;
    return n;
}

void CSyncProfile::ReadTask(const std::wstring& key, TTaskStruct& task) const {
    task.id = StoredNumber(key);
    task.key = key;
    task.Src = Src(key);
    task.Dest = Dest(key);
    task.Options = ItemOptions(key);
    task.UpdateMode = EnumUpdateMode(StoredNumber(UpdateMode(key)));
    task.Exclude = ItemExclude(key);
    CheckTask(task);
}

void CSyncProfile::WriteTask(const std::wstring& key, const TTaskStruct& task) const {
    if (key.empty()) return;
    SetSrc(key, task.Src);
    SetDest(key, task.Dest);
    SetItemOptions(key, task.Options);
    SetUpdateMode(key, std::to_wstring(int(task.UpdateMode)));
    SetItemExclude(key, task.Exclude);
}

int32_t CSyncProfile::DeleteItem(const std::wstring& key) const {
    if (ItemState(key).empty()) return 0;
    m_ini.DeleteKey(kSync, key);
    m_ini.DeleteKey(kSource, key);
    m_ini.DeleteKey(kDest, key);
    SetCount(Count() - 1);
    return 1;
}

int32_t CSyncProfile::TotalCount() const {
    return Number(kInfo, L"totalcount");
}
void CSyncProfile::SetTotalCount(int32_t v) const {
    SetNumber(kInfo, L"totalcount", v);
}
int32_t CSyncProfile::Count() const {
    return Number(kInfo, L"count");
}
void CSyncProfile::SetCount(int32_t v) const {
    SetNumber(kInfo, L"count", v);
}
int32_t CSyncProfile::Created() const {
    return Number(kInfo, L"created");
}
void CSyncProfile::SetCreated(int32_t v) const {
    SetNumber(kInfo, L"created", v);
}
std::wstring CSyncProfile::Exclude(const std::wstring&) const {
    return m_ini.Value(kInfo, L"exclude");
}
void CSyncProfile::SetExclude(const std::wstring&, const std::wstring& v) const {
    m_ini.SetValue(kInfo, L"exclude", v);
}

int32_t CSyncProfile::EnumItems(std::vector<std::wstring>& keys) const {
    long count = 0;
    m_ini.EnumerateSection(kSync, keys, count);
    return int32_t(count);
}

std::wstring CSyncProfile::Src(const std::wstring& sKey) const {
    return m_ini.Value(kSource, sKey);
}
void CSyncProfile::SetSrc(const std::wstring& sKey, const std::wstring& v) const {
    m_ini.SetValue(kSource, sKey, v);
}
std::wstring CSyncProfile::Dest(const std::wstring& sKey) const {
    return m_ini.Value(kDest, sKey);
}
void CSyncProfile::SetDest(const std::wstring& sKey, const std::wstring& v) const {
    m_ini.SetValue(kDest, sKey, v);
}
std::wstring CSyncProfile::ItemExclude(const std::wstring& sKey) const {
    return m_ini.Value(kExclude, sKey);
}
void CSyncProfile::SetItemExclude(const std::wstring& sKey, const std::wstring& v) const {
    m_ini.SetValue(kExclude, sKey, v);
}
std::wstring CSyncProfile::ItemState(const std::wstring& sKey) const {
    return m_ini.Value(kSync, sKey);
}
void CSyncProfile::SetItemState(const std::wstring& sKey, const std::wstring& v) const {
    m_ini.SetValue(kSync, sKey, v);
}
std::wstring CSyncProfile::Options() const {
    return m_ini.Value(kInfo, kOptions);
}
void CSyncProfile::SetOptions(const std::wstring& v) const {
    m_ini.SetValue(kInfo, kOptions, v);
}
std::wstring CSyncProfile::ItemOptions(const std::wstring& sKey) const {
    return m_ini.Value(kOptions, sKey);
}
void CSyncProfile::SetItemOptions(const std::wstring& sKey, const std::wstring& v) const {
    m_ini.SetValue(kOptions, sKey, v);
}
std::wstring CSyncProfile::UpdateMode(const std::wstring& sKey) const {
    return m_ini.Value(kUpdateMode, sKey);
}
void CSyncProfile::SetUpdateMode(const std::wstring& sKey, const std::wstring& v) const {
    m_ini.SetValue(kUpdateMode, sKey, v);
}
