#include "data/peers/jsonvalue.h"

#include "data/textencoding.h"

#include <charconv>
#include <cmath>
#include <limits>

using jsondetail::Node;
using jsondetail::Store;

namespace {

constexpr size_t kLargestText = size_t{1} << 30;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendCodePoint(std::string& into, uint32_t code) {
    if (code < 0x80) {
        into += static_cast<char>(code);
    } else if (code < 0x800) {
        into += static_cast<char>(0xC0 | (code >> 6));
        into += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        into += static_cast<char>(0xE0 | (code >> 12));
        into += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        into += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        into += static_cast<char>(0xF0 | (code >> 18));
        into += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        into += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        into += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Recursive descent, one frame per open container, so the depth limit also
// bounds the stack. Every value parsed is pushed on `m_pending`; a container
// that closes moves its children from there to the store in one piece, so
// they lie side by side and the tree needs no pointers.
class Parser final {
public:
    Parser(std::string_view text, int depthLimit, Store& store)
        : m_in(text), m_depthLimit(depthLimit), m_store(store) {}

    // The root's index, or nothing with m_problem and m_at set.
    std::optional<uint32_t> parse() {
        if (m_in.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
        skipBlanks();
        if (!value(0))
            return std::nullopt;
        skipBlanks();
        if (m_pos != m_in.size()) {
            fail(JsonProblem::Syntax, m_pos);
            return std::nullopt;
        }
        m_store.nodes.push_back(m_pending.back());
        return static_cast<uint32_t>(m_store.nodes.size() - 1);
    }

    JsonProblem problem() const { return m_problem; }
    size_t at() const { return m_at; }
    bool latin1() const { return m_latin1; }

private:
    bool fail(JsonProblem problem, size_t at) {
        m_problem = problem;
        m_at = at;
        return false;
    }

    void skipBlanks() {
        while (m_pos < m_in.size() && isBlank(m_in[m_pos]))
            ++m_pos;
    }

    bool value(int depth) {
        if (m_pos >= m_in.size())
            return fail(JsonProblem::Syntax, m_pos);
        switch (m_in[m_pos]) {
        case '{':
        case '[':
            return container(depth + 1);
        case '"': {
            Node node{0, 0, JsonKind::String};
            if (!readString(node))
                return false;
            m_pending.push_back(node);
            return true;
        }
        case 't':
            return literal("true", JsonKind::True);
        case 'f':
            return literal("false", JsonKind::False);
        case 'n':
            return literal("null", JsonKind::Null);
        default:
            return number();
        }
    }

    bool literal(std::string_view word, JsonKind kind) {
        if (m_in.substr(m_pos, word.size()) != word)
            return fail(JsonProblem::Syntax, m_pos);
        m_pos += word.size();
        m_pending.push_back(Node{0, 0, kind});
        return true;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool number() {
        const size_t start = m_pos;
        const auto digits = [this] {
            const size_t first = m_pos;
            while (m_pos < m_in.size() && isDigit(m_in[m_pos]))
                ++m_pos;
            return m_pos > first;
        };
        if (m_pos < m_in.size() && m_in[m_pos] == '-')
            ++m_pos;
        if (m_pos < m_in.size() && m_in[m_pos] == '0')
            ++m_pos;
        else if (!digits())
            return fail(JsonProblem::Syntax, m_pos);
        if (m_pos < m_in.size() && m_in[m_pos] == '.') {
            ++m_pos;
            if (!digits())
                return fail(JsonProblem::Syntax, m_pos);
        }
        if (m_pos < m_in.size() && (m_in[m_pos] == 'e' || m_in[m_pos] == 'E')) {
            ++m_pos;
            if (m_pos < m_in.size() && (m_in[m_pos] == '+' || m_in[m_pos] == '-'))
                ++m_pos;
            if (!digits())
                return fail(JsonProblem::Syntax, m_pos);
        }
        m_pending.push_back(Node{static_cast<uint32_t>(m_store.text.size()),
                                 static_cast<uint32_t>(m_pos - start), JsonKind::Number});
        m_store.text.append(m_in.substr(start, m_pos - start));
        return true;
    }

    // Four hex digits at `at`, or -1.
    int32_t hex4(size_t at) const {
        if (m_in.size() - at < 4)
            return -1;
        int32_t code = 0;
        for (size_t i = 0; i < 4; ++i) {
            const int digit = hexValue(m_in[at + i]);
            if (digit < 0)
                return -1;
            code = code * 16 + digit;
        }
        return code;
    }

    // A string from the opening quote at m_pos into the store's text. A first
    // pass finds its end and checks it; the second decodes it, as Latin-1 when
    // a run of bytes above 0x7F is not UTF-8.
    bool readString(Node& into) {
        const size_t start = m_pos + 1;
        size_t i = start;
        bool latin1 = false;
        while (true) {
            if (i >= m_in.size())
                return fail(JsonProblem::Syntax, i);
            const auto c = static_cast<unsigned char>(m_in[i]);
            if (c == '"')
                break;
            if (c == '\\') {
                if (i + 1 >= m_in.size())
                    return fail(JsonProblem::Syntax, i + 1);
                const char e = m_in[i + 1];
                if (e == 'u') {
                    if (hex4(i + 2) < 0)
                        return fail(JsonProblem::BadString, i);
                    i += 6;
                } else if (std::string_view("\"\\/bfnrt").find(e) != std::string_view::npos) {
                    i += 2;
                } else {
                    return fail(JsonProblem::BadString, i);
                }
                continue;
            }
            if (c < 0x20)
                return fail(JsonProblem::BadString, i);
            if (c < 0x80) {
                ++i;
                continue;
            }
            size_t run = i;
            while (run < m_in.size() && static_cast<unsigned char>(m_in[run]) >= 0x80)
                ++run;
            latin1 = latin1 || !isutf8(m_in.substr(i, run - i));
            i = run;
        }
        const size_t end = i;
        std::string& text = m_store.text;
        const size_t offset = text.size();
        for (size_t k = start; k < end;) {
            const auto c = static_cast<unsigned char>(m_in[k]);
            if (c != '\\') {
                if (c >= 0x80 && latin1)
                    appendCodePoint(text, c);
                else
                    text += static_cast<char>(c);
                ++k;
                continue;
            }
            const char e = m_in[k + 1];
            k += 2;
            switch (e) {
            case 'b':
                text += '\b';
                continue;
            case 'f':
                text += '\f';
                continue;
            case 'n':
                text += '\n';
                continue;
            case 'r':
                text += '\r';
                continue;
            case 't':
                text += '\t';
                continue;
            case 'u':
                break;
            default: // " \ /
                text += e;
                continue;
            }
            auto code = static_cast<uint32_t>(hex4(k));
            k += 4;
            if (code >= 0xD800 && code <= 0xDBFF) {
                // A high surrogate takes the low one that follows; alone it is no character.
                const bool pair = end - k >= 6 && m_in[k] == '\\' && m_in[k + 1] == 'u';
                const int32_t low = pair ? hex4(k + 2) : -1;
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    code =
                        0x10000 + ((code - 0xD800) << 10) + (static_cast<uint32_t>(low) - 0xDC00);
                    k += 6;
                } else {
                    code = 0xFFFD;
                }
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
                code = 0xFFFD;
            }
            appendCodePoint(text, code);
        }
        m_latin1 = m_latin1 || latin1;
        into.a = static_cast<uint32_t>(offset);
        into.b = static_cast<uint32_t>(text.size() - offset);
        m_pos = end + 1;
        return true;
    }

    bool container(int depth) {
        const bool object = m_in[m_pos] == '{';
        const char close = object ? '}' : ']';
        if (depth > m_depthLimit)
            return fail(JsonProblem::TooDeep, m_pos);
        ++m_pos;
        const size_t firstPending = m_pending.size();
        skipBlanks();
        if (m_pos < m_in.size() && m_in[m_pos] == close) {
            ++m_pos;
        } else {
            while (true) {
                if (object) {
                    if (m_pos >= m_in.size() || m_in[m_pos] != '"')
                        return fail(JsonProblem::Syntax, m_pos);
                    Node key{0, 0, JsonKind::String};
                    if (!readString(key))
                        return false;
                    m_pending.push_back(key);
                    skipBlanks();
                    if (m_pos >= m_in.size() || m_in[m_pos] != ':')
                        return fail(JsonProblem::Syntax, m_pos);
                    ++m_pos;
                    skipBlanks();
                }
                if (!value(depth))
                    return false;
                skipBlanks();
                if (m_pos < m_in.size() && m_in[m_pos] == ',') {
                    ++m_pos;
                    skipBlanks();
                    continue;
                }
                if (m_pos < m_in.size() && m_in[m_pos] == close) {
                    ++m_pos;
                    break;
                }
                return fail(JsonProblem::Syntax, m_pos);
            }
        }
        const size_t children = m_pending.size() - firstPending;
        const Node node{static_cast<uint32_t>(m_store.nodes.size()),
                        static_cast<uint32_t>(object ? children / 2 : children),
                        object ? JsonKind::Object : JsonKind::Array};
        m_store.nodes.insert(m_store.nodes.end(),
                             m_pending.begin() + static_cast<ptrdiff_t>(firstPending),
                             m_pending.end());
        m_pending.resize(firstPending);
        m_pending.push_back(node);
        return true;
    }

    std::string_view m_in;
    size_t m_pos = 0;
    int m_depthLimit;
    Store& m_store;
    std::vector<Node> m_pending;
    JsonProblem m_problem = JsonProblem::None;
    size_t m_at = 0;
    bool m_latin1 = false;
};

} // namespace

std::string_view JsonValue::text() const {
    const Node& n = node();
    if (n.kind != JsonKind::String && n.kind != JsonKind::Number)
        return {};
    return std::string_view(m_store->text).substr(n.a, n.b);
}

std::optional<int64_t> JsonValue::integer() const {
    if (!isNumber())
        return std::nullopt;
    const std::string_view digits = text();
    int64_t whole = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
    if (error == std::errc() && end == digits.data() + digits.size())
        return whole;
    if (digits.find_first_of(".eE") == std::string_view::npos)
        return std::nullopt; // digits beyond 64 bits
    // A fraction or an exponent: whole when the double is, and within 64 bits
    // (2^63 itself is not: the bound is exact as a double).
    const double value = number();
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0) ||
        std::trunc(value) != value)
        return std::nullopt;
    return static_cast<int64_t>(value);
}

double JsonValue::number() const {
    if (!isNumber())
        return 0;
    const std::string_view digits = text();
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: the exponent's sign says which.
        const size_t e = digits.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && digits.substr(e + 1, 1) == "-";
        const double size = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        return digits.front() == '-' ? -size : size;
    }
    return value;
}

