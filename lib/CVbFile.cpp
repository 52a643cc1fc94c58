#include "CVbFile.h"
#include "Ansi.h"
#include "CError.h"
#include "LongPath.h"
#include "SysError.h"
#include <atomic>

namespace {
const wchar_t* const kSource = L"AxOrvelLib.CVbFile";
// "Bad file mode": an operation that the open mode does not allow.
constexpr long kBadFileMode = 54;

std::atomic<int32_t> g_nextFileNum{1};
} // namespace

CVbFile::CVbFile() : m_fileNum(g_nextFileNum++) {}

void CVbFile::Require(enumCVbFileOpenMode mode) const {
    if (!m_file || m_mode != mode) throw CError(kBadFileMode, L"文件模式错误", kSource);
}

int32_t CVbFile::GetLength() const {
    LARGE_INTEGER size{};
    if (!m_file || !GetFileSizeEx(m_file.Get(), &size)) return 0;
    return int32_t(size.QuadPart);
}

void CVbFile::CloseFile() {
    m_file.Reset();
    m_readBuf.clear();
    m_readPos = 0;
}

void CVbFile::OpenFile(enumCVbFileOpenMode lOpenMode) {
    m_mode = lOpenMode;
    CloseFile();
    m_lastMsg = cflmNoMsg;
    if (lOpenMode >= cfomInitialize) return;
    DWORD access = GENERIC_READ, disposition = OPEN_EXISTING, share = FILE_SHARE_READ;
    // Binary access opens existing files only: a comparison must never leave an empty file behind
    // where one had vanished.
    if (lOpenMode == cfomBinary) access |= GENERIC_WRITE;
    if (lOpenMode == cfomWriteText) access = GENERIC_WRITE, disposition = CREATE_ALWAYS, share = 0;
    if (lOpenMode == cfomAppendText) access = GENERIC_WRITE, disposition = OPEN_ALWAYS, share = 0;
    std::wstring path = SystemPath(m_filename);
    HANDLE h = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    // Binary access to a file that may not be written still reads it.
    if (h == INVALID_HANDLE_VALUE && lOpenMode == cfomBinary)
        h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) RaiseFileError(GetLastError(), kSource);
    m_file.Reset(h);
    if (lOpenMode == cfomAppendText) SetFilePointer(h, 0, nullptr, FILE_END);
}

bool CVbFile::GetChunk(std::vector<uint8_t>& buff) {
    Require(cfomBinary);
    size_t done = 0;
    while (done < buff.size()) {
        DWORD got = 0;
        DWORD want = DWORD(std::min<size_t>(buff.size() - done, 1 << 20));
        if (!ReadFile(m_file.Get(), buff.data() + done, want, &got, nullptr))
            RaiseFileError(GetLastError(), kSource);
        if (got == 0) break;
        done += got;
    }
    return false;
}

bool CVbFile::PutChunk(const std::vector<uint8_t>& buff) {
    Require(cfomBinary);
    DWORD written = 0;
    if (!buff.empty() && !WriteFile(m_file.Get(), buff.data(), DWORD(buff.size()), &written, nullptr))
        RaiseFileError(GetLastError(), kSource);
    return false;
}

bool CVbFile::ReadByte(char& c) {
    if (m_readPos == m_readBuf.size()) {
        char buf[4096];
        DWORD got = 0;
        if (!ReadFile(m_file.Get(), buf, sizeof buf, &got, nullptr) || got == 0) return false;
        m_readBuf.assign(buf, got);
        m_readPos = 0;
    }
    c = m_readBuf[m_readPos++];
    return true;
}

std::wstring CVbFile::ReadLine() {
    Require(cfomReadLine);
    std::string line;
    char c;
    bool any = false;
    while (ReadByte(c)) {
        any = true;
        if (c == '\n') break;
        if (c != '\r') line += c;
    }
    if (!any) m_lastMsg = cflmEndOfFile;
    return FromAnsi(line);
}

std::wstring CVbFile::ReadText() {
    Require(cfomReadText);
    std::string all;
    char c;
    while (ReadByte(c))
        all += c;
    return FromAnsi(all);
}

void CVbFile::WriteText(const std::wstring& sText) {
    if (!m_file || (m_mode != cfomWriteText && m_mode != cfomAppendText))
        throw CError(kBadFileMode, L"文件模式错误", kSource);
    std::string bytes = ToAnsi(sText) + "\r\n";
    DWORD written = 0;
    if (!WriteFile(m_file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr))
        RaiseFileError(GetLastError(), kSource);
}
