// OrvelSyncShExt.dll loaded the way Explorer loads it, from a folder where a recorder stands in
// for orvelsync.exe.
#include "Recorder.h"
#include "TestSupport.h"
#include "Unique.h"
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <vector>

namespace {
const wchar_t kClsid[] = L"{AF52B136-668A-43E7-9485-D5B3E63C337F}";
using DllFunction = HRESULT(STDAPICALLTYPE*)();

template <class F> F Export(HMODULE dll, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

// A data object holding a wide file-drop list, or refusing every format when given none.
class DropData final : public IDataObject {
public:
    explicit DropData(std::vector<std::wstring> paths, bool offer = true)
        : m_paths(std::move(paths)), m_offer(offer) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (riid != IID_IUnknown && riid != IID_IDataObject) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_refs; } // lives on the test's stack

    STDMETHODIMP GetData(FORMATETC* fmt, STGMEDIUM* medium) override {
        if (QueryGetData(fmt) != S_OK) return DV_E_FORMATETC;
        std::wstring list;
        for (const auto& p : m_paths)
            list += p + L'\0';
        list += L'\0';
        size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
        HGLOBAL mem = GlobalAlloc(GHND, bytes);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(mem));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
        GlobalUnlock(mem);
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = mem;
        return S_OK;
    }
    STDMETHODIMP QueryGetData(FORMATETC* fmt) override {
        return m_offer && fmt->cfFormat == CF_HDROP && (fmt->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<std::wstring> m_paths;
    bool m_offer;
    ULONG m_refs = 1;
};

class ShellExtension : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        m_dllPath = m_rec.CopyFromBin(L"OrvelSyncShExt.dll");
        m_dll.Reset(LoadLibraryW(m_dllPath.c_str()));
        ASSERT_TRUE(m_dll);
        m_getClassObject = Export<decltype(&DllGetClassObject)>(m_dll.Get(), "DllGetClassObject");
        m_canUnload = Export<decltype(&DllCanUnloadNow)>(m_dll.Get(), "DllCanUnloadNow");
        ASSERT_TRUE(m_getClassObject && m_canUnload);
        CLSIDFromString(kClsid, &m_clsid);
    }
    void TearDown() override {
        m_dll.Reset();
        CoUninitialize();
    }

    ComPtr<IContextMenu> Create(IDataObject* data) {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(m_getClassObject(m_clsid, IID_IClassFactory, factory.PutVoid()), S_OK);
        ComPtr<IShellExtInit> init;
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IShellExtInit, init.PutVoid()), S_OK);
        EXPECT_EQ(init->Initialize(nullptr, data, nullptr), S_OK);
        ComPtr<IContextMenu> menu;
        EXPECT_EQ(init->QueryInterface(IID_IContextMenu, menu.PutVoid()), S_OK);
        return menu;
    }

    static HRESULT InvokeVerb(IContextMenu* menu, const char* verb) {
        CMINVOKECOMMANDINFO ici{sizeof ici};
        ici.lpVerb = verb;
        ici.nShow = SW_SHOWNORMAL;
        return menu->InvokeCommand(&ici);
    }
    static HRESULT InvokeIndex(IContextMenu* menu, UINT index) {
        return InvokeVerb(menu, MAKEINTRESOURCEA(index));
    }

    std::vector<std::wstring> Starts() const { return m_rec.Starts(L"orvelsync.exe"); }

    TempDir m_dir;
    RecorderFolder m_rec{m_dir.Path()};
    std::wstring m_dllPath;
    UniqueModule m_dll;
    decltype(&DllGetClassObject) m_getClassObject = nullptr;
    decltype(&DllCanUnloadNow) m_canUnload = nullptr;
    CLSID m_clsid{};
};

std::wstring MenuText(HMENU menu, int pos) {
    wchar_t text[100] = {};
    GetMenuStringW(menu, UINT(pos), text, 100, MF_BYPOSITION);
    return text;
}
} // namespace

TEST_F(ShellExtension, StartsTheProgramWithEveryPathQuoted) {
    m_rec.Install(L"orvelsync.exe");
    DropData data({L"C:\\work\\a.txt", L"C:\\my docs\\b b"});
    auto menu = Create(&data);
    EXPECT_EQ(InvokeIndex(menu.Get(), 0), S_OK);
    EXPECT_EQ(Starts(), std::vector<std::wstring>{L"\"C:\\work\\a.txt\" \"C:\\my docs\\b b\""});
}

TEST_F(ShellExtension, LongAndNonAnsiPathsArriveIntact) {
    m_rec.Install(L"orvelsync.exe");
    std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\f.txt";
    std::wstring korean = L"C:\\자료\\한글 파일.txt"; // outside code page 936
    DropData data({deep, korean, L"E:\\"});
    auto menu = Create(&data);
    EXPECT_EQ(InvokeVerb(menu.Get(), "orvelsync"), S_OK);
    EXPECT_EQ(Starts(), std::vector<std::wstring>{L"\"" + deep + L"\" \"" + korean + L"\" \"E:\\\""});
}

