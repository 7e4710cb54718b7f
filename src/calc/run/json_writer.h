// A small streaming writer of indented JSON: objects, arrays, numbers in their shortest
// round-trip form (non-finite as null), integers, Booleans and UTF-8 strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::calc {

class JsonWriter {
  public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    /// The key of the next value inside an object.
    void key(std::string_view k);

    void number(double x);
    void integer(std::int64_t n);
    void boolean(bool b);
    void string(std::string_view s);
    void null();

    /// key + value in one call.
    void field(std::string_view k, double x) {
        key(k);
        number(x);
    }
    void field(std::string_view k, std::int32_t n) {
        key(k);
        integer(n);
    }
    void field(std::string_view k, bool b) {
        key(k);
        boolean(b);
    }
    void field(std::string_view k, std::string_view s) {
        key(k);
        string(s);
    }
    void field(std::string_view k, const char* s) {
        key(k);
        string(s);
    }

    /// The document written so far, with a final line end once complete.
    const std::string& text() const { return out_; }

  private:
    void open(char c);
    void close(char c);
    void beforeValue();
    void newline();
    void quoted(std::string_view s);

    std::string out_;
    std::vector<std::int32_t> counts_;  // values written in each open container
    bool afterKey_ = false;
};

}  // namespace nuvra::calc
