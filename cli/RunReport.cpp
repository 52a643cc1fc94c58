#include "RunReport.h"
#include "Utf8.h"
#include <nlohmann/json.hpp>

namespace {
using Json = nlohmann::ordered_json;

struct PairList {
    const char* key;
    const wchar_t* state; // the report's and the manual window's words for the rows
    std::shared_ptr<CTaskVector> list;
};
struct PathList {
    const char* key;
    const wchar_t* state;
    std::shared_ptr<CStringVector> list;
};

std::vector<PairList> Pairs(const CSync& s) {
    return {
        {"SyncedVector", L"已更新", s.SyncedVector()},     {"ConflictVector", L"冲突", s.ConflictVector()},
        {"ToAddVector", L"待添加", s.ToAddVector()},       {"AddedVector", L"已添加", s.AddedVector()},
        {"ExcludedVector", L"已排除", s.ExcludedVector()}, {"FailedVector", L"失败", s.FailedVector()}};
}
std::vector<PathList> Paths(const CSync& s) {
    return {{"ToDeleteVector", L"待删除", s.ToDeleteVector()},
            {"DeletedVector", L"已删除", s.DeletedVector()}};
}

std::wstring Num(int32_t n) {
    return std::to_wstring(n);
}
} // namespace

std::wstring TextReport(const CSync& s, const CError* error) {
    std::wstring out = L"文件: 总计 " + Num(s.TotalFileNum()) + L"  已同步 " + Num(s.SyncedFileNum()) +
                       L"  增加 " + Num(s.AddedFileNum()) + L"\n" + L"文件夹: 总计 " + Num(s.TotalDirNum()) +
                       L"  已同步 " + Num(s.SyncedDirNum()) + L"  增加 " + Num(s.AddedDirNum()) + L"\n";
    int32_t pending = s.ConflictVector()->Count() + s.ToAddVector()->Count() + s.ToDeleteVector()->Count();
    out += L"待处理: " + Num(pending) + L"  失败: " + Num(s.FailedVector()->Count()) + L"\n";
    for (const PairList& p : Pairs(s)) {
        bool failed = p.list == s.FailedVector();
        for (int32_t i = 0; i < p.list->Count(); ++i) {
            auto r = p.list->Item(i);
            out += std::wstring(p.state) + L"  " + r->Src + L" -> " + r->Dest;
            if (failed) out += L"  (" + s.FailedErrorVector()->Item(i) + L")";
            out += L"\n";
        }
    }
    for (const PathList& p : Paths(s))
        for (int32_t i = 0; i < p.list->Count(); ++i)
            out += std::wstring(p.state) + L"  " + p.list->Item(i) + L"\n";
    if (error)
        out += L"错误: [" + std::to_wstring(error->Number) + L"] " + error->Description + L" (" +
               error->Source + L")\n";
    return out;
}

std::string JsonReport(const CSync& s, const CError* error) {
    Json j;
    j["TotalFileNum"] = s.TotalFileNum();
    j["TotalDirNum"] = s.TotalDirNum();
    j["SyncedFileNum"] = s.SyncedFileNum();
    j["SyncedDirNum"] = s.SyncedDirNum();
    j["AddedFileNum"] = s.AddedFileNum();
    j["AddedDirNum"] = s.AddedDirNum();
    for (const PairList& p : Pairs(s)) {
        Json rows = Json::array();
        bool failed = p.list == s.FailedVector();
        for (int32_t i = 0; i < p.list->Count(); ++i) {
            auto r = p.list->Item(i);
            Json row = {{"Src", ToUtf8(r->Src)}, {"Dest", ToUtf8(r->Dest)}};
            if (failed) row["Error"] = ToUtf8(s.FailedErrorVector()->Item(i));
            rows.push_back(std::move(row));
        }
        j[p.key] = std::move(rows);
    }
    for (const PathList& p : Paths(s)) {
        Json rows = Json::array();
        for (int32_t i = 0; i < p.list->Count(); ++i)
            rows.push_back(ToUtf8(p.list->Item(i)));
        j[p.key] = std::move(rows);
    }
    j["Error"] = error ? Json{{"number", error->Number},
                              {"description", ToUtf8(error->Description)},
                              {"source", ToUtf8(error->Source)}}
                       : Json(nullptr);
    return j.dump();
}
