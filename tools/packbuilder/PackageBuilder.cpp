#include "packbuilder/PackageBuilder.h"

#include <bzlib.h>

#include <algorithm>
#include <climits>
#include <map>

#include "platform/errors.h"
#include "platform/files.h"

#include "packbuilder/lzrw1kh_compressor.h"

namespace packbuilder {
namespace {

using setup::PayloadMethod;

static_assert(kLzrw1ChunkSize <= kLzrw1MaxBlockInput);

std::string Num(int64_t v) { return std::to_string(v); }

int32_t CheckedInt32(int64_t v, const char* what) {
  if (v < 0 || v > INT32_MAX)
    throw EBuildError(std::string("The package is too large: ") + what +
                      " does not fit 32 bits");
  return static_cast<int32_t>(v);
}

// Lines of one INI section, in order.
struct Section {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;
  void Add(const std::string& key, const std::string& value) { keys.emplace_back(key, value); }
};

std::vector<PackageFile> AllFiles(const PackageInput& input) {
  std::vector<PackageFile> files;
  files.reserve(input.programFiles.size() + input.windowsFiles.size() +
                input.systemFiles.size());
  for (const auto* group : {&input.programFiles, &input.windowsFiles, &input.systemFiles})
    files.insert(files.end(), group->begin(), group->end());
  return files;
}

// Payload, container and configuration: what both forms share.
BuiltPackage BuildCommon(const PackageInput& input) {
  BuiltPackage p;
  p.payload = BuildPayload(input.licence, AllFiles(input), p.entries);
  p.container = BuildContainer(p.payload, input.method, p.blockSizes);
  p.config = BuildConfig(input.settings, input.method,
                         static_cast<int32_t>(input.programFiles.size()),
                         static_cast<int32_t>(input.windowsFiles.size()),
                         static_cast<int32_t>(input.systemFiles.size()), p.entries,
                         p.blockSizes);
  return p;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return platform::IncludeTrailingDelimiter(folder) + name;
}

}  // namespace

char MethodDigit(PayloadMethod method) {
  switch (method) {
    case PayloadMethod::Stored: return '0';
    case PayloadMethod::Lzrw1Blocks: return '1';
    case PayloadMethod::PowerArc: return '2';
  }
  return '0';
}

std::string BuildPayload(const std::string& licence, const std::vector<PackageFile>& files,
                         std::vector<EntryLayout>& entries) {
  entries.clear();
  int64_t total = static_cast<int64_t>(licence.size());
  for (const auto& f : files) total += static_cast<int64_t>(f.bytes.size());
  CheckedInt32(total, "the payload");
  std::string payload;
  payload.reserve(static_cast<size_t>(total));
  payload += licence;
  for (const auto& f : files) {
    EntryLayout e;
    e.payloadPath = f.payloadPath;
    e.AdrZac = static_cast<int32_t>(payload.size() + 1);
    payload += f.bytes;
    e.AdrKon = static_cast<int32_t>(payload.size());
    entries.push_back(std::move(e));
  }
  return payload;
}

std::string CompressBzip2(std::string_view data) {
  bz_stream strm{};
  if (BZ2_bzCompressInit(&strm, 9, 0, 0) != BZ_OK)
    throw EBuildError("bzip2: cannot start compression");
  std::string out;
  out.resize(data.size() + data.size() / 100 + 1024);
  size_t in_done = 0;
  size_t out_done = 0;
  // libbz2 counts in unsigned int: feed the input in pieces.
  constexpr size_t kPiece = 1u << 30;
  int rc = BZ_RUN_OK;
  while (true) {
    const size_t in_piece = std::min(kPiece, data.size() - in_done);
    const bool last = in_done + in_piece == data.size();
    strm.next_in = const_cast<char*>(data.data() + in_done);
    strm.avail_in = static_cast<unsigned>(in_piece);
    if (out.size() - out_done < 65536) out.resize(out.size() * 2 + 65536);
    const size_t room = std::min(kPiece, out.size() - out_done);
    strm.next_out = out.data() + out_done;
    strm.avail_out = static_cast<unsigned>(room);
    rc = BZ2_bzCompress(&strm, last ? BZ_FINISH : BZ_RUN);
    in_done += in_piece - strm.avail_in;
    out_done += room - strm.avail_out;
    if (rc == BZ_STREAM_END) break;
    if (rc != BZ_RUN_OK && rc != BZ_FINISH_OK) {
      BZ2_bzCompressEnd(&strm);
      throw EBuildError("bzip2: compression failed with " + Num(rc));
    }
  }
  BZ2_bzCompressEnd(&strm);
  out.resize(out_done);
  return out;
}

std::string BuildContainer(std::string_view payload, PayloadMethod method,
                           std::vector<int32_t>& blockSizes) {
  blockSizes.clear();
  switch (method) {
    case PayloadMethod::Stored:
      return std::string(payload);
    case PayloadMethod::PowerArc:
      return "BZIP0001" + CompressBzip2(payload);
    case PayloadMethod::Lzrw1Blocks: {
      std::string out;
      size_t pos = 0;
      do {
        const size_t n = std::min(kLzrw1ChunkSize, payload.size() - pos);
        const std::string block = CompressLzrw1Block(payload.substr(pos, n));
        blockSizes.push_back(static_cast<int32_t>(block.size()));
        out += block;
        pos += n;
      } while (pos < payload.size());
      return out;
    }
  }
  throw EBuildError("Unknown payload method");
}

std::string BuildConfig(const PackageSettings& s, PayloadMethod method, int32_t pocet,
                        int32_t wrp, int32_t wsp, const std::vector<EntryLayout>& entries,
                        const std::vector<int32_t>& blockSizes) {
  std::vector<Section> sections;
  Section inst{"InstalSub", {}};
  inst.Add("Meno", s.Meno);
  if (!s.MenoTitul.empty()) inst.Add("MenoTitul", s.MenoTitul);
  if (!s.NText.empty()) inst.Add("NText", s.NText);
  if (!s.DefDir.empty()) inst.Add("DefDir", s.DefDir);
  inst.Add("Pocet", Num(pocet));
  inst.Add("WRP", Num(wrp));
  inst.Add("WSP", Num(wsp));
  inst.Add("TMP", Num(static_cast<int64_t>(s.TMP.size())));
  if (!s.Task4.empty()) inst.Add("Task4", s.Task4);
  inst.Add("Task8", std::string(1, MethodDigit(method)));
  if (!s.Task10.empty()) inst.Add("Task10", s.Task10);
  if (!s.Task17.empty()) inst.Add("Task17", s.Task17);
  if (!s.Task18.empty()) inst.Add("Task18", s.Task18);
  inst.Add("PF", Num(static_cast<int64_t>(s.PF.size())));
  for (size_t i = 0; i < s.PF.size(); ++i) {
    inst.Add("PF" + Num(static_cast<int64_t>(i)), Num(s.PF[i].entry));
    inst.Add("PFM" + Num(static_cast<int64_t>(i)), s.PF[i].name);
  }
  inst.Add("PL", Num(static_cast<int64_t>(s.PL.size())));
  for (size_t i = 0; i < s.PL.size(); ++i) {
    inst.Add("PL" + Num(static_cast<int64_t>(i)), Num(s.PL[i].entry));
    inst.Add("PLM" + Num(static_cast<int64_t>(i)), s.PL[i].name);
  }
  if (!s.Lic.empty()) inst.Add("Lic", s.Lic);
  sections.push_back(std::move(inst));

  Section lg{"LG", {}};
  lg.Add("SK", s.SK ? "1" : "0");
  lg.Add("CZ", s.CZ ? "1" : "0");
  lg.Add("EN", s.EN ? "1" : "0");
  sections.push_back(std::move(lg));

  Section files{"SuboryProjekt", {}};
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string n = Num(static_cast<int64_t>(i));
    files.Add(n, entries[i].payloadPath);
    files.Add("AdrZac" + n, Num(entries[i].AdrZac));
    files.Add("AdrKon" + n, Num(entries[i].AdrKon));
  }
  sections.push_back(std::move(files));

