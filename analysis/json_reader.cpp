#include "analysis/json_reader.h"

#include <cctype>
#include <charconv>

namespace velmora {

namespace {

class Parser {
  public:
    explicit Parser(const std::string& text) : s_(text) {}

    std::optional<JsonValue> Document(std::string& error) {
        auto v = Value(0);
        Blanks();
        if (v && i_ != s_.size()) Fail("text after the end");
        if (!error_.empty()) {
            error = error_ + " at character " + std::to_string(i_);
            return std::nullopt;
        }
        return v;
    }

  private:
    static constexpr int kMaxDepth = 64;

    void Fail(const std::string& what) {
        if (error_.empty()) error_ = what;
    }
    void Blanks() {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    bool Take(char c) {
        Blanks();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool Word(const char* w) {
        const std::string word(w);
        if (s_.compare(i_, word.size(), word) != 0) return false;
        i_ += word.size();
        return true;
    }

    std::optional<std::string> String() {
        if (!Take('"')) return Fail("a string expected"), std::nullopt;
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            if (s_[i_] == '\\' && i_ + 1 < s_.size()) ++i_;
            out += s_[i_++];
        }
        if (i_ >= s_.size()) return Fail("a string without its end"), std::nullopt;
        ++i_;
        return out;
    }

    std::optional<JsonValue> Value(int depth) {
        if (depth > kMaxDepth) return Fail("nested too deep"), std::nullopt;
        Blanks();
        JsonValue v;
        if (i_ >= s_.size()) return Fail("a value expected"), std::nullopt;
        const char c = s_[i_];
        if (c == '{') {
            ++i_;
            v.kind = JsonValue::Kind::Object;
            if (Take('}')) return v;
            do {
                auto name = String();
                if (!name || !Take(':')) return Fail("a member expected"), std::nullopt;
                auto member = Value(depth + 1);
                if (!member) return std::nullopt;
                v.members.push_back({std::move(*name), std::move(*member)});
            } while (Take(','));
            if (!Take('}')) return Fail("'}' expected"), std::nullopt;
        } else if (c == '[') {
            ++i_;
            v.kind = JsonValue::Kind::Array;
            if (Take(']')) return v;
            do {
                auto item = Value(depth + 1);
                if (!item) return std::nullopt;
                v.items.push_back(std::move(*item));
            } while (Take(','));
            if (!Take(']')) return Fail("']' expected"), std::nullopt;
        } else if (c == '"') {
            auto text = String();
            if (!text) return std::nullopt;
            v.kind = JsonValue::Kind::String;
            v.text = std::move(*text);
        } else if (Word("true") || Word("false")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = s_[i_ - 1] == 'e' && s_[i_ - 2] == 'u';
        } else if (Word("null")) {
        } else {
            const size_t start = i_;
            while (i_ < s_.size() &&
                   (std::isdigit(static_cast<unsigned char>(s_[i_])) ||
                    std::string_view("+-.eE").find(s_[i_]) != std::string_view::npos))
                ++i_;
            if (i_ == start) return Fail("a value expected"), std::nullopt;
            v.kind = JsonValue::Kind::Number;
            v.text = s_.substr(start, i_ - start);
        }
        return v;
    }

    const std::string& s_;
    size_t i_ = 0;
    std::string error_;
};

template <typename T>
std::optional<T> Convert(const JsonValue& v) {
    if (v.kind != JsonValue::Kind::Number) return std::nullopt;
    T value{};
    const char* end = v.text.data() + v.text.size();
    auto [ptr, ec] = std::from_chars(v.text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

const JsonValue* JsonValue::Find(const std::string& name) const {
    for (const auto& [key, value] : members)
        if (key == name) return &value;
    return nullptr;
}

std::optional<double> JsonValue::Double() const {
    return Convert<double>(*this);
}
std::optional<int64_t> JsonValue::Int() const {
    return Convert<int64_t>(*this);
}
std::optional<uint64_t> JsonValue::UInt() const {
    return Convert<uint64_t>(*this);
}

std::optional<JsonValue> ParseJson(const std::string& text, std::string& error) {
    return Parser(text).Document(error);
}

}  // namespace velmora
