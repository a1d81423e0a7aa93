// Decoding throughput of LZRW1/KH blocks against a plain memory copy of the
// same output.
//
// The payload is about 32 MB of a product-like mix (HTML-like text and
// executable-like binary data), cut into 32 KB blocks and compressed by the
// package builder's compressor. "Decode" turns every block back into the
// setup's 32783-byte output buffer; "Memcpy" copies each block's decoded
// bytes into the same buffer. Both count output bytes, so their rates compare
// directly; the summary prints both in GB/s (10^9 bytes) and their ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "packbuilder/lzrw1kh_compressor.h"
#include "setup/archive/LZRW1KH.h"

namespace {

constexpr std::size_t kBlockInput = 32768;
constexpr std::size_t kSegment = 64 * 1024;
constexpr std::size_t kTotal = 32 * 1024 * 1024;

// HTML-like text: tags, words of a small vocabulary, numbers, line ends.
void AppendText(std::string& out, std::size_t n, std::mt19937& gen) {
  static const char* const kWords[] = {
      "tiket", "loto", "keno", "cislo", "cisla", "zreb", "vyhra", "vklad", "generator",
      "zoznam", "subor", "tlacidlo", "okno", "hra", "kontrola", "vysledky", "archiv", "a",
      "na", "pre", "sa", "je", "v", "z", "do", "the", "ticket", "number", "draw"};
  static const char* const kTags[] = {"<p>", "</p>\r\n", "<li>", "</li>\r\n", "<b>", "</b>",
                                      "<td>", "</td>", "<tr>\r\n", "</tr>\r\n"};
  const std::size_t end = out.size() + n;
  while (out.size() < end) {
    const unsigned r = gen() % 100;
    if (r < 10) {
      out += kTags[gen() % std::size(kTags)];
    } else if (r < 15) {
      out += std::to_string(gen() % 100000);
      out += ' ';
    } else {
      out += kWords[gen() % std::size(kWords)];
      out += (r < 90) ? " " : ", ";
    }
  }
  out.resize(end);
}

// Executable-like binary: instruction-like byte groups from a small set with
// random operands, tables of little-endian integers, zero padding and some
// incompressible resource bytes.
void AppendBinary(std::string& out, std::size_t n, std::mt19937& gen) {
  static const char* const kOps[] = {"\x55\x8B\xEC", "\x8B\x45", "\x89\x45", "\xE8",
                                     "\x83\xC4", "\x5D\xC3", "\x6A", "\x8D\x4D", "\xFF\x15"};
  const std::size_t end = out.size() + n;
  while (out.size() < end) {
    const unsigned r = gen() % 100;
    if (r < 70) {
      for (int i = 0; i < 40; ++i) {
        out += kOps[gen() % std::size(kOps)];
        const int operands = static_cast<int>(gen() % 3);
        for (int k = 0; k < operands; ++k) out += static_cast<char>(gen() % 16);
      }
    } else if (r < 85) {
      uint32_t v = gen() % 0x10000 + 0x00400000;
      for (int i = 0; i < 64; ++i) {
        v += 4 + gen() % 64;
        out.append(reinterpret_cast<const char*>(&v), 4);
      }
    } else if (r < 95) {
      out.append(16 + gen() % 600, '\0');
    } else {
      for (int i = 0; i < 256; ++i) out += static_cast<char>(gen());
    }
  }
  out.resize(end);
}

struct Corpus {
  std::vector<std::string> blocks;   // compressed
  std::vector<std::string> decoded;  // the input of each block
  std::size_t output_bytes = 0;
  std::size_t compressed_bytes = 0;
};

const Corpus& GetCorpus() {
  static const Corpus corpus = [] {
    Corpus c;
    std::mt19937 gen(20240601);
    std::string payload;
    payload.reserve(kTotal);
    for (bool text = true; payload.size() < kTotal; text = !text) {
      const std::size_t n = std::min(kSegment, kTotal - payload.size());
      text ? AppendText(payload, n, gen) : AppendBinary(payload, n, gen);
    }
    for (std::size_t at = 0; at < payload.size(); at += kBlockInput) {
      c.decoded.push_back(payload.substr(at, kBlockInput));
      c.blocks.push_back(packbuilder::CompressLzrw1Block(c.decoded.back()));
      c.output_bytes += c.decoded.back().size();
      c.compressed_bytes += c.blocks.back().size();
    }
    return c;
  }();
  return corpus;
}

void SetRate(benchmark::State& state, std::size_t bytes_per_iteration) {
  const double bytes = static_cast<double>(bytes_per_iteration) * static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["GB/s"] = benchmark::Counter(bytes / 1e9, benchmark::Counter::kIsRate);
}

void BM_Lzrw1Decode(benchmark::State& state) {
  const Corpus& c = GetCorpus();
  std::vector<uint8_t> out(setup::kLzrw1BufferSize);
  for (auto _ : state) {
    for (const std::string& block : c.blocks) {
      const int n = setup::DecompressLzrw1Block(reinterpret_cast<const uint8_t*>(block.data()),
                                                block.size(), out.data(), out.size());
      if (n == setup::kLzrw1Failure) {
        state.SkipWithError("block did not decode");
        return;
      }
      benchmark::DoNotOptimize(out.data());
      benchmark::ClobberMemory();
    }
  }
  SetRate(state, c.output_bytes);
  state.counters["ratio %"] =
      100.0 * static_cast<double>(c.compressed_bytes) / static_cast<double>(c.output_bytes);
}
BENCHMARK(BM_Lzrw1Decode)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State& state) {
  const Corpus& c = GetCorpus();
  std::vector<uint8_t> out(setup::kLzrw1BufferSize);
  for (auto _ : state) {
    for (const std::string& plain : c.decoded) {
      std::memcpy(out.data(), plain.data(), plain.size());
      benchmark::DoNotOptimize(out.data());
      benchmark::ClobberMemory();
    }
  }
  SetRate(state, c.output_bytes);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// Shows the usual table and keeps every benchmark's GB/s for the summary.
class RateReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto it = run.counters.find("GB/s");
      // With repetitions, the median stands for the benchmark.
      const bool usable = run.run_type == Run::RT_Iteration
                              ? run.repetitions <= 1
                              : run.aggregate_name == "median";
      if (it != run.counters.end() && !run.error_occurred && usable) {
        rates_[run.run_name.function_name] = it->second.value;
      }
    }
  }
  const std::map<std::string, double>& Rates() const { return rates_; }

 private:
  std::map<std::string, double> rates_;
};

