#pragma once
#include "LibApi.h"
#include "Unique.h"
#include <cstdint>
#include <string>
#include <vector>

enum enumCVbFileLastMsg : int32_t { cflmNoMsg = 0, cflmEndOfFile = 1 };
enum enumCVbFileOpenMode : int32_t {
    cfomReadText = 0,
    cfomReadLine = 1,
    cfomBinary = 2,
    cfomWriteText = 3,
    cfomAppendText = 4,
    cfomInitialize = 5,
};

// One file read or written in one of five modes. Text is in the system's ANSI code page, as the
// files this class serves were always written. Errors are the runtime's numbered file errors.
class AXORVELLIB_API CVbFile {
public:
    CVbFile();
    CVbFile(const CVbFile&) = delete;
    CVbFile& operator=(const CVbFile&) = delete;

    bool Unicode() const { return m_unicode; }
    void SetUnicode(bool v) { m_unicode = v; }
    enumCVbFileLastMsg GetLastMsg() const { return m_lastMsg; }
    int32_t GetLength() const; // 0 when no file is open

    // Binary mode: fills buff from the current position; bytes past the end stay as they were.
    bool GetChunk(std::vector<uint8_t>& buff);
    bool PutChunk(const std::vector<uint8_t>& buff);
    std::wstring ReadLine();                   // next line; at the end "" and the last message cflmEndOfFile
    std::wstring ReadText();                   // the whole file
    void WriteText(const std::wstring& sText); // the text and a line break

    void CloseFile();
    void OpenFile(enumCVbFileOpenMode lOpenMode);

    const std::wstring& Filename() const { return m_filename; }
    void SetFilename(const std::wstring& s) { m_filename = s; }
    int32_t FileNum() const { return m_fileNum; }
    void SetFileNum(int32_t v) { m_fileNum = v; }

private:
    void Require(enumCVbFileOpenMode mode) const;
    bool ReadByte(char& c);

    UniqueFile m_file;
    std::wstring m_filename;
    enumCVbFileOpenMode m_mode = cfomInitialize;
    enumCVbFileLastMsg m_lastMsg = cflmNoMsg;
    bool m_unicode = false;
    int32_t m_fileNum;
    std::string m_readBuf; // read-ahead for ReadLine
    size_t m_readPos = 0;
};
