#include "calc/run/json_writer.h"

#include <cstdio>

#include "common/number_format.h"

namespace nuvra::calc {

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(counts_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!counts_.empty()) {
        if (counts_.back() > 0) out_ += ',';
        ++counts_.back();
        newline();
    }
}

void JsonWriter::key(std::string_view k) {
    beforeValue();
    quoted(k);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::open(char c) {
    beforeValue();
    out_ += c;
    counts_.push_back(0);
}

void JsonWriter::close(char c) {
    bool empty = counts_.back() == 0;
    counts_.pop_back();
    if (!empty) newline();
    out_ += c;
    if (counts_.empty()) out_ += '\n';
}

void JsonWriter::number(double x) {
    beforeValue();
    out_ += roundTripNumber(x);
}

void JsonWriter::integer(std::int64_t n) {
    beforeValue();
    out_ += std::to_string(n);
}

void JsonWriter::boolean(bool b) {
    beforeValue();
    out_ += b ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

void JsonWriter::string(std::string_view s) {
    beforeValue();
    quoted(s);
}

void JsonWriter::quoted(std::string_view s) {
    out_ += '"';
    for (char ch : s) {
        unsigned char u = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (u < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", u);
                    out_ += buf;
                } else {
                    out_ += ch;
                }
        }
    }
    out_ += '"';
}

}  // namespace nuvra::calc