TEST_F(ShellExtension, OnlyItsOwnVerbRunsTheCommand) {
    m_rec.Install(L"orvelsync.exe");
    DropData data({L"C:\\a"});
    auto menu = Create(&data);
    struct Case {
        const char* verb;
        HRESULT hr;
    } cases[] = {{"OrvelSync", E_FAIL},
                 {"open", E_FAIL},
                 {"", E_FAIL},
                 {MAKEINTRESOURCEA(1), E_FAIL},
                 {MAKEINTRESOURCEA(7), E_FAIL},
                 {"orvelsync", S_OK},
                 {MAKEINTRESOURCEA(0), S_OK}};
    size_t expected = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(InvokeVerb(menu.Get(), c.verb), c.hr) << (IS_INTRESOURCE(c.verb) ? "index" : c.verb);
        if (c.hr == S_OK) ++expected;
        EXPECT_EQ(Starts().size(), expected) << (IS_INTRESOURCE(c.verb) ? "index" : c.verb);
    }

    // Callers speaking Unicode name the verb in the extended record.
    CMINVOKECOMMANDINFOEX ex{sizeof ex};
    ex.fMask = CMIC_MASK_UNICODE;
    ex.lpVerb = "orvelsync";
    ex.lpVerbW = L"orvelsync";
    EXPECT_EQ(menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&ex)), S_OK);
    ex.lpVerbW = L"properties";
    EXPECT_EQ(menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&ex)), E_FAIL);
    EXPECT_EQ(menu->InvokeCommand(nullptr), E_INVALIDARG);
    EXPECT_EQ(Starts().size(), expected + 1);

    // A verb string above 4 GB whose address has zero bits 16 to 31 is still a string.
    char* high = nullptr;
    for (uintptr_t base = uintptr_t(1) << 33; !high && base < (uintptr_t(1) << 40);
         base += uintptr_t(1) << 32)
        high = static_cast<char*>(
            VirtualAlloc(reinterpret_cast<void*>(base), 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(high, nullptr);
    strcpy(high, "open");
    EXPECT_EQ(InvokeVerb(menu.Get(), high), E_FAIL);
    VirtualFree(high, 0, MEM_RELEASE);
    EXPECT_EQ(Starts().size(), expected + 1);
}

TEST_F(ShellExtension, AddsTheCommandBetweenSeparatorsWhereOffered) {
    DropData data({L"C:\\a"});
    auto menu = Create(&data);
    UniqueMenu popup(CreatePopupMenu());
    AppendMenuW(popup.Get(), MF_STRING, 1, L"打开");
    AppendMenuW(popup.Get(), MF_STRING, 2, L"属性");
    HRESULT hr = menu->QueryContextMenu(popup.Get(), 1, 100, 200, CMF_NORMAL);
    EXPECT_TRUE(SUCCEEDED(hr));
    EXPECT_EQ(HRESULT_CODE(hr), 1);
    ASSERT_EQ(GetMenuItemCount(popup.Get()), 5);
    EXPECT_EQ(MenuText(popup.Get(), 0), L"打开");
    EXPECT_EQ(GetMenuState(popup.Get(), 1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(popup.Get(), 2), 100u);
    EXPECT_EQ(MenuText(popup.Get(), 2), L"&OrvelSync同步");
    EXPECT_EQ(GetMenuState(popup.Get(), 3, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    EXPECT_EQ(MenuText(popup.Get(), 4), L"属性");

    // Asked for the default command only, or without identifiers to spare, it adds nothing.
    UniqueMenu other(CreatePopupMenu());
    EXPECT_EQ(menu->QueryContextMenu(other.Get(), 0, 100, 200, CMF_DEFAULTONLY),
              MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0));
    EXPECT_EQ(menu->QueryContextMenu(other.Get(), 0, 201, 200, CMF_NORMAL),
              MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0));
    EXPECT_EQ(GetMenuItemCount(other.Get()), 0);
}

TEST_F(ShellExtension, CommandStrings) {
    DropData data({});
    auto menu = Create(&data);
    struct Case {
        UINT_PTR id;
        UINT type;
        UINT cchMax;
        HRESULT hr;
        std::string ansi;  // for the ANSI types
        std::wstring wide; // for the Unicode types
    } cases[] = {
        {0, GCS_HELPTEXTA, 5, S_OK, "\xCC\xED\xBC\xD3", L""}, // the first two characters in 936
        {0, GCS_HELPTEXTA, 4, S_OK, "\xCC\xED", L""},         // no half character
        {0, GCS_HELPTEXTA, 260, S_OK, "\xCC\xED\xBC\xD3\xCD\xAC\xB2\xBD\xC8\xCE\xCE\xF1.", L""},
        {0, GCS_VERBA, 260, S_OK, "orvelsync", L""},
        {0, GCS_VERBA, 4, S_OK, "orv", L""},
        {0, GCS_HELPTEXTW, 260, S_OK, "", L"添加同步任务."},
        {0, GCS_HELPTEXTW, 3, S_OK, "", L"添加"}, // cchMax counts wide characters
        {0, GCS_VERBW, 260, S_OK, "", L"orvelsync"},
        {0, GCS_VALIDATEA, 260, S_OK, "", L""},
        {1, GCS_VERBA, 260, E_INVALIDARG, "", L""},
        {1, GCS_HELPTEXTW, 260, E_INVALIDARG, "", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << " type " << c.type << " cchMax " << c.cchMax);
        std::vector<char> buf(600, 'x');
        EXPECT_EQ(menu->GetCommandString(c.id, c.type, nullptr, buf.data(), c.cchMax), c.hr);
        if (c.type & GCS_UNICODE)
            EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(buf.data())), c.wide);
        else
            EXPECT_EQ(std::string(buf.data()), c.ansi);
        // Nothing is written past cchMax (bytes or wide characters).
        size_t limit = (c.type & GCS_UNICODE) ? c.cchMax * sizeof(wchar_t) : c.cchMax;
        EXPECT_EQ(buf[limit], 'x');
    }
    EXPECT_EQ(menu->GetCommandString(0, GCS_VERBA, nullptr, nullptr, 0), S_OK);
}

