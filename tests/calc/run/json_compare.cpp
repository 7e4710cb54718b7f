#include "json_compare.h"

#include <cmath>

namespace nuvra::test {

void JsonCompare::value(const JsonValue& ours, const JsonValue& ref, const std::string& path) {
    if (ours.kind != ref.kind) return diff(path, "kind differs");
    switch (ref.kind) {
        case JsonValue::Kind::Object:
            if (ours.keys() != ref.keys()) diff(path, "keys differ");
            for (const auto& [k, v] : ref.members)
                if (const JsonValue* o = ours.find(k)) {
                    if (k == "Error")
                        error(*o, v, path + "." + k);
                    else
                        value(*o, v, path + "." + k);
                }
            return;
        case JsonValue::Kind::Array:
            if (ours.items.size() != ref.items.size()) return diff(path, "length differs");
            for (std::size_t i = 0; i < ref.items.size(); ++i)
                value(ours.items[i], ref.items[i], path + "[" + std::to_string(i) + "]");
            return;
        case JsonValue::Kind::Number: {
            ++values;
            const double d = std::fabs(ours.number - ref.number);
            if (d > 1e-9 && d > 1e-9 * std::fabs(ref.number))
                diff(path, ours.text + " vs " + ref.text);
            return;
        }
        case JsonValue::Kind::String:
            ++values;
            if (ours.text != ref.text) diff(path, ours.text + " vs " + ref.text);
            return;
        case JsonValue::Kind::Bool:
            ++values;
            if (ours.boolean != ref.boolean) diff(path, "Boolean differs");
            return;
        case JsonValue::Kind::Null:
            ++values;
            return;
    }
}

void JsonCompare::document(const JsonValue& ours, const JsonValue& ref) {
    if (ours.keys() != ref.keys()) diff("", "top-level keys or their order differ");
    for (const auto& [slot, v] : ref.members) {
        if (const JsonValue* o = ours.find(slot))
            value(*o, v, slot);
        else
            diff(slot, "missing");
    }
}

void JsonCompare::error(const JsonValue& ours, const JsonValue& ref, const std::string& path) {
    ++values;
    if (ours.kind != JsonValue::Kind::Number) return diff(path, "not a number");
    if ((ours.number == 0) != (ref.number == 0)) diff(path, ours.text + " vs " + ref.text);
}

void JsonCompare::diff(const std::string& path, const std::string& what) {
    diffs.push_back(path + ": " + what);
}

}  // namespace nuvra::test
