#include "shell/LineBreaks.h"

namespace ms {

void CrLfWriter::append(std::string& out, std::string_view chunk) {
    out.reserve(out.size() + chunk.size());
    for (const char c : chunk) {
        if (c == '\n' && m_afterCr) {
            m_afterCr = false; // the CR before it already wrote the line break
            continue;
        }
        m_afterCr = c == '\r';
        if (c == '\r' || c == '\n')
            out += "\r\n";
        else
            out += c;
    }
}

std::string CrLfLineBreaks(std::string_view text) {
    std::string out;
    CrLfWriter().append(out, text);
    return out;
}

} // namespace ms
