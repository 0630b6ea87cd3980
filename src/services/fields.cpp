#include "services/fields.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace svc {

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += char(c);
        }
    }
  }
  return out + "\"";
}

namespace {

std::string number(double v) {
  if (v != v || v == std::numeric_limits<double>::infinity() ||
      v == -std::numeric_limits<double>::infinity())
    return "null";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  // Shortest text that reads back the same.
  for (int p = 1; p <= 17; ++p) {
    char shorter[32];
    std::snprintf(shorter, sizeof shorter, "%.*g", p, v);
    if (std::strtod(shorter, nullptr) == v) return shorter;
  }
  return buf;
}

std::string sampleJson(const Sample& s) {
  if (std::holds_alternative<std::int16_t>(s)) return std::to_string(std::get<std::int16_t>(s));
  if (std::holds_alternative<std::string>(s)) return jsonString(std::get<std::string>(s));
  return "null";
}

template <class T>
bool parseInt(const std::string& text, T* out) {
  long long v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || p != text.data() + text.size()) return false;
  if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) return false;
  *out = T(v);
  return true;
}

bool parseDouble(const std::string& text, double* out) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) return false;
  *out = v;
  return true;
}

}  // namespace

std::string fieldJson(const Field& field) {
  struct V {
    std::string operator()(bool* p) const { return *p ? "true" : "false"; }
    std::string operator()(std::int16_t* p) const { return std::to_string(*p); }
    std::string operator()(std::int32_t* p) const { return std::to_string(*p); }
    std::string operator()(std::uint32_t* p) const { return std::to_string(*p); }
    std::string operator()(float* p) const { return number(*p); }
    std::string operator()(double* p) const { return number(*p); }
    std::string operator()(std::string* p) const { return jsonString(*p); }
    std::string operator()(std::span<double> s) const {
      std::string out = "[";
      for (std::size_t i = 0; i < s.size(); ++i) out += (i ? "," : "") + number(s[i]);
      return out + "]";
    }
    std::string operator()(std::span<std::uint32_t> s) const {
      std::string out = "[";
      for (std::size_t i = 0; i < s.size(); ++i) out += (i ? "," : "") + std::to_string(s[i]);
      return out + "]";
    }
    std::string operator()(std::span<Sample> s) const {
      std::string out = "[";
      for (std::size_t i = 0; i < s.size(); ++i) out += (i ? "," : "") + sampleJson(s[i]);
      return out + "]";
    }
  };
  return std::visit(V{}, field.ptr);
}

bool setField(const Field& field, const std::string& text) {
  struct V {
    const std::string& t;
    bool operator()(bool* p) const {
      if (t == "true" || t == "True" || t == "1") return *p = true, true;
      if (t == "false" || t == "False" || t == "0") return *p = false, true;
      return false;
    }
    bool operator()(std::int16_t* p) const { return parseInt(t, p); }
    bool operator()(std::int32_t* p) const { return parseInt(t, p); }
    bool operator()(std::uint32_t* p) const { return parseInt(t, p); }
    bool operator()(float* p) const {
      double d;
      if (!parseDouble(t, &d)) return false;
      *p = float(d);
      return true;
    }
    bool operator()(double* p) const { return parseDouble(t, p); }
    bool operator()(std::string* p) const { return *p = t, true; }
    bool operator()(std::span<double>) const { return false; }
    bool operator()(std::span<std::uint32_t>) const { return false; }
    bool operator()(std::span<Sample>) const { return false; }
  };
  return std::visit(V{text}, field.ptr);
}

}  // namespace svc
