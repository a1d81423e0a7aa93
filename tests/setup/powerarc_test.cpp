// The PowerArc container stream, the module registry with our own XOR test
// module libraries, the worker thread and pipe path, and the file-to-file
// decompression the setup runs.
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <vector>

#include "archive_test_data.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/stream.h"
#include "setup/archive/DecompressPowerArcFile.h"
#include "setup/archive/PowerArc.h"
#include "setup/archive/PowerArcModules.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using archive_test::BzipContainer;
using archive_test::Drain;
using archive_test::MakeNoise;
using archive_test::MakePayload;
using archive_test::XorContainer;
using platform::SeekOrigin;
using platform::TMemoryStream;
using setup::EBZCompressionError;
using setup::EBZip2Error;
using setup::EPowerArcError;
using setup::TModuleRegistry;
using setup::TPowerArcDecompressStream;

std::string IdOf(const setup::TPowerArcModule& module) {
  return std::string(module.Info->ModuleId, POWERARC_MODULE_ID_LENGTH);
}

// True while the library at path is loaded in this process.
bool LibraryIsLoaded(const char* path) {
  void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  dlclose(handle);
  return true;
}

// A source that fails with an I/O error once failAt bytes have been read.
class TFailingStream : public TMemoryStream {
 public:
  TFailingStream(std::string bytes, int64_t failAt) : TMemoryStream(std::move(bytes)), failAt_(failAt) {}
  int64_t Read(void* buffer, int64_t count) override {
    if (Position() >= failAt_) throw platform::EInOutError("Read error on file \"source\"");
    return TMemoryStream::Read(buffer, std::min(count, failAt_ - Position()));
  }

 private:
  int64_t failAt_;
};

// Runs fn; a call that has not returned within the limit fails the test and
// ends the test program rather than hanging it.
template <typename Fn>
void FinishesWithin(std::chrono::seconds limit, Fn fn) {
  auto done = std::async(std::launch::async, fn);
  if (done.wait_for(limit) != std::future_status::ready) {
    ADD_FAILURE() << "still running after " << limit.count() << " s";
    std::_Exit(1);
  }
  done.get();
}

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/powerarc-test-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// --- The container stream with the built-in module ----------------------

TEST(PowerArcDecompressStream, BuiltInModuleYieldsThePayloadThenZero) {
  TModuleRegistry registry;
  const std::string payload = MakePayload(100000);
  TMemoryStream source(BzipContainer(payload));
  TPowerArcDecompressStream stream(registry, source);
  std::vector<int64_t> totals;
  stream.OnProgress = [&totals](int64_t total) { totals.push_back(total); };
  EXPECT_EQ(stream.ModuleIndex(), 0);

  const auto drained = Drain(stream);
  EXPECT_EQ(drained.last, 0);
  EXPECT_TRUE(drained.bytes == payload);
  EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), 100000);
  ASSERT_FALSE(totals.empty());
  EXPECT_EQ(totals.back(), 100000);
}

TEST(PowerArcDecompressStream, UnknownOrShortIdentifierIsRejected) {
  TModuleRegistry registry;
  const std::string stream = archive_test::Bzip2("payload");
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty container", ""},
      {"four bytes", "BZIP"},
      {"seven bytes", "BZIP000"},
      {"unknown identifier", "ZZZZ0001" + stream},
      {"identifier in other case", "bzip0001" + stream},
      {"module not loaded", XorContainer("TEST0001", "payload")},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    TMemoryStream source(bytes);
    try {
      TPowerArcDecompressStream s(registry, source);
      ADD_FAILURE() << "accepted";
    } catch (const EPowerArcError& e) {
      EXPECT_STREQ(e.what(), "Invalid acrhive index");
    }
  }
}

TEST(PowerArcDecompressStream, ExtraByteAfterTheStreamFails) {
  TModuleRegistry registry;
  const std::string payload = MakePayload(20000);
  TMemoryStream source(BzipContainer(payload) + std::string(1, '\0'));
  TPowerArcDecompressStream stream(registry, source);
  std::string block(4096, '\0');
  std::string got;
  try {
    for (;;) {
      const int64_t n = stream.Read(block.data(), 4096);
      if (n <= 0) break;
      got.append(block.data(), static_cast<size_t>(n));
    }
    ADD_FAILURE() << "the extra byte went unnoticed";
  } catch (const EBZCompressionError& e) {
    EXPECT_STREQ(e.what(), "error -1");
  }
  EXPECT_EQ(got, payload.substr(0, got.size()));
  EXPECT_GT(got.size() + 4096, payload.size());
}

