// Writes the WAVE files the sound tests read.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace testwave {

// 16-bit mono PCM of `samples` at `rate`.
inline void write(const std::string& path, int rate, const std::vector<std::int16_t>& samples) {
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const auto bytes = std::uint32_t(samples.size() * 2);
  out << "RIFF";
  u32(36 + bytes);
  out << "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(std::uint32_t(rate));
  u32(std::uint32_t(rate) * 2);
  u16(2);
  u16(16);
  out << "data";
  u32(bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), std::streamsize(bytes));
}

}  // namespace testwave
