// Decoding a 100 MB PowerArc container file to file, side by side with the
// bzip2 command-line tool on the same bzip2 stream, and the peak memory of a
// process that does nothing but the decoding.
//
//   bench_powerarc [benchmark flags]
//
// The container is made once and kept in /tmp/tivra-bench-powerarc/.
#include <bzlib.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/files.h"
#include "setup/archive/DecompressPowerArcFile.h"
#include "setup/archive/PowerArcModules.h"

extern char** environ;

namespace {

constexpr int64_t kPayloadSize = int64_t{100} << 20;
const std::string kFolder = "/tmp/tivra-bench-powerarc/";
const std::string kContainer = kFolder + "payload.pa";      // "BZIP0001" + stream
const std::string kStream = kFolder + "payload.bz2";        // the stream alone
const std::string kMeta = kFolder + "payload.meta";         // size and checksum
const std::string kOursOut = kFolder + "out-ours.bin";
const std::string kToolOut = kFolder + "out-bzip2.bin";
const std::string kFormat = "v1";

struct TFnv {
  uint64_t h = 1469598103934665603ull;
  void Add(const char* p, size_t n) {
    for (size_t i = 0; i < n; ++i) h = (h ^ static_cast<unsigned char>(p[i])) * 1099511628211ull;
  }
};

// Ticket-like text with numbers, interleaved with stretches of noise: it
// compresses to roughly a third.
class TPayloadMaker {
 public:
  void Fill(std::string& block) {
    block.clear();
    static const char* const kWords[] = {"Keno 10 ", "Loto 6-49 ", "Loto 5-35 ", "tiket ",
                                         "vyhra ",   "tah ",       "\r\n",        "00042>   "};
    while (block.size() < 1 << 20) {
      const uint32_t r = Next();
      if (r % 11 == 0) {
        for (int i = 0; i < 48; ++i) block.push_back(static_cast<char>(Next()));
      } else {
        block += kWords[r % 8];
        block += std::to_string(r % 100);
        block += ',';
      }
    }
  }

 private:
  uint32_t Next() {
    x_ ^= x_ << 13;
    x_ ^= x_ >> 17;
    x_ ^= x_ << 5;
    return x_;
  }
  uint32_t x_ = 2463534242u;
};

void WriteAll(FILE* f, const char* p, size_t n) {
  if (std::fwrite(p, 1, n, f) != n) throw std::runtime_error("cannot write the bench files");
}

std::string ReadMeta() {
  std::ifstream in(kMeta);
  std::string text;
  std::getline(in, text);
  return text;
}

// Makes the container and the bare stream unless they are already there.
// Returns the payload's checksum.
uint64_t PrepareContainer() {
  const std::string meta = ReadMeta();
  if (meta.rfind(kFormat + " ", 0) == 0 && platform::FileExists(kContainer) &&
      platform::FileExists(kStream)) {
    return std::stoull(meta.substr(kFormat.size() + 1));
  }
  platform::ForceDirectories(kFolder);
  std::fprintf(stderr, "making a %lld MB payload and its bzip2 stream in %s ...\n",
               static_cast<long long>(kPayloadSize >> 20), kFolder.c_str());
  FILE* out = std::fopen(kStream.c_str(), "wb");
  FILE* container = std::fopen(kContainer.c_str(), "wb");
  if (out == nullptr || container == nullptr) throw std::runtime_error("cannot create the bench files");
  WriteAll(container, "BZIP0001", 8);
  bz_stream bz{};
  if (BZ2_bzCompressInit(&bz, 9, 0, 0) != BZ_OK) throw std::runtime_error("bzip2 init");
  TPayloadMaker maker;
  TFnv fnv;
  std::string block;
  std::vector<char> buf(1 << 20);
  int64_t made = 0;
  while (made < kPayloadSize) {
    maker.Fill(block);
    block.resize(static_cast<size_t>(std::min<int64_t>(block.size(), kPayloadSize - made)));
    made += static_cast<int64_t>(block.size());
    fnv.Add(block.data(), block.size());
    bz.next_in = block.data();
    bz.avail_in = static_cast<unsigned>(block.size());
    while (bz.avail_in > 0) {
      bz.next_out = buf.data();
      bz.avail_out = static_cast<unsigned>(buf.size());
      if (BZ2_bzCompress(&bz, BZ_RUN) != BZ_RUN_OK) throw std::runtime_error("bzip2 run");
      WriteAll(out, buf.data(), buf.size() - bz.avail_out);
      WriteAll(container, buf.data(), buf.size() - bz.avail_out);
    }
  }
  for (int r = BZ_FINISH_OK; r != BZ_STREAM_END;) {
    bz.next_out = buf.data();
    bz.avail_out = static_cast<unsigned>(buf.size());
    r = BZ2_bzCompress(&bz, BZ_FINISH);
    if (r != BZ_FINISH_OK && r != BZ_STREAM_END) throw std::runtime_error("bzip2 finish");
    WriteAll(out, buf.data(), buf.size() - bz.avail_out);
    WriteAll(container, buf.data(), buf.size() - bz.avail_out);
  }
  BZ2_bzCompressEnd(&bz);
  if (std::fclose(out) != 0 || std::fclose(container) != 0) {
    throw std::runtime_error("cannot write the bench files");
  }
  std::ofstream(kMeta) << kFormat << " " << fnv.h << "\n";
  return fnv.h;
}

uint64_t FileChecksum(const std::string& path, int64_t& size) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) throw std::runtime_error("cannot open " + path);
  TFnv fnv;
  std::vector<char> buf(1 << 20);
  size = 0;
  for (size_t n; (n = std::fread(buf.data(), 1, buf.size(), f)) > 0;) {
    fnv.Add(buf.data(), n);
    size += static_cast<int64_t>(n);
  }
  std::fclose(f);
  return fnv.h;
}

