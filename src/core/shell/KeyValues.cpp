#include "shell/KeyValues.h"

#include "shell/Environment.h"
#include "shell/Error.h"

#include <cctype>

namespace ms {

namespace {

// Far deeper than Steam's files nest (three levels), shallow enough for the stack.
constexpr int kMaxDepth = 64;

[[noreturn]] void malformed(const std::string& why) {
    throw Error("Der KeyValues-Text ist fehlerhaft: " + why);
}

class Reader {
  public:
    explicit Reader(std::string_view text) : m_text(text) {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
    }

    void readBlock(KeyValues& block, int depth) {
        if (depth > kMaxDepth)
            malformed("die Blöcke sind zu tief verschachtelt.");
        for (;;) {
            skipSpaceAndComments();
            if (atEnd()) {
                if (depth > 0)
                    malformed("ein Block ist nicht geschlossen.");
                return;
            }
            if (peek() == '}') {
                if (depth == 0)
                    malformed("eine schließende Klammer ohne öffnende.");
                ++m_pos;
                return;
            }
            if (peek() == '{')
                malformed("ein Block ohne Schlüssel.");
            KeyValues entry;
            entry.key = readToken();
            skipSpaceAndComments();
            skipCondition();
            if (atEnd())
                malformed("dem Schlüssel \"" + entry.key + "\" fehlt der Wert.");
            if (peek() == '{') {
                ++m_pos;
                entry.isBlock = true;
                readBlock(entry, depth + 1);
            } else if (peek() == '}') {
                malformed("dem Schlüssel \"" + entry.key + "\" fehlt der Wert.");
            } else {
                entry.value = readToken();
            }
            skipSpaceAndComments();
            skipCondition();
            block.children.push_back(std::move(entry));
        }
    }

  private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return m_text[m_pos]; }

    void skipSpaceAndComments() {
        while (!atEnd()) {
            if (std::isspace(static_cast<unsigned char>(peek()))) {
                ++m_pos;
            } else if (m_text.substr(m_pos, 2) == "//") {
                const size_t end = m_text.find('\n', m_pos);
                m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
            } else {
                return;
            }
        }
    }

    // A platform tag such as [$WIN32] says on which systems an entry counts; the library list has none
    // that matter here, so the entry counts everywhere.
    void skipCondition() {
        if (atEnd() || peek() != '[')
            return;
        const size_t end = m_text.find(']', m_pos);
        if (end == std::string_view::npos)
            malformed("eine Bedingung in eckigen Klammern ist nicht geschlossen.");
        m_pos = end + 1;
        skipSpaceAndComments();
    }

    std::string readToken() {
        std::string out;
        if (peek() != '"') {
            while (!atEnd() && !std::isspace(static_cast<unsigned char>(peek())) && peek() != '{' &&
                   peek() != '}' && peek() != '"')
                out.push_back(m_text[m_pos++]);
            return out;
        }
        for (++m_pos; !atEnd(); ++m_pos) {
            const char c = peek();
            if (c == '"') {
                ++m_pos;
                return out;
            }
            if (c != '\\' || m_pos + 1 >= m_text.size()) {
                out.push_back(c);
                continue;
            }
            const char next = m_text[++m_pos];
            switch (next) {
            case 'n':
                out.push_back('\n');
                break;
            case 't':
                out.push_back('\t');
                break;
            case '\\':
            case '"':
                out.push_back(next);
                break;
            default: // an unknown escape stands for itself, backslash included
                out.push_back('\\');
                out.push_back(next);
                break;
            }
        }
        malformed("eine Zeichenkette ist nicht geschlossen.");
    }

    std::string_view m_text;
    size_t m_pos = 0;
};

} // namespace

const KeyValues* KeyValues::child(std::string_view name) const {
    for (const KeyValues& c : children)
        if (equalsIgnoreCase(c.key, name))
            return &c;
    return nullptr;
}

KeyValues parseKeyValues(std::string_view text) {
    KeyValues root;
    root.isBlock = true;
    Reader(text).readBlock(root, 0);
    return root;
}

} // namespace ms
