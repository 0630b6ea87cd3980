// Picture decoding on SDL_image: .bmp, .jpg and .gif files into the game's colours.
#pragma once
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "services/platform.h"

namespace svc {

// The general decoder: any file SDL_image reads; throws DataFileError naming the file when it
// is missing or unreadable.
ImagePtr decodeWithSdlImage(const std::string& path);

// The straight decoders first (picture_decoders.h), then the general one.
class SdlPictureLoader : public PictureLoader {
 public:
  SdlPictureLoader() = default;
  SdlPictureLoader(const SdlPictureLoader&) = delete;
  SdlPictureLoader& operator=(const SdlPictureLoader&) = delete;
  ~SdlPictureLoader() override;

  ImagePtr load(const std::string& path) override;
  // One worker decodes the files the straight decoders take; the general decoder stays on the
  // calling thread, so a file the worker leaves is decoded (or refused) at its load as before.
  void prefetch(const std::vector<std::string>& paths) override;

 private:
  void work();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> queue_;
  std::string current_;  // being decoded by the worker
  std::map<std::string, std::shared_ptr<Image>> ready_;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace svc