  if (!s.TMP.empty()) {
    Section tmp{"TMP", {}};
    for (size_t i = 0; i < s.TMP.size(); ++i) tmp.Add(Num(static_cast<int64_t>(i)), s.TMP[i]);
    sections.push_back(std::move(tmp));
  }

  if (method == PayloadMethod::Lzrw1Blocks) {
    Section sum{"SUM", {}};
    sum.Add("Pak", Num(static_cast<int64_t>(blockSizes.size())));
    sections.push_back(std::move(sum));
    Section pak{"PAK", {}};
    for (size_t i = 0; i < blockSizes.size(); ++i)
      pak.Add("NovPak" + Num(static_cast<int64_t>(i + 1)), Num(blockSizes[i]));
    sections.push_back(std::move(pak));
  }

  for (const auto& extra : s.extra) {
    auto it = std::find_if(sections.begin(), sections.end(),
                           [&](const Section& sec) { return sec.name == extra.section; });
    if (it == sections.end()) {
      sections.push_back(Section{extra.section, {}});
      it = sections.end() - 1;
    }
    it->Add(extra.key, extra.value);
  }

  std::string text;
  for (const auto& sec : sections) {
    text += "[" + sec.name + "]\r\n";
    for (const auto& [key, value] : sec.keys) text += key + "=" + value + "\r\n";
  }
  return text;
}

