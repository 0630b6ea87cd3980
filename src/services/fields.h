// Named fields of a state record, so tools (the driver's dump and set) can read and write them
// by the names the game uses.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace svc {

// A slot that is empty, holds a number, or holds a text (a text never equals a number).
using Sample = std::variant<std::monostate, std::int16_t, std::string>;

using FieldPtr =
    std::variant<bool*, std::int16_t*, std::int32_t*, std::uint32_t*, float*, double*, std::string*,
                 std::span<double>, std::span<std::uint32_t>, std::span<Sample>>;

struct Field {
  std::string name;
  FieldPtr ptr;
};

// The value as JSON (numbers, true/false, strings, arrays; an empty slot is null).
std::string fieldJson(const Field& field);
// Sets a scalar field from text ("true"/"false", numbers, any text for words). Returns false
// when the text does not fit the field's type or the field is an array.
bool setField(const Field& field, const std::string& text);
// JSON string literal of UTF-8 text.
std::string jsonString(const std::string& text);

}  // namespace svc
