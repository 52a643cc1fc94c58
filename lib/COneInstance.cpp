#include "COneInstance.h"
#include <memory>
#include <optional>
#include <vector>

// Besides the message and its buffer, a hand-over has two named objects of the sender: a lock
// that receivers hold while they read and acknowledge, and an event that is set while the buffer
// is valid. The sender clears the event under the lock before its buffer goes, so exactly one of
// several receiving windows takes the text over, a message whose sender has given up (or that
// never came from a sender) is ignored, and nothing is written into a process that is not waiting.
namespace {
constexpr DWORD kLockWait = 2000;
constexpr DWORD kPollInterval = 10;

struct HandOver {
    UniqueHandle lock, valid;
    explicit operator bool() const { return lock && valid; }
};

std::wstring HandOverName(DWORD pid, LPARAM address) {
    return L"ORVEL_SEND_PARAM_" + std::to_wstring(pid) + L"_" +
           std::to_wstring(static_cast<unsigned long long>(address));
}

HandOver OpenHandOver(DWORD pid, LPARAM address) {
    std::wstring name = HandOverName(pid, address);
    return {UniqueHandle(OpenMutexW(SYNCHRONIZE, FALSE, name.c_str())),
            UniqueHandle(OpenEventW(SYNCHRONIZE, FALSE, (name + L"_valid").c_str()))};
}

HandOver CreateHandOver(DWORD pid, LPARAM address) {
    std::wstring name = HandOverName(pid, address);
    return {UniqueHandle(CreateMutexW(nullptr, FALSE, name.c_str())),
            UniqueHandle(CreateEventW(nullptr, TRUE, TRUE, (name + L"_valid").c_str()))};
}

HWND FindMain(const std::wstring& title, const std::wstring& cls, HWND after = nullptr) {
    return FindWindowExW(nullptr, after, cls.c_str(), title.c_str());
}

// The text as it travels: at most 1024 characters, padded with blanks. The receiver drops
// leading blanks anyway; dropping them here keeps the first character, the acknowledgement
// flag, from being a blank before anyone has read the text. Empty when nothing is left to send.
std::wstring WireText(const std::wstring& sParam) {
    std::wstring text = sParam.substr(0, COneInstance::kBufferChars);
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    text.erase(0, first);
    text.resize(COneInstance::kBufferChars, L' ');
    return text;
}

std::wstring TrimBlanks(const std::wstring& s) {
    size_t first = s.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return s.substr(first, s.find_last_not_of(L' ') - first + 1);
}

bool Lock(HANDLE mutex) {
    DWORD r = WaitForSingleObject(mutex, kLockWait);
    return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

std::optional<std::vector<BYTE>> UserSid(HANDLE process) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &raw)) return std::nullopt;
    UniqueHandle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<ULONGLONG> buf(size / sizeof(ULONGLONG) + 1); // TOKEN_USER holds a pointer: align it
    if (!size || !GetTokenInformation(token.Get(), TokenUser, buf.data(), size, &size)) return std::nullopt;
    PSID sid = reinterpret_cast<TOKEN_USER*>(buf.data())->User.Sid;
    const auto* bytes = static_cast<const unsigned char*>(sid);
    return std::vector<BYTE>(bytes, bytes + GetLengthSid(sid));
}

bool SameUser(HANDLE process) {
    auto theirs = UserSid(process);
    return theirs && theirs == UserSid(GetCurrentProcess());
}

