#include "support/StrictJson.h"

#include <cctype>
#include <memory>
#include <stdexcept>
#include <utility>

namespace mstest {
namespace {

struct Value {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    std::string text; // string content (escapes resolved for \" \\ \/ and the control letters)
    // Object members as two parallel lists: a pair of an incomplete type is not allowed.
    std::vector<std::string> names;
    std::vector<Value> members;
    std::vector<Value> items;
};

class Parser {
  public:
    explicit Parser(const std::string& s) : m_s(s) {}

    Value document() {
        skipBlanks();
        Value v = value();
        skipBlanks();
        if (m_pos != m_s.size())
            fail("Zeichen nach dem Ende des Werts");
        return v;
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw std::runtime_error(why + " bei Byte " + std::to_string(m_pos));
    }
    char peek() const { return m_pos < m_s.size() ? m_s[m_pos] : '\0'; }
    void expect(char c) {
        if (peek() != c)
            fail(std::string("'") + c + "' erwartet");
        ++m_pos;
    }
    void skipBlanks() {
        while (m_pos < m_s.size() &&
               (m_s[m_pos] == ' ' || m_s[m_pos] == '\t' || m_s[m_pos] == '\r' || m_s[m_pos] == '\n'))
            ++m_pos;
    }
    void literal(const char* word) {
        for (const char* p = word; *p; ++p)
            expect(*p);
    }

    Value value() {
        Value v;
        switch (peek()) {
        case '{':
            v = object();
            break;
        case '[':
            v = array();
            break;
        case '"':
            v.kind = Value::String;
            v.text = string();
            break;
        case 't':
            literal("true");
            v.kind = Value::Bool;
            break;
        case 'f':
            literal("false");
            v.kind = Value::Bool;
            break;
        case 'n':
            literal("null");
            break;
        default:
            number();
            v.kind = Value::Number;
            break;
        }
        return v;
    }

    Value object() {
        Value v;
        v.kind = Value::Object;
        expect('{');
        skipBlanks();
        if (peek() == '}') {
            ++m_pos;
            return v;
        }
        for (;;) {
            skipBlanks();
            std::string key = string();
            skipBlanks();
            expect(':');
            skipBlanks();
            v.names.push_back(std::move(key));
            v.members.push_back(value());
            skipBlanks();
            if (peek() == '}') {
                ++m_pos;
                return v;
            }
            expect(',');
        }
    }

    Value array() {
        Value v;
        v.kind = Value::Array;
        expect('[');
        skipBlanks();
        if (peek() == ']') {
            ++m_pos;
            return v;
        }
        for (;;) {
            skipBlanks();
            v.items.push_back(value());
            skipBlanks();
            if (peek() == ']') {
                ++m_pos;
                return v;
            }
            expect(',');
        }
    }

    std::string string() {
        expect('"');
        std::string out;
        for (;;) {
            if (m_pos >= m_s.size())
                fail("Zeichenkette nicht beendet");
            const unsigned char c = static_cast<unsigned char>(m_s[m_pos++]);
            if (c == '"')
                return out;
            if (c < 0x20)
                fail("Steuerzeichen in einer Zeichenkette");
            if (c != '\\') {
                out.push_back(static_cast<char>(c));
                continue;
            }
            const char e = peek();
            ++m_pos;
            switch (e) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case '/':
                out.push_back('/');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u':
                appendUtf8(out, codePoint());
                break;
            default:
                fail("unbekannte Escape-Folge");
            }
        }
    }

    // The four hex digits after "\\u"; a high surrogate takes its low half from a following "\\uXXXX".
    unsigned hex4() {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i, ++m_pos) {
            const char c = peek();
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                fail("\\u ohne vier Hexziffern");
            value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                           ? c - '0'
                                                           : (c | 0x20) - 'a' + 10);
        }
        return value;
    }
    unsigned codePoint() {
        const unsigned unit = hex4();
        if (unit < 0xD800 || unit > 0xDBFF || m_s.compare(m_pos, 2, "\\u") != 0)
            return unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit;
        m_pos += 2;
        const unsigned low = hex4();
        if (low < 0xDC00 || low > 0xDFFF)
            return 0xFFFD;
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    static void appendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    void number() {
        const size_t start = m_pos;
        if (peek() == '-')
            ++m_pos;
        if (peek() == '0')
            ++m_pos;
        else if (!digits())
            fail("Wert erwartet");
        if (peek() == '.') {
            ++m_pos;
            if (!digits())
                fail("Ziffer nach dem Punkt erwartet");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_pos;
            if (peek() == '+' || peek() == '-')
                ++m_pos;
            if (!digits())
                fail("Ziffer im Exponenten erwartet");
        }
        if (m_pos == start)
            fail("Wert erwartet");
    }
    bool digits() {
        const size_t start = m_pos;
        while (std::isdigit(static_cast<unsigned char>(peek())))
            ++m_pos;
        return m_pos > start;
    }

    const std::string& m_s;
    size_t m_pos = 0;
};

const Value* member(const Value& v, const std::string& key) {
    if (v.kind != Value::Object)
        return nullptr;
    for (size_t i = 0; i < v.names.size(); ++i)
        if (v.names[i] == key)
            return &v.members[i];
    return nullptr;
}

} // namespace

JsonCheck checkStrictJson(const std::string& text) {
    JsonCheck result;
    try {
        const Value root = Parser(text).document();
        result.topLevelKeys = root.names;
        result.ok = true;
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    return result;
}

std::optional<std::string> jsonString(const std::string& text, const std::string& key,
                                      const std::string& inner) {
    Value root;
    try {
        root = Parser(text).document();
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const Value* v = member(root, key);
    if (v && !inner.empty())
        v = member(*v, inner);
    if (!v || v->kind != Value::String)
        return std::nullopt;
    return v->text;
}

} // namespace mstest
