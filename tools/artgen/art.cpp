#include "art.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace art {

std::vector<Module>& modules() {
  static std::vector<Module> all;
  return all;
}

std::string Context::path(const std::string& relative) const { return outDir + relative; }

namespace {
std::ofstream openOut(const std::string& full) {
  fs::create_directories(fs::path(full).parent_path());
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + full);
  return out;
}
void put16(std::string& b, unsigned v) {
  b.push_back(char(v & 0xFF));
  b.push_back(char((v >> 8) & 0xFF));
}
void put32(std::string& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
}  // namespace

void Context::writeBmp(const std::string& relative, const Image& image) const {
  const int w = image.width, h = image.height;
  const std::uint32_t stride = (std::uint32_t(w) * 3 + 3) & ~3u;
  const std::uint32_t dataSize = stride * std::uint32_t(h);
  std::string b;
  b.reserve(54 + dataSize);
  b += "BM";
  put32(b, 54 + dataSize);
  put32(b, 0);
  put32(b, 54);
  put32(b, 40);
  put32(b, std::uint32_t(w));
  put32(b, std::uint32_t(h));
  put16(b, 1);
  put16(b, 24);
  put32(b, 0);
  put32(b, dataSize);
  put32(b, 2835);
  put32(b, 2835);
  put32(b, 0);
  put32(b, 0);
  for (int y = h - 1; y >= 0; --y) {  // bottom-up rows, blue-green-red bytes
    std::size_t start = b.size();
    for (int x = 0; x < w; ++x) {
      const Colour c = image.at(x, y);
      b.push_back(char(svc::blue(c)));
      b.push_back(char(svc::green(c)));
      b.push_back(char(svc::red(c)));
    }
    b.append(stride - (b.size() - start), '\0');
  }
  auto out = openOut(path(relative));
  out.write(b.data(), std::streamsize(b.size()));
  if (!out) throw std::runtime_error("cannot write " + path(relative));
}

void Context::writeText(const std::string& relative, const std::string& text) const {
  auto out = openOut(path(relative));
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path(relative));
}

void Context::copyFile(const std::string& from, const std::string& relative) const {
  fs::create_directories(fs::path(path(relative)).parent_path());
  fs::copy_file(from, path(relative), fs::copy_options::overwrite_existing);
}

}  // namespace art
