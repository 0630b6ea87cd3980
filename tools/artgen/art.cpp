#include "art.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include <gif_lib.h>

#include "services/tool_writers/image_writers.h"

namespace fs = std::filesystem;

namespace art {

std::vector<Module>& modules() {
  static std::vector<Module> all;
  return all;
}

std::string Context::path(const std::string& relative) const {
  return outDir + relative;
}

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

void Context::writeGif(const std::string& relative, const Image& image) const {
  // An exact palette of the picture's own colours, padded to a power of two.
  std::map<Colour, int> index;
  for (Colour c : image.pixels)
    if (index.emplace(c, int(index.size())).second && index.size() > 256)
      throw std::runtime_error(relative + ": more than 256 colours for a GIF");
  int bits = 1;
  while ((1 << bits) < int(index.size())) ++bits;
  std::vector<GifColorType> palette(std::size_t(1) << bits, GifColorType{0, 0, 0});
  for (const auto& [c, i] : index)
    palette[std::size_t(i)] = {GifByteType(svc::red(c)), GifByteType(svc::green(c)),
                               GifByteType(svc::blue(c))};
  const std::string full = path(relative);
  fs::create_directories(fs::path(full).parent_path());
  int error = 0;
  GifFileType* gif = EGifOpenFileName(full.c_str(), false, &error);
  if (!gif) throw std::runtime_error("cannot write " + full);
  ColorMapObject* map = GifMakeMapObject(int(palette.size()), palette.data());
  bool ok = map && EGifPutScreenDesc(gif, image.width, image.height, bits, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> row(std::size_t(image.width));
  for (int y = 0; ok && y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) row[std::size_t(x)] = GifPixelType(index[image.at(x, y)]);
    ok = EGifPutLine(gif, row.data(), image.width) == GIF_OK;
  }
  GifFreeMapObject(map);
  if (EGifCloseFile(gif, &error) != GIF_OK || !ok) throw std::runtime_error("cannot write " + full);
  // giflib creates its files readable by their owner only.
  fs::permissions(full, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
}

void Context::writeJpg(const std::string& relative, const Image& image, int quality) const {
  const std::string full = path(relative);
  fs::create_directories(fs::path(full).parent_path());
  if (!svc::saveJpg(image, full, quality)) throw std::runtime_error("cannot write " + full);
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