// Runs a program with its standard output into outPath (kept when empty) and
// returns its resource use.
rusage RunChild(std::vector<std::string> args, const std::string& outPath) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!outPath.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    throw std::runtime_error("cannot start " + args[0]);
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(args[0] + " failed");
  }
  return usage;
}

double CpuSeconds(const rusage& u) {
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Peak memory of a program, in kB, measured from a freshly started copy of
// this bench program that does nothing but start it. A process's peak counts
// the memory of the process it was forked from, so the measuring parent must
// be small; this one's own figures do not count.
long PeakMemoryKb(const std::vector<std::string>& args, const std::string& outPath) {
  const std::string report = kFolder + "peak.txt";
  std::vector<std::string> launcher = {platform::ExecutablePath(), "--peak-of", outPath};
  launcher.insert(launcher.end(), args.begin(), args.end());
  RunChild(launcher, report);
  std::ifstream in(report);
  long kb = -1;
  in >> kb;
  std::remove(report.c_str());
  return kb;
}

// The launcher side of PeakMemoryKb: runs the program with its output into
// outPath, then prints its peak resident memory in kB.
int PeakOf(const char* outPath, char** argv) {
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    const int fd = open(outPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || dup2(fd, 1) < 0) _exit(127);
    close(fd);
    execvp(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return 1;
  }
  std::printf("%ld\n", usage.ru_maxrss);
  return 0;
}

void BM_DecompressPowerArcFile(benchmark::State& state) {
  const setup::TModuleRegistry registry;
  for (auto _ : state) {
    const int64_t n = setup::DecompressPowerArcFile(registry, kContainer, kOursOut);
    if (n != kPayloadSize) state.SkipWithError("wrong payload size");
  }
  state.SetBytesProcessed(state.iterations() * kPayloadSize);
}

void BM_Bzip2Tool(benchmark::State& state) {
  double cpu = 0;
  for (auto _ : state) cpu += CpuSeconds(RunChild({"bzip2", "-dc", kStream}, kToolOut));
  state.SetBytesProcessed(state.iterations() * kPayloadSize);
  // The work runs in a child, which the benchmark's own CPU clock misses.
  state.counters["child_cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// Prints as usual and keeps the fastest wall and CPU time of each benchmark.
// The fastest run is the one least disturbed by other work on the machine.
class TBestTimes : public benchmark::ConsoleReporter {
 public:
  struct TBest {
    double wall = 0;
    double cpu = 0;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      const double n = static_cast<double>(run.iterations);
      const auto child = run.counters.find("child_cpu_s");
      const double wall = run.real_accumulated_time / n;
      const double cpu = child != run.counters.end() ? child->second.value
                                                     : run.cpu_accumulated_time / n;
      auto [it, fresh] = best_.emplace(run.run_name.function_name, TBest{wall, cpu});
      if (!fresh) {
        it->second.wall = std::min(it->second.wall, wall);
        it->second.cpu = std::min(it->second.cpu, cpu);
      }
    }
  }
  TBest Best(const std::string& name) const {
    const auto it = best_.find(name);
    return it == best_.end() ? TBest{} : it->second;
  }

 private:
  std::map<std::string, TBest> best_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "--peak-of") == 0) return PeakOf(argv[2], argv + 3);
  // The child that the memory measurement starts: decoding and nothing else.
  if (argc == 4 && std::strcmp(argv[1], "--decode-only") == 0) {
    const setup::TModuleRegistry registry;
    return setup::DecompressPowerArcFile(registry, argv[2], argv[3]) == kPayloadSize ? 0 : 1;
  }

  const uint64_t expected = PrepareContainer();
  // The two sides take turns, so that other work on the machine falls on
  // both alike.
  std::vector<char*> args(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave.data());
  int argCount = static_cast<int>(args.size());
  benchmark::Initialize(&argCount, args.data());
  benchmark::RegisterBenchmark("DecompressPowerArcFile/100MB", BM_DecompressPowerArcFile)
      ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
  benchmark::RegisterBenchmark("bzip2 -dc/100MB", BM_Bzip2Tool)
      ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
  TBestTimes reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  int failures = 0;
  for (const std::string& out : {kOursOut, kToolOut}) {
    int64_t size = 0;
    const bool same = platform::FileExists(out) && FileChecksum(out, size) == expected &&
                      size == kPayloadSize;
    std::printf("%-40s %s\n", out.c_str(), same ? "matches the payload" : "DIFFERS from the payload");
    failures += same ? 0 : 1;
  }

  const auto ours = reporter.Best("DecompressPowerArcFile/100MB");
  const auto tool = reporter.Best("bzip2 -dc/100MB");
  if (ours.wall > 0 && tool.wall > 0) {
    std::printf("decoding 100 MB, best of the runs (goal: ratio <= 1.10):\n"
                "  wall: ours %.3f s, bzip2 -dc %.3f s, ratio %.3f\n"
                "  cpu:  ours %.3f s, bzip2 -dc %.3f s, ratio %.3f\n",
                ours.wall, tool.wall, ours.wall / tool.wall, ours.cpu, tool.cpu,
                ours.cpu / tool.cpu);
  }
  const long oursKb =
      PeakMemoryKb({platform::ExecutablePath(), "--decode-only", kContainer, kOursOut}, "/dev/null");
  const long toolKb = PeakMemoryKb({"bzip2", "-dc", kStream}, kToolOut);
  std::printf("peak memory while decoding (goal < 32 MB): ours %.1f MB, bzip2 -dc %.1f MB\n",
              oursKb / 1024.0, toolKb / 1024.0);
  std::remove(kOursOut.c_str());
  std::remove(kToolOut.c_str());
  return failures == 0 ? 0 : 1;
}
