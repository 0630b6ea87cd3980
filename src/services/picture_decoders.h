// Straight decoders for the picture files the game ships: baseline colour JPEG and single-image
// GIF, decoded row by row into the game's image with no intermediate picture. They give the same
// pixels as the general decoder and are what makes a race start quick (the track pictures are
// 2000 × 2000). Any file they do not take, or cannot read, is left to the general decoder, which
// also words the errors.
#pragma once
#include <memory>
#include <string>

#include "services/surface.h"

namespace svc {

// The decoded picture, or nullptr when the file is to go to the general decoder. Safe to call on
// several threads at once.
std::shared_ptr<Image> decodeJpegFile(const std::string& path);
std::shared_ptr<Image> decodeGifFile(const std::string& path);

// By the file name's extension (.jpg, .jpeg or .gif, any case); nullptr for any other file.
std::shared_ptr<Image> decodeDirect(const std::string& path);

}  // namespace svc
