#pragma once
// The line-oriented view of a project file that the reader and its helpers share.

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tarvex {

inline bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Line by line over the bytes, in the manner of a text file read with an end-of-file flag.
class TLineReader {
public:
    explicit TLineReader(std::string_view bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    // A line ends at CR LF, LF or a lone CR; blanks and control characters at either end are
    // trimmed away. Reading at the end gives an empty line.
    std::string_view ReadLine() {
        if (AtEnd()) {
            return {};
        }
        const std::size_t end = LineEnd();
        const std::string_view line = m_bytes.substr(m_pos, end - m_pos);
        m_pos = end;
        if (m_pos < m_bytes.size()) {
            const bool crlf =
                m_bytes[m_pos] == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n';
            m_pos += crlf ? 2 : 1;
        }
        return Trim(line);
    }

private:
    // Where the line at m_pos ends: its CR or LF, or the end of the bytes. Searching for each of
    // the two bytes alone runs far faster than testing every byte against both; the next LF is
    // kept, so a file of CR-ended lines is not searched to its end once per line.
    std::size_t LineEnd() {
        const char* data = m_bytes.data();
        if (!m_lfKnown || m_nextLf < m_pos) {
            const void* lf = std::memchr(data + m_pos, '\n', m_bytes.size() - m_pos);
            m_nextLf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : m_bytes.size();
            m_lfKnown = true;
        }
        const void* cr = std::memchr(data + m_pos, '\r', m_nextLf - m_pos);
        return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : m_nextLf;
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_nextLf = 0;
    bool m_lfKnown = false;
};

} // namespace tarvex