TEST(PowerArcDecompressStream, SeekAnswersOnlyThePositionQueryAndWriteFails) {
  TModuleRegistry registry;
  TMemoryStream source(BzipContainer(MakePayload(20000)));
  TPowerArcDecompressStream stream(registry, source);
  std::string block(5000, '\0');
  ASSERT_EQ(stream.Read(block.data(), 5000), 5000);
  EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), 5000);
  for (auto [offset, origin] : {std::pair{int64_t{0}, SeekOrigin::Beginning},
                                {int64_t{1}, SeekOrigin::Current},
                                {int64_t{0}, SeekOrigin::End}}) {
    try {
      stream.Seek(offset, origin);
      ADD_FAILURE() << "seek " << offset << " succeeded";
    } catch (const EPowerArcError& e) {
      EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
  }
  try {
    stream.Write("x", 1);
    ADD_FAILURE() << "write succeeded";
  } catch (const EPowerArcError& e) {
    EXPECT_STREQ(e.what(), "Invalid stream operation");
  }
}

// --- The module registry --------------------------------------------------

TEST(ModuleRegistry, BuiltInModuleIsEntryZero) {
  TModuleRegistry registry;
  ASSERT_EQ(registry.Count(), 1);
  const auto& builtIn = registry.Module(0);
  EXPECT_EQ(builtIn.Name, "");
  EXPECT_FALSE(builtIn.Handle.Loaded());
  EXPECT_STREQ(builtIn.Info->Signature, "AA6F3C60-37D7-11D4-B4BF-D80DBEC04C01");
  EXPECT_STREQ(builtIn.Info->Name, "BZIP");
  EXPECT_EQ(std::string(builtIn.Info->Description).rfind("BWT Compression engine\r\n", 0), 0u);
  EXPECT_TRUE(builtIn.Options.empty());
  EXPECT_EQ(builtIn.Info->Reserved1, 209);
  EXPECT_EQ(builtIn.Info->Reserved2, 209);
  EXPECT_EQ(IdOf(builtIn), "BZIP0001");
  EXPECT_EQ(builtIn.Decompress, nullptr);
  EXPECT_EQ(builtIn.SetOptions, nullptr);
}

TEST(ModuleRegistry, NoOptionalLibrariesLeaveTheBuiltInModuleOnly) {
  TModuleRegistry registry;
  registry.LoadOptionalModules();
  ASSERT_EQ(registry.Count(), 1);
  const std::string payload = MakePayload(30000);
  TMemoryStream source(BzipContainer(payload));
  TPowerArcDecompressStream stream(registry, source);
  EXPECT_TRUE(Drain(stream).bytes == payload);
}

TEST(ModuleRegistry, UnfitLibrariesAreReleasedAndNotRegistered) {
  TempFolder temp;
  const std::string textFile = temp.File("PowerPPM.dll");
  platform::WriteFileBytes(textFile, "not a library\r\n");
  struct Case {
    const char* name;
    const char* path;
    int expected;
  };
  const std::vector<Case> cases = {
      {"no such file", "/nonexistent/PowerZIP.dll", -1},
      {"not a library", textFile.c_str(), -1},
      {"lacks GetPowerArcModuleInfo", MODLIB_NO_INFO, -1},
      {"wrong signature", MODLIB_BAD_SIGNATURE, -1},
      {"lacks Decompress", MODLIB_NO_DECOMPRESS, -1},
      // The built-in module keeps its identifier: the library's load answers
      // the built-in entry.
      {"identifier BZIP0001", MODLIB_BUILTIN_ID, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TModuleRegistry registry;
    EXPECT_EQ(registry.LoadModule(c.path), c.expected);
    EXPECT_EQ(registry.Count(), 1);
    EXPECT_FALSE(LibraryIsLoaded(c.path));
    EXPECT_EQ(IdOf(registry.Module(0)), "BZIP0001");
    EXPECT_EQ(registry.Module(0).Decompress, nullptr);
  }
}

TEST(ModuleRegistry, GoodLibraryIsAppendedOnceAndReleasedAtTearDown) {
  {
    TModuleRegistry registry;
    ASSERT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
    const auto& module = registry.Module(1);
    EXPECT_EQ(module.Name, MODLIB_GOOD);
    EXPECT_EQ(IdOf(module), "TEST0001");
    EXPECT_EQ(module.Options, (std::vector<std::string>{"key=tivra", "block=4096"}));
    EXPECT_NE(module.Decompress, nullptr);
    // A second library with the same identifier answers the first's entry.
    EXPECT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
    EXPECT_EQ(registry.LoadModule(MODLIB_THROWS), 2);
    EXPECT_EQ(registry.Count(), 3);
    EXPECT_EQ(registry.Find("TEST0002"), 2);
    EXPECT_TRUE(LibraryIsLoaded(MODLIB_GOOD));

    registry.Clear();
    EXPECT_EQ(registry.Count(), 0);
    EXPECT_FALSE(LibraryIsLoaded(MODLIB_GOOD));
    EXPECT_FALSE(LibraryIsLoaded(MODLIB_THROWS));
  }
  TModuleRegistry registry;
  ASSERT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
}

// Runs only in the child started by the test below, whose library search
// path holds the good module's folder and nothing else of ours.
TEST(ModuleRegistryStartup, DISABLED_LoadsPowerRankFoundByTheLibrarySearch) {
  TModuleRegistry registry;
  registry.LoadOptionalModules();
  ASSERT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.Module(1).Name, "PowerRANK.dll");
  EXPECT_EQ(IdOf(registry.Module(1)), "TEST0001");
  const std::string payload = MakePayload(20000);
  TMemoryStream source(XorContainer("TEST0001", payload));
  TPowerArcDecompressStream stream(registry, source);
  EXPECT_TRUE(Drain(stream).bytes == payload);
}

