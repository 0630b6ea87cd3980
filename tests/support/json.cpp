#include "json.h"

#include <cstdlib>

namespace testjson {

namespace {

struct Parser {
  const std::string& t;
  std::size_t i = 0;

  void ws() {
    while (i < t.size() && (t[i] == ' ' || t[i] == '\n' || t[i] == '\r' || t[i] == '\t')) ++i;
  }
  [[noreturn]] void fail(const char* what) {
    throw std::runtime_error(std::string("bad JSON: ") + what + " at " + std::to_string(i));
  }
  void expect(char c) {
    ws();
    if (i >= t.size() || t[i] != c) fail("unexpected character");
    ++i;
  }
  std::string str() {
    expect('"');
    std::string out;
    while (i < t.size() && t[i] != '"') {
      if (t[i] == '\\') {
        ++i;
        if (i >= t.size()) fail("escape");
        switch (t[i]) {
          case 'n':
            out += '\n';
            break;
          case 'r':
            out += '\r';
            break;
          case 't':
            out += '\t';
            break;
          case 'u':
            out += char(std::strtol(t.substr(i + 1, 4).c_str(), nullptr, 16));
            i += 4;
            break;
          default:
            out += t[i];
        }
        ++i;
      } else {
        out += t[i++];
      }
    }
    expect('"');
    return out;
  }
  Value value() {
    ws();
    Value v;
    if (i >= t.size()) fail("end");
    const char c = t[i];
    if (c == '{') {
      v.type = Value::Type::Object;
      ++i;
      ws();
      if (t[i] == '}') return ++i, v;
      for (;;) {
        std::string k = str();
        expect(':');
        v.o[k] = value();
        ws();
        if (t[i] == ',') {
          ++i;
          continue;
        }
        expect('}');
        return v;
      }
    }
    if (c == '[') {
      v.type = Value::Type::Array;
      ++i;
      ws();
      if (t[i] == ']') return ++i, v;
      for (;;) {
        v.a.push_back(value());
        ws();
        if (t[i] == ',') {
          ++i;
          continue;
        }
        expect(']');
        return v;
      }
    }
    if (c == '"') {
      v.type = Value::Type::String;
      v.s = str();
      return v;
    }
    if (t.compare(i, 4, "true") == 0) return i += 4, v.type = Value::Type::Bool, v.b = true, v;
    if (t.compare(i, 5, "false") == 0) return i += 5, v.type = Value::Type::Bool, v;
    if (t.compare(i, 4, "null") == 0) return i += 4, v;
    char* end = nullptr;
    v.n = std::strtod(t.c_str() + i, &end);
    if (end == t.c_str() + i) fail("value");
    i = std::size_t(end - t.c_str());
    v.type = Value::Type::Number;
    return v;
  }
};

}  // namespace

Value parse(const std::string& text) {
  Parser p{text};
  return p.value();
}

}  // namespace testjson
