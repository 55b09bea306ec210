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
    std::vector<std::pair<std::string, Value>> members;
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
            v.members.emplace_back(std::move(key), value());
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
                for (int i = 0; i < 4; ++i, ++m_pos)
                    if (!std::isxdigit(static_cast<unsigned char>(peek())))
                        fail("\\u ohne vier Hexziffern");
                out += "?"; // the code point itself is of no interest here
                break;
            default:
                fail("unbekannte Escape-Folge");
            }
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
    for (const auto& [name, child] : v.members)
        if (name == key)
            return &child;
    return nullptr;
}

} // namespace

JsonCheck checkStrictJson(const std::string& text) {
    JsonCheck result;
    try {
        const Value root = Parser(text).document();
        for (const auto& [name, child] : root.members)
            result.topLevelKeys.push_back(name);
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