// Cross-checks every block once before timing, so a wrong decoder cannot
// post a figure.
bool VerifyCorpus() {
  const Corpus& c = GetCorpus();
  std::vector<uint8_t> out(setup::kLzrw1BufferSize);
  for (std::size_t i = 0; i < c.blocks.size(); ++i) {
    const std::string& block = c.blocks[i];
    const int n = setup::DecompressLzrw1Block(reinterpret_cast<const uint8_t*>(block.data()),
                                              block.size(), out.data(), out.size());
    if (n != static_cast<int>(c.decoded[i].size()) ||
        std::memcmp(out.data(), c.decoded[i].data(), c.decoded[i].size()) != 0) {
      std::fprintf(stderr, "block %zu does not decode to its input\n", i);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!VerifyCorpus()) return 1;
  const Corpus& c = GetCorpus();
  std::printf("payload %zu bytes in %zu blocks, compressed to %zu bytes (%.1f %%)\n",
              c.output_bytes, c.blocks.size(), c.compressed_bytes,
              100.0 * static_cast<double>(c.compressed_bytes) / static_cast<double>(c.output_bytes));
  RateReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto& rates = reporter.Rates();
  const auto decode = rates.find("BM_Lzrw1Decode");
  const auto copy = rates.find("BM_Memcpy");
  if (decode != rates.end()) std::printf("LZRW1/KH decode: %.2f GB/s\n", decode->second);
  if (copy != rates.end()) std::printf("memcpy:          %.2f GB/s\n", copy->second);
  if (decode != rates.end() && copy != rates.end() && copy->second > 0) {
    std::printf("decode / memcpy: %.3f\n", decode->second / copy->second);
  }
  return 0;
}
