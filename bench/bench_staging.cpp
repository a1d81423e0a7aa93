// Container staging of a 100 MB container out of a setup file,
// side by side with the `cp` command copying the same setup file, in one run.
//
//   bench_staging [--size-mb N] [--runs R]
//
// At start a setup file is made in a fresh temporary folder: a 4 KB image,
// the 0xB6 filler, N MB (default 100) of pseudo-random container bytes, the
// 0x00 filler, a small configuration and the 400-byte trailer. Each round
// then times, with the page cache warm:
//   ours  setup::StageContainer(setup file, X, Y, "data.cab.datt") into an
//         existing empty file (32720-byte blocks through one buffer, progress
//         after each block);
//   cp    `cp <setup file> <copy>` (the whole setup file: N MB + 5 KB) into
//         an existing empty file;
//   ref   (reference only) the range X..Y-1 copied in the kernel by one
//         copy_file_range loop without blocks or a user buffer, which is
//         what cp does on Linux: the floor no 32720-byte block copy through
//         a user buffer can reach.
// Rounds alternate the two; the minimum and the median of each are printed
// with the ratio of the medians (goal: ours <= 1.2 x cp). The folder is
// removed at the end.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/stream.h"
#include "setup/package/PackageRanges.h"
#include "setup/package/PackageStaging.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Fnv {
  uint64_t h = 1469598103934665603ull;
  void Add(const char* p, size_t n) {
    for (size_t i = 0; i < n; ++i) h = (h ^ static_cast<unsigned char>(p[i])) * 1099511628211ull;
  }
};

std::string Trailer(int64_t x, int64_t y, int64_t s) {
  std::string t(400, '0');
  const std::string head = std::to_string(x) + "X" + std::to_string(y) + "Y";
  const std::string own = std::to_string(s - 400) + "X";
  t.replace(0, head.size(), head);
  t.replace(200, own.size(), own);
  t[299] = '0';
  t[349] = 'L';
  t[359] = '0';
  t[369] = 'D';
  return t;
}

// Writes the setup file; returns the checksum of the container bytes.
uint64_t MakeSetupFile(const std::string& path, int64_t container_size, int32_t& X,
                       int32_t& Y) {
  platform::TFileStream out(path, platform::FileMode::Create);
  const std::string image(4096, 'I');
  const std::string config =
      "[InstalSub]\r\nMeno=data.cab\r\nPocet=1\r\nTask8=0\r\n[SuboryProjekt]\r\n0=big.bin\r\n"
      "AdrZac0=1\r\nAdrKon0=" + std::to_string(container_size) + "\r\n";
  X = static_cast<int32_t>(image.size() + 1);
  Y = static_cast<int32_t>(X + container_size);
  out.WriteBuffer(image.data(), static_cast<int64_t>(image.size()));
  out.WriteBuffer("\xB6", 1);
  Fnv sum;
  std::vector<char> chunk(1 << 20);
  uint64_t x = 0x9E3779B97F4A7C15ull;
  for (int64_t done = 0; done < container_size;) {
    const int64_t n = std::min<int64_t>(static_cast<int64_t>(chunk.size()), container_size - done);
    for (int64_t i = 0; i < n; i += 8) {
      x ^= x << 13;
      x ^= x >> 7;
      x ^= x << 17;
      std::memcpy(chunk.data() + i, &x, static_cast<size_t>(std::min<int64_t>(8, n - i)));
    }
    sum.Add(chunk.data(), static_cast<size_t>(n));
    out.WriteBuffer(chunk.data(), n);
    done += n;
  }
  out.WriteBuffer("\0", 1);
  out.WriteBuffer(config.data(), static_cast<int64_t>(config.size()));
  const int64_t s = int64_t{Y} + 1 + static_cast<int64_t>(config.size()) + 400;
  const std::string trailer = Trailer(X, Y, s);
  out.WriteBuffer(trailer.data(), 400);
  return sum.h;
}

uint64_t FileChecksum(const std::string& path) {
  platform::TFileStream in(path, platform::FileMode::OpenRead);
  std::vector<char> buf(1 << 20);
  Fnv sum;
  for (int64_t n; (n = in.Read(buf.data(), static_cast<int64_t>(buf.size()))) > 0;)
    sum.Add(buf.data(), static_cast<size_t>(n));
  return sum.h;
}

void CreateEmpty(const std::string& path) {
  platform::TFileStream f(path, platform::FileMode::Create);
}

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

double TimeOurs(const std::string& setup_path, int32_t X, int32_t Y, const std::string& target,
                int& last_progress, int& progress_calls) {
  CreateEmpty(target);
  last_progress = -1;
  progress_calls = 0;
  const auto t0 = Clock::now();
  setup::StageContainer(setup_path, X, Y, target, [&](int p) {
    last_progress = p;
    ++progress_calls;
  });
  return Seconds(t0, Clock::now());
}

double TimeCp(const std::string& setup_path, const std::string& target) {
  CreateEmpty(target);
  const char* argv[] = {"cp", setup_path.c_str(), target.c_str(), nullptr};
  const auto t0 = Clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, "cp", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
    std::fprintf(stderr, "cannot start cp\n");
    std::exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  const double t = Seconds(t0, Clock::now());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "cp failed\n");
    std::exit(1);
  }
  return t;
}

