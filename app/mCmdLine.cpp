#include "mCmdLine.h"

namespace {
std::wstring CollapseBlanks(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + 2);
    for (wchar_t c : L" " + text + L" ")
        if (c != L' ' || out.empty() || out.back() != L' ') out += c;
    return out;
}

bool IsSwitch(const std::wstring& token) {
    return !token.empty() && std::wstring_view(L"^\\-/").find(token[0]) != std::wstring_view::npos;
}
} // namespace

void SplitCommandLine(const std::wstring& text, std::vector<std::wstring>& tokens, int32_t& count) {
    const std::wstring s = CollapseBlanks(text);
    tokens.clear();
    bool inQuote = false, openWord = false;
    size_t wordStart = 0, quoteStart = 0; // 0-based positions of the opening blank and quote
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'"') {
            if (!inQuote) {
                quoteStart = i;
                if (i == wordStart + 1) openWord = false; // the quoted text is the token
                inQuote = true;
            } else {
                tokens.push_back(s.substr(quoteStart + 1, i - quoteStart - 1));
                inQuote = false;
            }
        } else if (s[i] == L' ') {
            if (openWord) {
                tokens.push_back(s.substr(wordStart + 1, i - wordStart - 1));
                wordStart = i;
            } else if (!inQuote) {
                openWord = true;
                wordStart = i;
            }
        }
    }
    count = int32_t(tokens.size());
}

std::shared_ptr<CCmdVector> ParseCommandLine(const std::wstring& text) {
    std::vector<std::wstring> tokens;
    int32_t count = 0;
    // The final "^" closes a switch left open at the end.
    SplitCommandLine(text + L" ^", tokens, count);
    auto list = std::make_shared<CCmdVector>();
    std::wstring switchName;
    bool switchOpen = false;
    int32_t switchIndex = 0;
    for (int32_t i = 0; i < count; ++i) {
        const std::wstring& token = tokens[size_t(i)];
        if (IsSwitch(token)) {
            if (switchOpen) list->Add({switchIndex, switchName, L""});
            switchIndex = i;
            switchName = token.substr(1);
            switchOpen = true;
        } else {
            switchOpen = false;
            list->Add({i, switchName, token});
        }
    }
    return list;
}