std::string BuildTrailer(int64_t X, int64_t Y, int64_t S, char methodDigit) {
  if (X < 0 || Y < X || S < kTrailerSize)
    throw EBuildError("Trailer: impossible range");
  std::string t(static_cast<size_t>(kTrailerSize), '0');
  const std::string head = Num(X) + "X" + Num(Y) + "Y";
  const std::string own = Num(S - kTrailerSize) + "X";
  t.replace(0, head.size(), head);
  t.replace(200, own.size(), own);
  t[299] = methodDigit;
  t[349] = 'L';
  t[359] = '0';
  t[369] = 'D';
  return t;
}

BuiltPackage BuildEmbedded(const PackageInput& input) {
  BuiltPackage p = BuildCommon(input);
  const int64_t x = static_cast<int64_t>(input.image.size()) + 1;
  const int64_t y = x + static_cast<int64_t>(p.container.size());
  const int64_t s = y + 1 + static_cast<int64_t>(p.config.size()) + kTrailerSize;
  p.X = CheckedInt32(x, "X");
  p.Y = CheckedInt32(y, "Y");
  CheckedInt32(s, "the setup file");
  p.trailer = BuildTrailer(x, y, s, MethodDigit(input.method));
  p.setupFile.reserve(static_cast<size_t>(s));
  p.setupFile += input.image;
  p.setupFile += static_cast<char>(input.imageFiller);
  p.setupFile += p.container;
  p.setupFile += static_cast<char>(input.containerFiller);
  p.setupFile += p.config;
  p.setupFile += p.trailer;
  return p;
}

BuiltPackage BuildSideFiles(const PackageInput& input) {
  BuiltPackage p = BuildCommon(input);
  if (input.padSideConfig && p.config.size() < 400) {
    const size_t fill = 400 - p.config.size();  // ";" + dashes + CR LF
    p.config += ";" + std::string(fill > 3 ? fill - 3 : 0, '-') + "\r\n";
  }
  return p;
}

BuiltPackage WriteEmbedded(const PackageInput& input, const std::string& path) {
  BuiltPackage p = BuildEmbedded(input);
  try {
    platform::WriteFileBytes(path, p.setupFile);
  } catch (const platform::EInOutError& e) {
    throw EBuildError(e.what());
  }
  return p;
}

BuiltPackage WriteSideFiles(const PackageInput& input, const std::string& folder) {
  BuiltPackage p = BuildSideFiles(input);
  if (input.settings.Meno.empty() || input.settings.Meno == "install.dat")
    throw EBuildError("The side-file form needs a payload name (Meno) other than install.dat");
  try {
    platform::WriteFileBytes(JoinPath(folder, "install.dat"), p.config);
    platform::WriteFileBytes(JoinPath(folder, input.settings.Meno), p.container);
  } catch (const platform::EInOutError& e) {
    throw EBuildError(e.what());
  }
  return p;
}

}  // namespace packbuilder
