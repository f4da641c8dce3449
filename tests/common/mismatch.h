#pragma once
// The first difference a model check finds, in words: randomized tests and
// fuzz targets share their checks and report through it instead of through
// a test framework.
#include <cstdint>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace velmo::testing {

class Mismatch {
public:
    template <typename A, typename B>
    bool Same(const A& got, const B& want, const std::string& what) {
        if (got == want) return true;
        return Holds(false, what + ": got " + Show(got) + ", want " + Show(want));
    }
    bool Holds(bool condition, const std::string& what) {
        if (!condition && text_.empty()) text_ = what;
        return condition;
    }
    bool Found() const { return !text_.empty(); }
    const std::string& Text() const { return text_; }
    void Clear() { text_.clear(); }

private:
    template <typename T>
    static std::string Show(const T& value) {
        std::ostringstream out;
        if constexpr (std::is_arithmetic_v<T>) {
            out << +value;
        } else {
            out << value;
        }
        return out.str();
    }
    // At most 80 bytes, those outside printable ASCII as hexadecimal escapes.
    static std::string Show(const std::string& bytes) {
        std::ostringstream out;
        out << bytes.size() << " bytes \"" << std::hex;
        for (std::size_t i = 0; i < bytes.size() && i < 80; ++i) {
            auto c = static_cast<unsigned char>(bytes[i]);
            if (c >= 0x20 && c < 0x7F && c != '\\') {
                out << bytes[i];
            } else {
                out << "\\x" << static_cast<int>(c);
            }
        }
        out << (bytes.size() > 80 ? "...\"" : "\"");
        return out.str();
    }
    static std::string Show(const char* text) { return Show(std::string(text)); }
    template <typename T>
    static std::string Show(const std::vector<T>& values) {
        std::string out = std::to_string(values.size()) + " entries [";
        for (std::size_t i = 0; i < values.size() && i < 12; ++i) out += (i ? " " : "") + Show(values[i]);
        return out + (values.size() > 12 ? " ...]" : "]");
    }

    std::string text_;
};

}  // namespace velmo::testing
