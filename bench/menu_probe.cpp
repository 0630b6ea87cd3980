// menu_probe PROGRAM_FOLDER [RUNS]: how long the game takes from its start to its first complete
// menu picture on an X display, how much memory the menu holds, and what the idle menu costs.
//
// The probe starts its own Xvfb (1024 x 768 x 24) with its screen in a file, and reads that file
// every half millisecond, so watching costs the X server nothing. A first run, left to settle for
// three seconds, gives the picture to wait for: the 640 x 480 corner where the menu opens, with the
// start-up window over it. Each timed run starts the game from a fresh copy of the program
// folder and counts from just before the exec to the first reading that matches. Sound goes to
// SDL's dummy driver, as the X display has no sound card.
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 640, kHeight = 480;

std::uint32_t bigEndian(const unsigned char* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
         p[3];
}

// The X server's screen as Xvfb keeps it in its file (an XWD image).
class Screen {
 public:
  explicit Screen(const std::string& file) {
    const int fd = open(file.c_str(), O_RDONLY);
    if (fd < 0) throw std::runtime_error("cannot open " + file);
    struct stat st {};
    fstat(fd, &st);
    size_ = std::size_t(st.st_size);
    data_ = static_cast<const unsigned char*>(mmap(nullptr, size_, PROT_READ, MAP_SHARED, fd, 0));
    close(fd);
    if (data_ == MAP_FAILED) throw std::runtime_error("cannot map " + file);
    const std::uint32_t header = bigEndian(data_), colours = bigEndian(data_ + 19 * 4);
    lineBytes_ = bigEndian(data_ + 12 * 4);
    pixels_ = data_ + header + colours * 12;
  }
  ~Screen() { munmap(const_cast<unsigned char*>(data_), size_); }
  // The corner where the menu opens, 32 bits a pixel.
  std::vector<std::uint32_t> corner() const {
    std::vector<std::uint32_t> out(std::size_t(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(out.data() + std::size_t(y) * kWidth, pixels_ + std::size_t(y) * lineBytes_,
                  kWidth * 4);
    return out;
  }
  bool cornerIs(const std::vector<std::uint32_t>& want) const {
    for (int y = 0; y < kHeight; ++y)
      if (std::memcmp(want.data() + std::size_t(y) * kWidth, pixels_ + std::size_t(y) * lineBytes_,
                      kWidth * 4) != 0)
        return false;
    return true;
  }

 private:
  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
  std::uint32_t lineBytes_ = 0;
  const unsigned char* pixels_ = nullptr;
};

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const int null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  dup2(null, 2);
  execvp(argv[0], argv.data());
  _exit(127);
}

void stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

long cpuTicks(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::istringstream fields(s.substr(s.rfind(')') + 2));
  std::string f;
  long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> f; ++i) {
    if (i == 14) utime = std::stol(f);
    if (i == 15) stime = std::stol(f);
  }
  return utime + stime;
}

// "VmRSS" or "VmHWM" of a process, in KiB.
long memoryKb(pid_t pid, const std::string& field) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  return 0;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: menu_probe PROGRAM_FOLDER [RUNS]\n");
    return 2;
  }
  const fs::path built = fs::absolute(argv[1]);
  const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
  char pattern[] = "/tmp/drovanta-probe-XXXXXX";
  const fs::path work = mkdtemp(pattern);
  const std::string display = ":" + std::to_string(600 + getpid() % 300);
  const pid_t xvfb = spawn(
      {"Xvfb", display, "-screen", "0", "1024x768x24", "-fbdir", work.string(), "-nolisten", "tcp"},
      {});
  const fs::path screenFile = work / "Xvfb_screen0";
  for (int i = 0; i < 500 && !fs::exists(screenFile); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const std::vector<std::string> env = {"DISPLAY=" + display, "SDL_AUDIODRIVER=dummy"};
  int status = 0;
  try {
    Screen screen(screenFile.string());
    const std::vector<std::uint32_t> empty = screen.corner();
    auto freshCopy = [&] {
      const fs::path folder = work / "game";
      fs::remove_all(folder);
      fs::copy(built, folder, fs::copy_options::recursive);
      return folder;
    };

    // The picture to wait for, and the settled menu's memory and idle processor use.
    fs::path folder = freshCopy();
    pid_t game = spawn({(folder / "Drovanta").string()}, env);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const std::vector<std::uint32_t> menu = screen.corner();
    const long hz = sysconf(_SC_CLK_TCK);
    const long before = cpuTicks(game);
    std::this_thread::sleep_for(std::chrono::seconds(20));
    const double idle = 100.0 * double(cpuTicks(game) - before) / double(20 * hz);
    std::printf("menu: resident %.1f MB, peak %.1f MB; idle %.2f %% of a core over 20 s\n",
                memoryKb(game, "VmRSS") / 1024.0, memoryKb(game, "VmHWM") / 1024.0, idle);
    stop(game);
    if (menu == empty) throw std::runtime_error("the game drew nothing");

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
      folder = freshCopy();
      for (int i = 0; i < 200 && !screen.cornerIs(empty); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      const auto start = Clock::now();
      game = spawn({(folder / "Drovanta").string()}, env);
      double ms = -1;
      while (Clock::now() - start < std::chrono::seconds(10)) {
        if (screen.cornerIs(menu)) {
          ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
          break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
      }
      stop(game);
      std::printf("run %d: %.0f ms\n", run + 1, ms);
      std::fflush(stdout);
      if (ms >= 0) times.push_back(ms);
    }
    if (times.empty()) throw std::runtime_error("the menu never matched its settled picture");
    std::printf("exec to the complete menu: median %.0f ms, least %.0f, most %.0f (%zu runs)\n",
                median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), times.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "menu_probe: %s\n", e.what());
    status = 1;
  }
  stop(xvfb);
  fs::remove_all(work);
  return status;
}