TEST_F(ShellExtension, WithoutFileListTheCommandStartsThePlainProgram) {
    m_rec.Install(L"orvelsync.exe");
    DropData refusing({L"C:\\never"}, false);
    for (IDataObject* data : {static_cast<IDataObject*>(&refusing), static_cast<IDataObject*>(nullptr)}) {
        auto menu = Create(data);
        UniqueMenu popup(CreatePopupMenu());
        EXPECT_EQ(HRESULT_CODE(menu->QueryContextMenu(popup.Get(), 0, 1, 10, CMF_NORMAL)), 1);
        EXPECT_EQ(GetMenuItemCount(popup.Get()), 3);
        EXPECT_EQ(InvokeIndex(menu.Get(), 0), S_OK);
    }
    EXPECT_EQ(Starts(), (std::vector<std::wstring>{L"", L""}));
}

TEST_F(ShellExtension, MissingProgramShowsNothing) {
    DropData data({L"C:\\a"});
    auto menu = Create(&data);
    EXPECT_EQ(InvokeIndex(menu.Get(), 0), E_FAIL);
    bool windowShown = false;
    EnumWindows(
        [](HWND w, LPARAM shown) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(w)) *reinterpret_cast<bool*>(shown) = true;
            return TRUE;
        },
        LPARAM(&windowShown));
    EXPECT_FALSE(windowShown);
    EXPECT_TRUE(Starts().empty());
}

TEST_F(ShellExtension, LetsExplorerUnloadItWhenNothingIsAlive) {
    EXPECT_EQ(m_canUnload(), S_OK);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(m_getClassObject(m_clsid, IID_IClassFactory, factory.PutVoid()), S_OK);
    EXPECT_EQ(m_canUnload(), S_OK); // a factory alone does not pin the module
    {
        DropData data({L"C:\\a"});
        auto menu = Create(&data);
        EXPECT_EQ(m_canUnload(), S_FALSE);
    }
    EXPECT_EQ(m_canUnload(), S_OK);
    factory->LockServer(TRUE);
    EXPECT_EQ(m_canUnload(), S_FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(m_canUnload(), S_OK);

    ComPtr<IUnknown> unk;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDropTarget, unk.PutVoid()), E_NOINTERFACE);
    EXPECT_EQ(
        factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.Get()), IID_IUnknown, unk.PutVoid()),
        CLASS_E_NOAGGREGATION);
    CLSID other{};
    EXPECT_EQ(m_getClassObject(other, IID_IClassFactory, unk.PutVoid()), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(m_canUnload(), S_OK);
}

TEST_F(ShellExtension, RegistersTheComClassOnly) {
    auto reg = Export<DllFunction>(m_dll.Get(), "DllRegisterServer");
    auto unreg = Export<DllFunction>(m_dll.Get(), "DllUnregisterServer");
    ASSERT_TRUE(reg && unreg);
    ASSERT_EQ(reg(), S_OK);
    std::wstring key = std::wstring(L"CLSID\\") + kClsid + L"\\InprocServer32";
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    EXPECT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(_wcsicmp(value, m_dllPath.c_str()), 0);

    ComPtr<IContextMenu> created;
    EXPECT_EQ(CoCreateInstance(m_clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu, created.PutVoid()),
              S_OK);
    created = nullptr;
    CoFreeUnusedLibraries();

    EXPECT_EQ(unreg(), S_OK);
    UniqueRegKey gone;
    EXPECT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kClsid).c_str(), 0, KEY_READ,
                            gone.Put()),
              ERROR_SUCCESS);
    EXPECT_EQ(unreg(), S_OK); // removing what is not there is fine
}
