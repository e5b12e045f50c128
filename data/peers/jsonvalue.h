#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A strict JSON reader (RFC 8259) for files other programs wrote: the whole
// text becomes a tree held in one document. Objects keep their members in the
// order the text gives them, numbers keep the text they were written as, and
// strings are UTF-8 with their escapes decoded ("\u00e9" -> "é", a surrogate
// pair "\ud83d\udcaa" -> "💪", a lone surrogate -> U+FFFD).
//
// Made for hostile input: containers nest at most kJsonDepthLimit deep, a
// failure is a return value naming what and where, and the tree costs a few
// bytes a value (a document of 16 MiB of "[0,0,0,..." stays near 100 MiB).
//
// A string holding bytes that are not UTF-8 is read as Latin-1, the way the
// program reads such text elsewhere (textencoding.h), and the document says
// so: some phone apps write a code unit's low byte for every character.

inline constexpr int kJsonDepthLimit = 64;

enum class JsonKind : uint8_t { Null, False, True, Number, String, Array, Object };

enum class JsonProblem : uint8_t {
    None,
    Syntax,    // a character where none may stand, or the text ends too soon
    BadString, // a control character or an unknown escape inside a string
    TooDeep,   // arrays and objects nested deeper than the limit
    TooLarge,  // a text of more than 1 GiB
};

namespace jsondetail {
struct Node {
    uint32_t a = 0; // a container's first child; a scalar's text offset
    uint32_t b = 0; // a container's member or item count; a scalar's text length
    JsonKind kind = JsonKind::Null;
};
struct Store {
    std::vector<Node> nodes; // an object's children alternate key, value
    std::string text;        // every string's and number's text, one after another
};
} // namespace jsondetail

// One value of a document: a small handle, valid while its document lives
// (moving the document keeps it valid).
class JsonValue final {
public:
    JsonKind kind() const { return node().kind; }
    bool isNull() const { return kind() == JsonKind::Null; }
    bool isBool() const { return kind() == JsonKind::True || kind() == JsonKind::False; }
    bool isNumber() const { return kind() == JsonKind::Number; }
    bool isString() const { return kind() == JsonKind::String; }
    bool isArray() const { return kind() == JsonKind::Array; }
    bool isObject() const { return kind() == JsonKind::Object; }

    // A string's UTF-8, a number as written ("-0", "3e1"); "" for the rest.
    std::string_view text() const;
    // A number that is a whole number within 64 bits, however written: "30",
    // "30.0" and "3e1" give 30, "-7" gives -7; "0.5", "1e19" and a string give nothing.
    std::optional<int64_t> integer() const;
    // A number's nearest double (infinite beyond the range); 0 for anything else.
    double number() const;

    // An array's items, an object's members; 0 for the rest.
    size_t size() const;
    // Item `index` of an array, or the value of member `index` of an object.
    JsonValue item(size_t index) const;
    // The key of member `index` of an object.
    std::string_view key(size_t index) const;
    // The value of the member named `key`; the last one where a key is given
    // twice, as most readers take it. Nothing when absent or not an object.
    std::optional<JsonValue> find(std::string_view key) const;

private:
    friend class JsonDocument;
    JsonValue(const jsondetail::Store* store, uint32_t index) : m_store(store), m_index(index) {}
    const jsondetail::Node& node() const { return m_store->nodes[m_index]; }
    const jsondetail::Store* m_store;
    uint32_t m_index;
};

struct JsonRead;

class JsonDocument final {
public:
    JsonValue root() const { return JsonValue(m_store.get(), m_root); }
    // True when a string held bytes that are not UTF-8 and was read as Latin-1.
    bool readLatin1() const { return m_latin1; }

private:
    friend JsonRead readjson(std::string_view text, int depthLimit);
    JsonDocument() : m_store(std::make_unique<jsondetail::Store>()) {}
    std::unique_ptr<jsondetail::Store> m_store;
    uint32_t m_root = 0;
    bool m_latin1 = false;
};

// A document, or what is wrong with the text and at which byte.
struct JsonRead {
    std::optional<JsonDocument> document;
    JsonProblem problem = JsonProblem::None;
    size_t offset = 0;

    explicit operator bool() const { return document.has_value(); }
};

// Reads one JSON value with blanks around it; a UTF-8 byte-order mark before
// it is passed over.
JsonRead readjson(std::string_view text, int depthLimit = kJsonDepthLimit);