// Reads and acknowledges one hand-over; nothing when it is not a live, untaken one of this user.
std::optional<std::wstring> TakeOver(DWORD pid, LPARAM address) {
    HandOver handOver = OpenHandOver(pid, address);
    if (!handOver) return std::nullopt;
    UniqueHandle sender(OpenProcess(PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_VM_OPERATION |
                                        PROCESS_QUERY_LIMITED_INFORMATION,
                                    FALSE, pid));
    if (!sender || !SameUser(sender.Get()) || !Lock(handOver.lock.Get())) return std::nullopt;
    ScopeExit unlock([&] { ReleaseMutex(handOver.lock.Get()); });
    if (WaitForSingleObject(handOver.valid.Get(), 0) != WAIT_OBJECT_0) return std::nullopt;

    std::wstring text(COneInstance::kBufferChars, L' ');
    SIZE_T got = 0;
    void* remote = reinterpret_cast<void*>(address);
    const size_t bytes = COneInstance::kBufferChars * sizeof(wchar_t);
    if (!ReadProcessMemory(sender.Get(), remote, text.data(), bytes, &got) || got != bytes)
        return std::nullopt;
    if (text[0] == L' ') return std::nullopt; // taken over through another window, or withdrawn
    const wchar_t blank = L' ';
    if (!WriteProcessMemory(sender.Get(), remote, &blank, sizeof blank, nullptr)) return std::nullopt;
    return TrimBlanks(text);
}

bool IsAcknowledged(const wchar_t* buffer) {
    return *static_cast<const volatile wchar_t*>(buffer) == L' ';
}

// Waits for the acknowledgement, then ends the hand-over under its lock, so that the answer and
// what receivers do agree. When a receiver keeps the lock beyond reason the buffer is given up
// to it rather than freed under its hands.
bool AwaitTakeOver(std::unique_ptr<wchar_t[]>& buffer, const HandOver& handOver, DWORD timeout) {
    const ULONGLONG end = GetTickCount64() + timeout;
    while (!IsAcknowledged(buffer.get()) && GetTickCount64() < end)
        Sleep(kPollInterval);
    if (!Lock(handOver.lock.Get())) {
        ResetEvent(handOver.valid.Get());
        buffer.release();
        return false;
    }
    bool taken = IsAcknowledged(buffer.get());
    ResetEvent(handOver.valid.Get());
    ReleaseMutex(handOver.lock.Get());
    return taken;
}
} // namespace

COneInstance::COneInstance() : m_message(RegisterWindowMessageW(L"ORVEL_SEND_PARAM")) {}

COneInstance::~COneInstance() {
    Release();
}

bool COneInstance::Create(const std::wstring& sAppIdentity) {
    UniqueMutex mutex(CreateMutexW(nullptr, TRUE, (sAppIdentity + L"_COneInstance").c_str()));
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return false;
    Release(); // an owned mutex only closed would stay owned by this thread
    m_mutex = std::move(mutex);
    return true;
}

void COneInstance::Release() {
    if (m_mutex) ReleaseMutex(m_mutex.Get());
    m_mutex.Reset();
}

bool COneInstance::Show(const std::wstring& sWndTitle) const {
    HWND wnd = FindMain(sWndTitle, kMainWindowClass);
    if (!wnd) return false;
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    return true;
}

bool COneInstance::HasWnd(const std::wstring& sWndTitle, const std::wstring& sClassname) const {
    return FindMain(sWndTitle, sClassname) != nullptr;
}

bool COneInstance::Send(const std::wstring& sWndTitle, const std::wstring& sParam) const {
    std::wstring text = WireText(sParam);
    if (text.empty()) return false;
    HWND first = FindMain(sWndTitle, kMainWindowClass);
    if (!first) return false;

    auto buffer = std::make_unique<wchar_t[]>(kBufferChars);
    text.copy(buffer.get(), kBufferChars);
    const DWORD pid = GetCurrentProcessId();
    const LPARAM address = reinterpret_cast<LPARAM>(buffer.get());
    HandOver handOver = CreateHandOver(pid, address);
    if (!handOver) return false;

    bool posted = false;
    for (HWND wnd = first; wnd; wnd = FindMain(sWndTitle, kMainWindowClass, wnd))
        posted = PostMessageW(wnd, m_message, pid, address) || posted;
    return posted && AwaitTakeOver(buffer, handOver, m_sendTimeout);
}

LRESULT COneInstance::SubclassingProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam) const {
    if (uMsg != m_message) return 0;
    if (auto text = TakeOver(static_cast<DWORD>(wParam), lParam); text && Received) Received(*text);
    return 0;
}
