// The COM shell around CtxMenuCommands: the handler object, its class factory and the exports.
// Nothing may escape into Explorer, so every entry point catches everything.
#include "CtxMenuCommands.h"
#include "Unique.h"
#include <atomic>
#include <new>
#include <shellapi.h>
#include <olectl.h>
#include <shlobj.h>

namespace {
// {AF52B136-668A-43E7-9485-D5B3E63C337F}
const CLSID CLSID_CtxMenuHandler = {
    0xAF52B136, 0x668A, 0x43E7, {0x94, 0x85, 0xD5, 0xB3, 0xE6, 0x3C, 0x33, 0x7F}};
const wchar_t kClsidText[] = L"{AF52B136-668A-43E7-9485-D5B3E63C337F}";
const wchar_t kProgId[] = L"OrvelSyncCtxMenu.CtxMenuHandler";

HMODULE g_module = nullptr;
std::atomic<long> g_objects{0}; // live objects and server locks; Explorer unloads us at zero

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(g_module, path.data(), DWORD(path.size()));
        if (n == 0) return L"";
        if (n < path.size()) return path.substr(0, n);
        path.resize(path.size() * 2);
    }
}

std::wstring ProgramPath() {
    std::wstring folder = ModulePath();
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + L"orvelsync.exe";
}

std::vector<std::wstring> FilesFromDataObject(IDataObject* data) {
    std::vector<std::wstring> paths;
    FORMATETC fmt{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&fmt, &medium))) return paths;
    ScopeExit release([&] { ReleaseStgMedium(&medium); });
    if (medium.tymed != TYMED_HGLOBAL) return paths;
    auto drop = static_cast<HDROP>(medium.hGlobal);
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT len = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(size_t(len) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), len + 1));
        paths.push_back(std::move(path));
    }
    return paths;
}

class CtxMenuHandler final : public IShellExtInit, public IContextMenu {
public:
    CtxMenuHandler() : m_commands(ProgramPath()) { ++g_objects; }
    ~CtxMenuHandler() { --g_objects; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IShellExtInit)
            *ppv = static_cast<IShellExtInit*>(this);
        else if (riid == IID_IContextMenu)
            *ppv = static_cast<IContextMenu*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_refs); }
    STDMETHODIMP_(ULONG) Release() override {
        long left = --m_refs;
        if (left == 0) delete this;
        return ULONG(left);
    }

    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) override {
        try {
            m_commands.SetPaths(FilesFromDataObject(data));
        } catch (...) {
            m_commands.SetPaths({});
        }
        return S_OK;
    }

    STDMETHODIMP QueryContextMenu(HMENU hMenu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast,
                                  UINT uFlags) override {
        try {
            UINT used = m_commands.QueryContextMenu(hMenu, indexMenu, idCmdFirst, idCmdLast, uFlags);
            return MAKE_HRESULT(SEVERITY_SUCCESS, 0, used);
        } catch (...) {
            return E_FAIL;
        }
    }

    STDMETHODIMP GetCommandString(UINT_PTR idCmd, UINT uType, UINT*, CHAR* pszName, UINT cchMax) override {
        try {
            return m_commands.GetCommandString(idCmd, uType, pszName, cchMax);
        } catch (...) {
            return E_FAIL;
        }
    }

    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* ici) override {
        try {
            if (!ici) return E_INVALIDARG;
            return m_commands.Invoke(m_commands.CommandIndex(*ici)) ? S_OK : E_FAIL;
        } catch (...) {
            return E_FAIL;
        }
    }

private:
    std::atomic<long> m_refs{1};
    CtxMenuCommands m_commands;
};

class ClassFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid != IID_IUnknown && riid != IID_IClassFactory) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    // One static factory: its references do not keep the module, LockServer does.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            auto* handler = new (std::nothrow) CtxMenuHandler();
            if (!handler) return E_OUTOFMEMORY;
            HRESULT hr = handler->QueryInterface(riid, ppv);
            handler->Release();
            return hr;
        } catch (...) {
            return E_FAIL;
        }
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        lock ? ++g_objects : --g_objects;
        return S_OK;
    }
};

ClassFactory g_factory;

LSTATUS SetString(HKEY root, const std::wstring& subKey, const wchar_t* name, const std::wstring& value) {
    UniqueRegKey key;
    LSTATUS rc =
        RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    return RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          DWORD((value.size() + 1) * sizeof(wchar_t)));
}
} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_CtxMenuHandler) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow() {
    return g_objects == 0 ? S_OK : S_FALSE;
}

// The COM class only; where the shell offers the command is the installer's registration.
STDAPI DllRegisterServer() {
    try {
        const std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
        LSTATUS rc = SetString(HKEY_CLASSES_ROOT, clsidKey, nullptr, kProgId);
        if (rc == ERROR_SUCCESS)
            rc = SetString(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", nullptr, ModulePath());
        if (rc == ERROR_SUCCESS)
            rc =
                SetString(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
        if (rc == ERROR_SUCCESS) rc = SetString(HKEY_CLASSES_ROOT, clsidKey + L"\\ProgID", nullptr, kProgId);
        if (rc == ERROR_SUCCESS)
            rc = SetString(HKEY_CLASSES_ROOT, std::wstring(kProgId) + L"\\CLSID", nullptr, kClsidText);
        return rc == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(rc);
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

STDAPI DllUnregisterServer() {
    try {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kClsidText).c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
        return S_OK;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}