size_t JsonValue::size() const {
    const Node& n = node();
    return n.kind == JsonKind::Array || n.kind == JsonKind::Object ? n.b : 0;
}

JsonValue JsonValue::item(size_t index) const {
    const Node& n = node();
    const size_t child = n.kind == JsonKind::Object ? 2 * index + 1 : index;
    return JsonValue(m_store, static_cast<uint32_t>(n.a + child));
}

std::string_view JsonValue::key(size_t index) const {
    return JsonValue(m_store, static_cast<uint32_t>(node().a + 2 * index)).text();
}

std::optional<JsonValue> JsonValue::find(std::string_view wanted) const {
    if (!isObject())
        return std::nullopt;
    for (size_t i = size(); i-- > 0;)
        if (key(i) == wanted)
            return item(i);
    return std::nullopt;
}

JsonRead readjson(std::string_view text, int depthLimit) {
    JsonRead read;
    if (text.size() > kLargestText) {
        read.problem = JsonProblem::TooLarge;
        return read;
    }
    JsonDocument document;
    Parser parser(text, depthLimit, *document.m_store);
    const std::optional<uint32_t> root = parser.parse();
    if (!root) {
        read.problem = parser.problem();
        read.offset = parser.at();
        return read;
    }
    document.m_root = *root;
    document.m_latin1 = parser.latin1();
    read.document = std::move(document);
    return read;
}
