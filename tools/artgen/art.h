// What every art module gets: where to write, and the writers for the game's file formats.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "services/surface.h"

namespace art {

using svc::Colour;
using svc::Image;

struct Context {
  std::string outDir;   // the program folder
  std::string fontDir;  // where the DejaVu fonts are read from

  // Full path of a file of the program folder, from the game's relative name ("/gfx/x.bmp").
  std::string path(const std::string& relative) const;
  // Writers; each creates the folders it needs and throws std::runtime_error on failure.
  void writeBmp(const std::string& relative, const Image& image) const;  // 24-bit, lossless
  // Lossless too, for pictures of at most 256 colours (masks); more colours throw.
  void writeGif(const std::string& relative, const Image& image) const;
  // Lossy, for the big map pictures the game only looks at (quality 1..100).
  void writeJpg(const std::string& relative, const Image& image, int quality = 95) const;
  void writeText(const std::string& relative, const std::string& text) const;
  void copyFile(const std::string& from, const std::string& relative) const;
};

// A module draws one family of files. Modules register themselves with ARTGEN_MODULE and run
// in the order of their names, so the output never depends on link order.
using ModuleFn = std::function<void(const Context&)>;
struct Module {
  std::string name;
  ModuleFn run;
};
std::vector<Module>& modules();
struct Registrar {
  Registrar(const std::string& name, ModuleFn fn) { modules().push_back({name, std::move(fn)}); }
};

}  // namespace art

#define ARTGEN_CONCAT2(a, b) a##b
#define ARTGEN_CONCAT(a, b) ARTGEN_CONCAT2(a, b)
#define ARTGEN_MODULE(name, fn) \
  static ::art::Registrar ARTGEN_CONCAT(artgen_reg_, __LINE__)(name, fn)
