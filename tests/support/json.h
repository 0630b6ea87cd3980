// A small JSON reader for checking the driver's dumps in tests.
#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testjson {

struct Value {
  enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
  bool b = false;
  double n = 0;
  std::string s;
  std::vector<Value> a;
  std::map<std::string, Value> o;

  const Value& operator[](const std::string& key) const {
    auto it = o.find(key);
    if (type != Type::Object || it == o.end()) throw std::out_of_range("no key " + key);
    return it->second;
  }
  const Value& operator[](std::size_t i) const { return a.at(i); }
  bool has(const std::string& key) const { return type == Type::Object && o.count(key); }
  bool isNull() const { return type == Type::Null; }
};

Value parse(const std::string& text);

}  // namespace testjson