// Reference only (not a way the setup copies): the same range X..Y-1 copied
// by the kernel in one copy_file_range loop, with no user buffer and no
// blocks: what `cp` itself does on this file system.
double TimeKernelCopy(const std::string& setup_path, int32_t X, int32_t Y,
                      const std::string& target) {
  CreateEmpty(target);
  const int in = open(setup_path.c_str(), O_RDONLY | O_CLOEXEC);
  const int out = open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (in < 0 || out < 0) {
    std::perror("open");
    std::exit(1);
  }
  const auto t0 = Clock::now();
  loff_t off = X;
  int64_t left = int64_t{Y} - X;
  while (left > 0) {
    const ssize_t n = copy_file_range(in, &off, out, nullptr, static_cast<size_t>(left), 0);
    if (n <= 0) {
      std::perror("copy_file_range");
      std::exit(1);
    }
    left -= n;
  }
  const double t = Seconds(t0, Clock::now());
  close(in);
  close(out);
  return t;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int64_t size_mb = 100;
  int runs = 7;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--size-mb") == 0) size_mb = std::atoll(argv[i + 1]);
    else if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);
  }
  if (size_mb < 1 || size_mb > 2000 || runs < 1) {
    std::fprintf(stderr, "usage: bench_staging [--size-mb 1..2000] [--runs R]\n");
    return 2;
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/bench_staging_XXXXXX";
  if (!mkdtemp(tmpl.data())) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string dir = tmpl + "/";
  const std::string setup_path = dir + "setup";
  const std::string ours_target = dir + setup::kStagedContainerName;
  const std::string cp_target = dir + "setup.cp";
  const int64_t container_size = size_mb << 20;

  std::printf("bench_staging: container of %lld MB (%lld bytes), %d rounds, folder %s\n",
              static_cast<long long>(size_mb), static_cast<long long>(container_size), runs,
              dir.c_str());
  int32_t X = 0, Y = 0;
  const auto g0 = Clock::now();
  const uint64_t expected = MakeSetupFile(setup_path, container_size, X, Y);
  std::printf("setup file made in %.2f s: %lld bytes, X=%d Y=%d\n", Seconds(g0, Clock::now()),
              static_cast<long long>(platform::FileSize(setup_path)), X, Y);

  // The range as the setup reads it.
  const auto range = setup::ReadPackageRange(setup_path);
  if (range.X != X || range.Y != Y) {
    std::fprintf(stderr, "range read back wrong\n");
    return 1;
  }

  // Warm-up (untimed): both read the whole setup file into the page cache.
  int last = 0, calls = 0;
  TimeOurs(setup_path, X, Y, ours_target, last, calls);
  TimeCp(setup_path, cp_target);
  const bool ok = FileChecksum(ours_target) == expected &&
                  platform::FileSize(ours_target) == container_size && last == 100;
  const int64_t blocks = (container_size + setup::kCopyBlockSize - 1) / setup::kCopyBlockSize;
  std::printf("staged copy %s (%lld blocks of 32720, %d progress calls, last %d%%)\n",
              ok ? "verified" : "WRONG", static_cast<long long>(blocks), calls, last);
  if (!ok) return 1;

  std::vector<double> ours, cp, kernel;
  for (int r = 0; r < runs; ++r) {
    // Alternate which goes first so neither always follows the other.
    if (r % 2 == 0) {
      ours.push_back(TimeOurs(setup_path, X, Y, ours_target, last, calls));
      cp.push_back(TimeCp(setup_path, cp_target));
    } else {
      cp.push_back(TimeCp(setup_path, cp_target));
      ours.push_back(TimeOurs(setup_path, X, Y, ours_target, last, calls));
    }
    kernel.push_back(TimeKernelCopy(setup_path, X, Y, ours_target));
    std::printf("  round %2d: ours %7.1f ms   cp %7.1f ms   (kernel copy %7.1f ms)\n", r + 1,
                ours.back() * 1e3, cp.back() * 1e3, kernel.back() * 1e3);
  }

  const double mb = static_cast<double>(container_size) / (1 << 20);
  const double ours_med = Median(ours), cp_med = Median(cp);
  const double ours_min = *std::min_element(ours.begin(), ours.end());
  const double cp_min = *std::min_element(cp.begin(), cp.end());
  std::printf("\n%-34s %10s %10s %12s\n", "", "median ms", "min ms", "MB/s (med)");
  std::printf("%-34s %10.1f %10.1f %12.0f\n", "ours: StageContainer (32720 B)", ours_med * 1e3,
              ours_min * 1e3, mb / ours_med);
  std::printf("%-34s %10.1f %10.1f %12.0f\n", "cp (whole setup file)", cp_med * 1e3,
              cp_min * 1e3, mb / cp_med);
  const double ratio = ours_med / cp_med;
  std::printf("%-34s %10.1f %10.1f %12.0f\n", "ref: copy_file_range, no blocks", Median(kernel) * 1e3,
              *std::min_element(kernel.begin(), kernel.end()) * 1e3, mb / Median(kernel));
  std::printf("\nratio ours / cp (medians): %.2f   (min/min: %.2f)   goal <= 1.20: %s\n", ratio,
              ours_min / cp_min, ratio <= 1.2 ? "met" : "NOT met");

  platform::DeleteFile(ours_target);
  platform::DeleteFile(cp_target);
  platform::DeleteFile(setup_path);
  rmdir(tmpl.c_str());
  return 0;
}
