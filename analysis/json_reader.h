#pragma once
// A small reader of JSON text, enough for the files the analysis writes (objects,
// arrays, numbers, strings without escapes beyond \" and \\, true, false, null).
// Numbers keep their text, so whole numbers of 64 bits and doubles written with 17
// digits read back exactly.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a string's text, or a number as written
    std::vector<JsonValue> items;
    // An object's members in the order written. (A vector of pairs would need the
    // pair, and so this type, complete here; clang's checks of the default
    // constructor ask for it.)
    std::vector<JsonMember> members;

    // The member of that name, or nullptr.
    const JsonValue* Find(const std::string& name) const;
    std::optional<double> Double() const;
    std::optional<int64_t> Int() const;
    std::optional<uint64_t> UInt() const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// The value of the whole text, or nothing with `error` set.
std::optional<JsonValue> ParseJson(const std::string& text, std::string& error);

}  // namespace velmora