TEST(ModuleRegistryStartup, FindsTheOptionalLibrariesThroughTheLibrarySearchPath) {
  // The loader reads LD_LIBRARY_PATH when a program starts, so the search is
  // tried in a fresh copy of this test program.
  TempFolder temp;
  const std::string log = temp.File("child.log");
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "LD_LIBRARY_PATH=", 16) != 0) env.emplace_back(*e);
  }
  env.push_back("LD_LIBRARY_PATH=" + platform::ExtractFilePath(MODLIB_GOOD));
  std::vector<std::string> args = {
      platform::ExecutablePath(), "--gtest_also_run_disabled_tests",
      "--gtest_filter=ModuleRegistryStartup.DISABLED_LoadsPowerRankFoundByTheLibrarySearch"};
  std::vector<char*> argv, envp;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);

  std::ifstream in(log);
  const std::string output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
}

// --- External modules: the worker thread and the pipe ---------------------

TEST(PowerArcWorker, ExternalModuleDecodesThroughThePipe) {
  TModuleRegistry registry;
  ASSERT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
  // Far more than the pipe holds, so the worker blocks on a full pipe.
  const std::string payload = MakeNoise(200 * 1024);
  TMemoryStream source(XorContainer("TEST0001", payload));
  TPowerArcDecompressStream stream(registry, source);
  EXPECT_EQ(stream.ModuleIndex(), 1);
  std::vector<int64_t> totals;
  stream.OnProgress = [&totals](int64_t total) { totals.push_back(total); };

  EXPECT_EQ(stream.Read(nullptr, 0), 0);
  const auto drained = Drain(stream);
  EXPECT_EQ(drained.last, -1);
  EXPECT_TRUE(drained.bytes == payload);
  char more[8];
  EXPECT_EQ(stream.Read(more, sizeof more), -1);
  EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), static_cast<int64_t>(payload.size()));
  ASSERT_FALSE(totals.empty());
  EXPECT_EQ(totals.back(), static_cast<int64_t>(payload.size()));
  for (size_t i = 1; i < totals.size(); ++i) EXPECT_LT(totals[i - 1], totals[i]);
}

TEST(PowerArcWorker, FreeingTheStreamEarlyStopsTheWorker) {
  TModuleRegistry registry;
  ASSERT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
  const std::string payload = MakeNoise(200 * 1024);
  const std::string container = XorContainer("TEST0001", payload);
  TMemoryStream source(container);
  FinishesWithin(std::chrono::seconds(20), [&] {
    TPowerArcDecompressStream stream(registry, source);
    std::string block(5000, '\0');
    ASSERT_EQ(stream.Read(block.data(), 5000), 5000);
    EXPECT_EQ(block, payload.substr(0, 5000));
    // The worker now blocks on the full pipe; freeing the stream closes the
    // read end under it. Its next write fails (no SIGPIPE ends the program)
    // and the decoder stops.
  });
  EXPECT_LT(source.Position(), static_cast<int64_t>(container.size()))
      << "the decoder ran to the end of its input instead of stopping";
}

