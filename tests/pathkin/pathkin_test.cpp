// Pathkin as a foreign caller uses it: loaded with dlopen, its one export found with dlsym.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <strings.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using GetShortPathFn = char* (*)(char*);

class Pathkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    handle_ = dlopen(PATHKIN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    shortPath_ = reinterpret_cast<GetShortPathFn>(dlsym(handle_, "GetShortPath"));
    ASSERT_NE(shortPath_, nullptr) << dlerror();
  }
  static void TearDownTestSuite() { dlclose(handle_); }
  void SetUp() override {
    char pattern[] = "/tmp/pathkin-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Calls the library on a copy of path in a buffer with spare room after it; returns the
  // buffer's text and checks the pointer and the spare room.
  std::string call(const std::string& path) {
    std::vector<char> buffer(path.size() + 1 + 32, '#');
    std::memcpy(buffer.data(), path.c_str(), path.size() + 1);
    char* result = shortPath_(buffer.data());
    EXPECT_EQ(result, buffer.data());
    for (std::size_t i = path.size() + 1; i < buffer.size(); ++i)
      EXPECT_EQ(buffer[i], '#') << "written past the path at " << i;
    return std::string(buffer.data(), path.size() + 1);  // the bytes the caller owns
  }

  static void* handle_;
  static GetShortPathFn shortPath_;
  std::string dir_;
};
void* Pathkin::handle_ = nullptr;
GetShortPathFn Pathkin::shortPath_ = nullptr;

std::string withTerminator(const std::string& s) {
  return s + '\0';
}

TEST_F(Pathkin, PathsWithoutShortNamesComeBackUnchanged) {
  fs::create_directories(dir_ + "/A long folder name/sub");
  std::ofstream(dir_ + "/A long folder name/sub/a file with a long name.txt") << "x";
  const std::string cases[] = {
      dir_,
      dir_ + "/A long folder name/sub/a file with a long name.txt",
      dir_ + "/A long folder name/./sub/../sub/",
      dir_ + "//A long folder name",
  };
  for (const std::string& path : cases) EXPECT_EQ(call(path), withTerminator(path)) << path;
}

TEST_F(Pathkin, WhatCannotBeShortenedLeavesTheBufferByteForByte) {
  const std::string tooLong = dir_ + "/" + std::string(300, 'x');
  const std::string cases[] = {
      dir_ + "/missing/file.txt",
      dir_ + "/missing",
      "",
      tooLong,
  };
  for (const std::string& path : cases) EXPECT_EQ(call(path), withTerminator(path)) << path;
  EXPECT_EQ(shortPath_(nullptr), nullptr);
}

TEST_F(Pathkin, ExportsOnlyGetShortPath) {
  const std::string command = std::string("nm -D --defined-only ") + PATHKIN_LIBRARY;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> functions;
  std::array<char, 512> line;
  while (std::fgets(line.data(), int(line.size()), pipe)) {
    std::istringstream in(line.data());
    std::string address, type, name;
    in >> address >> type >> name;
    if (type == "T" || type == "W" || type == "i") functions.push_back(name);
  }
  ASSERT_EQ(pclose(pipe), 0);
  EXPECT_EQ(functions, std::vector<std::string>{"GetShortPath"});
}

// A FAT image mounted on a loop device: long names come back as their 8.3 aliases.
TEST_F(Pathkin, LongNamesOnFatBecomeTheirShortAliases) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a FAT image needs root";
  if (std::system("command -v mkfs.vfat >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "mkfs.vfat (dosfstools) is not installed";
  const std::string image = dir_ + "/fat.img", mnt = dir_ + "/mnt";
  fs::create_directories(mnt);
  const std::string make =
      "truncate -s 4M " + image + " && mkfs.vfat -n PATHKIN " + image + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(make.c_str()), 0);
  if (std::system(("mount -o loop " + image + " " + mnt + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "this machine cannot mount the FAT image (no loop device or no vfat support)";
  fs::create_directories(mnt + "/Long Folder Name");
  std::ofstream(mnt + "/Long Folder Name/LongFileName.txt") << "x";
  std::ofstream(mnt + "/short.txt") << "x";
  const std::string path = mnt + "/Long Folder Name/LongFileName.txt";
  const std::string result = call(path);
  const std::string expected = mnt + "/LONGFO~1/LONGFI~1.TXT";
  EXPECT_EQ(result.size(), path.size() + 1);
  EXPECT_EQ(::strcasecmp(result.c_str(), expected.c_str()), 0) << result;
  const std::string plain = call(mnt + "/short.txt");
  EXPECT_EQ(::strcasecmp(plain.c_str(), (mnt + "/short.txt").c_str()), 0) << plain;
  std::system(("umount " + mnt).c_str());
}

}  // namespace
