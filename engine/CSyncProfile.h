#pragma once
// One profile file: its tasks (each attribute in its own section under the task's number) and its
// automatic-run settings. Every member reads or writes the file at once; nothing is cached, so two
// objects on one file always agree. Values read back are at most 255 bytes of the code page.
#include "CApiIni.h"
#include "CTaskVector.h"
#include "EngineApi.h"
#include "TProfileStruct.h"
#include <memory>
#include <string>
#include <vector>

class AXORVELSYNC_API CSyncProfile {
public:
    const std::wstring& File() const { return m_ini.File(); }
    void SetFile(const std::wstring& path) { m_ini.SetFile(path); }

    // The automatic-run settings; Name is the file's base name.
    TProfileStruct LoadProfile() const;

    std::wstring Value(const std::wstring& sSection, const std::wstring& sKey) const;
    void SetValue(const std::wstring& sSection, const std::wstring& sKey, const std::wstring& value) const;

    int32_t LimitCount() const;
    void SetLimitCount(int32_t v) const;
    int32_t LimitTimes() const;
    void SetLimitTimes(int32_t v) const;
    // Switches are written as "1" for any non-zero lEnabled, "0" otherwise; read as stored numbers.
    void SetTimer(int32_t lEnabled, int32_t lInterval) const;
    void GetTimer(int32_t& lEnabled, int32_t& lInterval) const;
    void SetOnDevice(int32_t lEnabled, const std::wstring& sVolumeName) const;
    void GetOnDevice(int32_t& lEnabled, std::wstring& sVolumeName) const;
    void SetComputerLimit(int32_t lEnabled, const std::wstring& sComputerName) const;
    void GetComputerLimit(int32_t& lEnabled, std::wstring& sComputerName) const;

    // Marks a missing source / destination in State and enables the task only when every path asked
    // for is there (a drive root counts).
    void CheckPath(TTaskStruct& task, bool bSrc, bool bDest) const;
    // Replaces the variables of Src and Dest; true when both resolved.
    bool ResolveVar(TTaskStruct& task) const;
    // Prepares a task read from the file for running: -dis, unresolved variables and a missing
    // source switch it off.
    void CheckTask(TTaskStruct& task) const;
    // Every listed task (sync value not "D"), read and checked; disabled and broken ones included.
    std::shared_ptr<CTaskVector> GetTaskVector() const;

    // Stores a new task under a number never given out before; answers the number.
    int32_t AddItem(const std::wstring& sSrc, const std::wstring& sDest) const;
    int32_t AddTask(TTaskStruct& task) const;
    void ReadTask(const std::wstring& key, TTaskStruct& task) const;
    // Stores the task's attributes under a non-empty key; its sync entry is left alone.
    void WriteTask(const std::wstring& key, const TTaskStruct& task) const;
    // 1 when the task was listed and is removed, 0 otherwise. Its number is not given out again.
    int32_t DeleteItem(const std::wstring& key) const;

    int32_t TotalCount() const;
    void SetTotalCount(int32_t v) const;
    int32_t Count() const;
    void SetCount(int32_t v) const;
    int32_t Created() const;
    void SetCreated(int32_t v) const;
    // The profile-wide exclusion text; the key is kept for callers and not used.
    std::wstring Exclude(const std::wstring& sKey = L"") const;
    void SetExclude(const std::wstring& sKey, const std::wstring& v) const;

    // The task numbers of the sync section in file order, in the shape of CApiIni::EnumerateSection.
    int32_t EnumItems(std::vector<std::wstring>& keys) const;

    std::wstring Src(const std::wstring& sKey) const;
    void SetSrc(const std::wstring& sKey, const std::wstring& v) const;
    std::wstring Dest(const std::wstring& sKey) const;
    void SetDest(const std::wstring& sKey, const std::wstring& v) const;
    std::wstring ItemExclude(const std::wstring& sKey) const;
    void SetItemExclude(const std::wstring& sKey, const std::wstring& v) const;
    std::wstring ItemState(const std::wstring& sKey) const;
    void SetItemState(const std::wstring& sKey, const std::wstring& v) const;
    std::wstring Options() const;
    void SetOptions(const std::wstring& v) const;
    std::wstring ItemOptions(const std::wstring& sKey) const;
    void SetItemOptions(const std::wstring& sKey, const std::wstring& v) const;
    std::wstring UpdateMode(const std::wstring& sKey) const;
    void SetUpdateMode(const std::wstring& sKey, const std::wstring& v) const;

private:
    int32_t Number(const wchar_t* section, const wchar_t* key) const;
    void SetNumber(const wchar_t* section, const wchar_t* key, int32_t v) const;

    CApiIni m_ini;
};