TEST(PowerArcWorker, DecoderFailureIsReportedNotTakenForTheEnd) {
  TModuleRegistry registry;
  ASSERT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
  ASSERT_EQ(registry.LoadModule(MODLIB_THROWS), 2);
  const std::string payload = MakePayload(100000);
  const std::string good = XorContainer("TEST0001", payload);
  struct Case {
    const char* name;
    std::unique_ptr<TMemoryStream> source;
  };
  std::vector<Case> cases;
  cases.push_back({"source fails under the decoder", std::make_unique<TFailingStream>(good, 50000)});
  cases.push_back({"decoder raises an exception",
                   std::make_unique<TMemoryStream>(XorContainer("TEST0002", payload))});
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPowerArcDecompressStream stream(registry, *c.source);
    std::string got;
    std::string block(4096, '\0');
    try {
      for (;;) {
        const int64_t n = stream.Read(block.data(), 4096);
        if (n <= 0) break;
        got.append(block.data(), static_cast<size_t>(n));
      }
      ADD_FAILURE() << "a partial payload of " << got.size() << " bytes passed as complete";
    } catch (const EPowerArcError& e) {
      EXPECT_STREQ(e.what(), "Decompression failed");
    }
    EXPECT_LT(got.size(), payload.size());
    EXPECT_EQ(got, payload.substr(0, got.size()));
  }
}

// --- File to file ----------------------------------------------------------

TEST(DecompressPowerArcFile, WritesThePayloadIntoANewFile) {
  TModuleRegistry registry;
  ASSERT_EQ(registry.LoadModule(MODLIB_GOOD), 1);
  TempFolder temp;
  const std::string payload = MakePayload(150000);
  struct Case {
    const char* name;
    std::string container;
  };
  const std::vector<Case> cases = {
      {"built-in module", BzipContainer(payload)},
      {"external module", XorContainer("TEST0001", payload)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::WriteFileBytes(temp.File("data.cab.datt"), c.container);
    // A longer file of the same name is replaced, not overwritten in part.
    platform::WriteFileBytes(temp.File("data.cab.dat"), std::string(400000, 'Q'));
    int64_t lastTotal = 0;
    const int64_t written = setup::DecompressPowerArcFile(
        registry, temp.File("data.cab.datt"), temp.File("data.cab.dat"),
        [&lastTotal](int64_t total) { lastTotal = total; });
    EXPECT_EQ(written, static_cast<int64_t>(payload.size()));
    EXPECT_EQ(lastTotal, static_cast<int64_t>(payload.size()));
    EXPECT_TRUE(platform::ReadFileBytes(temp.File("data.cab.dat")) == payload);
  }
}

TEST(DecompressPowerArcFile, DamagedOrMissingContainerFails) {
  TModuleRegistry registry;
  TempFolder temp;
  std::string damaged = BzipContainer(MakePayload(50000));
  damaged[damaged.size() / 2] ^= 0x20;
  platform::WriteFileBytes(temp.File("damaged"), damaged);
  EXPECT_THROW(setup::DecompressPowerArcFile(registry, temp.File("damaged"), temp.File("out")),
               EBZip2Error);
  platform::WriteFileBytes(temp.File("short"), "BZIP");
  EXPECT_THROW(setup::DecompressPowerArcFile(registry, temp.File("short"), temp.File("out")),
               EPowerArcError);
  EXPECT_THROW(setup::DecompressPowerArcFile(registry, temp.File("missing"), temp.File("out")),
               platform::EInOutError);
}

// --- Inputs kept from fuzzing ------------------------------------------------
// data/powerarc holds the fuzzer's minimised corpus, which reaches every
// error path of the stream; an input that ever crashes it goes there too.

TEST(PowerArcRegression, KeptFuzzInputsEndOrFailCleanly) {
  const fs::path folder = fs::path(TEST_DATA_DIR) / "powerarc";
  ASSERT_TRUE(fs::is_directory(folder));
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    TModuleRegistry registry;
    TMemoryStream source(platform::ReadFileBytes(entry.path().string()));
    // Under the sanitizers, any memory fault here ends the run; otherwise
    // every input either ends or fails with one of the stream's own errors.
    try {
      TPowerArcDecompressStream stream(registry, source);
      std::string block(4096, '\0');
      int64_t total = 0;
      while (total < (int64_t{64} << 20)) {
        const int64_t n = stream.Read(block.data(), 4096);
        if (n <= 0) break;
        total += n;
      }
    } catch (const EPowerArcError&) {
    } catch (const EBZip2Error&) {
    }
  }
  EXPECT_GT(files, 0);
}

}  // namespace
