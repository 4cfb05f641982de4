#pragma once
// A small reader of JSON text, enough for the files the analysis writes (objects,
// arrays, numbers, strings without escapes beyond \" and \\, true, false, null).
// Numbers keep their text, so whole numbers of 64 bits and doubles written with 17
// digits read back exactly.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a string's text, or a number as written
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member of that name, or nullptr.
    const JsonValue* Find(const std::string& name) const;
    std::optional<double> Double() const;
    std::optional<int64_t> Int() const;
    std::optional<uint64_t> UInt() const;
};

// The value of the whole text, or nothing with `error` set.
std::optional<JsonValue> ParseJson(const std::string& text, std::string& error);

}  // namespace velmora
