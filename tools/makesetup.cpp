// makesetup: makes a setup package from a setup program
// image, a licence text and a list of files.
//
//   makesetup --image setup --licence licence.txt --out setup_tivra
//             --method 2 --title "TIVRA 1.0" --subtitle "..."
//             --defdir 'TIVRA 1.0\' --lic licencia
//             --file 'manual\manual.html=docs/manual.html'
//             --file 'tivra.exe=build/tivra' --pf '1=Tivra 1.0'
//   (one command line; the options may come in any order)
//
// Texts on the command line are UTF-8; they go into the configuration as
// Windows-1250. Run with --help for every option.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "packbuilder/PackageBuilder.h"
#include "platform/convert.h"
#include "platform/cp1250.h"
#include "platform/files.h"

namespace {

const char kUsage[] =
    "usage: makesetup [options]\n"
    "\n"
    "Output (one of):\n"
    "  --out FILE           embedded form: write the setup file FILE\n"
    "                       (image + container + configuration + trailer)\n"
    "  --side-dir DIR       side-file form: write DIR/install.dat and DIR/<Meno>;\n"
    "                       with --image, also copy the image into DIR\n"
    "\n"
    "Contents:\n"
    "  --image FILE         the setup program image (required for --out)\n"
    "  --licence FILE       licence text (payload bytes before entry 0)\n"
    "  --file P=HOST        a program file (Pocet group): package path P (folders\n"
    "                       separated by '\\'), bytes from host file HOST\n"
    "  --windows-file P=HOST  a file for the Windows folder (WRP group)\n"
    "  --system-file P=HOST   a file for the system folder (WSP group)\n"
    "  --method 0|1|2       0 stored, 1 LZRW1/KH blocks, 2 PowerArc/bzip2 (default 2)\n"
    "\n"
    "Configuration ([InstalSub] unless said):\n"
    "  --meno NAME          payload name (default data.cab)\n"
    "  --title TEXT         MenoTitul\n"
    "  --subtitle TEXT      NText\n"
    "  --defdir DIR         DefDir, e.g. 'TIVRA 1.0\\'\n"
    "  --languages LIST     [LG] languages offered, e.g. SK,CZ,EN (default all three)\n"
    "  --lic VALUE          Lic ('licencia' asks for the licence)\n"
    "  --task4 V --task10 V --task17 V --task18 V\n"
    "  --pf N=NAME          program-group shortcut to entry N (PF/PFM), repeatable\n"
    "  --pl N=NAME          desktop shortcut to entry N (PL/PLM), repeatable\n"
    "  --tmp NAME           a [TMP] file for the uninstaller, repeatable\n"
    "  --image-filler HEX   byte at X-1 (default B6)\n"
    "  --container-filler HEX  byte at Y (default 00)\n";

struct Failure {
  std::string text;
};

std::string Cp(const std::string& utf8) { return platform::Utf8ToCp1250(utf8); }

// "A=B" split at the first '='.
void SplitPair(const std::string& arg, const char* option, std::string& a, std::string& b) {
  const auto eq = arg.find('=');
  if (eq == std::string::npos || eq == 0)
    throw Failure{std::string(option) + " wants VALUE=VALUE, got '" + arg + "'"};
  a = arg.substr(0, eq);
  b = arg.substr(eq + 1);
}

packbuilder::PackageFile ReadFileArg(const std::string& arg, const char* option) {
  std::string path, host;
  SplitPair(arg, option, path, host);
  packbuilder::PackageFile f;
  f.payloadPath = Cp(path);
  f.bytes = platform::ReadFileBytes(host);
  return f;
}

packbuilder::Shortcut ReadShortcutArg(const std::string& arg, const char* option) {
  std::string entry, name;
  SplitPair(arg, option, entry, name);
  const auto n = platform::TryStrToInt(entry);
  if (!n || *n < 0) throw Failure{std::string(option) + ": '" + entry + "' is no entry number"};
  return packbuilder::Shortcut{*n, Cp(name)};
}

unsigned char ReadHexByte(const std::string& arg, const char* option) {
  char* end = nullptr;
  const unsigned long v = std::strtoul(arg.c_str(), &end, 16);
  if (arg.empty() || *end != '\0' || v > 255)
    throw Failure{std::string(option) + ": '" + arg + "' is no byte in hexadecimal"};
  return static_cast<unsigned char>(v);
}

int Run(int argc, char** argv) {
  packbuilder::PackageInput in;
  in.method = setup::PayloadMethod::PowerArc;
  auto& s = in.settings;
  std::string out, side_dir, image_path;
  bool have_licence = false;

  for (int i = 1; i < argc; ++i) {
    const std::string opt = argv[i];
    if (opt == "--help" || opt == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= argc) throw Failure{"option " + opt + " needs a value (see --help)"};
    const std::string v = argv[++i];
    const char* o = opt.c_str();
    if (opt == "--out") out = v;
    else if (opt == "--side-dir") side_dir = v;
    else if (opt == "--image") image_path = v;
    else if (opt == "--licence" || opt == "--license") {
      in.licence = platform::ReadFileBytes(v);
      have_licence = true;
    } else if (opt == "--file") in.programFiles.push_back(ReadFileArg(v, o));
    else if (opt == "--windows-file") in.windowsFiles.push_back(ReadFileArg(v, o));
    else if (opt == "--system-file") in.systemFiles.push_back(ReadFileArg(v, o));
    else if (opt == "--method") {
      if (v == "0") in.method = setup::PayloadMethod::Stored;
      else if (v == "1") in.method = setup::PayloadMethod::Lzrw1Blocks;
      else if (v == "2") in.method = setup::PayloadMethod::PowerArc;
      else throw Failure{"--method wants 0, 1 or 2"};
    } else if (opt == "--meno") s.Meno = Cp(v);
    else if (opt == "--title") s.MenoTitul = Cp(v);
    else if (opt == "--subtitle") s.NText = Cp(v);
    else if (opt == "--defdir") s.DefDir = Cp(v);
    else if (opt == "--languages") {
      s.SK = s.CZ = s.EN = false;
      size_t pos = 0;
      while (pos <= v.size()) {
        const auto comma = v.find(',', pos);
        const std::string lang =
            v.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        if (lang == "SK") s.SK = true;
        else if (lang == "CZ") s.CZ = true;
        else if (lang == "EN") s.EN = true;
        else if (!lang.empty()) throw Failure{"--languages: unknown language '" + lang + "'"};
        if (comma == std::string::npos) break;
        pos = comma + 1;
      }
    } else if (opt == "--lic") s.Lic = Cp(v);
    else if (opt == "--task4") s.Task4 = Cp(v);
    else if (opt == "--task10") s.Task10 = Cp(v);
    else if (opt == "--task17") s.Task17 = Cp(v);
    else if (opt == "--task18") s.Task18 = Cp(v);
    else if (opt == "--pf") s.PF.push_back(ReadShortcutArg(v, o));
    else if (opt == "--pl") s.PL.push_back(ReadShortcutArg(v, o));
    else if (opt == "--tmp") s.TMP.push_back(Cp(v));
    else if (opt == "--image-filler") in.imageFiller = ReadHexByte(v, o);
    else if (opt == "--container-filler") in.containerFiller = ReadHexByte(v, o);
    else throw Failure{"unknown option " + opt + " (see --help)"};
  }

  if (out.empty() == side_dir.empty()) throw Failure{"give exactly one of --out and --side-dir"};
  const size_t n_files = in.programFiles.size() + in.windowsFiles.size() + in.systemFiles.size();
  if (n_files == 0) throw Failure{"no files given (--file, --windows-file, --system-file)"};
  for (const auto* list : {&s.PF, &s.PL})
    for (const auto& sc : *list)
      if (static_cast<size_t>(sc.entry) >= n_files)
        throw Failure{"a shortcut points to entry " + std::to_string(sc.entry) +
                      ", but there are only " + std::to_string(n_files) + " entries"};
  if (!have_licence && s.Lic == "licencia")
    std::fputs("makesetup: warning: Lic=licencia without --licence: the licence is empty\n",
               stderr);
  if (!out.empty() && in.method == setup::PayloadMethod::Stored && s.Meno != "data.cab")
    std::fputs("makesetup: warning: a stored embedded package works only with Meno=data.cab\n",
               stderr);

  packbuilder::BuiltPackage p;
  if (!out.empty()) {
    if (image_path.empty()) throw Failure{"--out needs --image"};
    in.image = platform::ReadFileBytes(image_path);
    p = packbuilder::WriteEmbedded(in, out);
    // The setup file runs like the image did.
    std::filesystem::permissions(out, std::filesystem::status(image_path).permissions(),
                                 std::filesystem::perm_options::replace);
    std::printf("%s: %zu bytes, X=%d Y=%d, method %c, %zu entries, payload %zu bytes\n",
                out.c_str(), p.setupFile.size(), p.X, p.Y, packbuilder::MethodDigit(in.method),
                p.entries.size(), p.payload.size());
  } else {
    if (!platform::DirectoryExists(side_dir) && !platform::ForceDirectories(side_dir))
      throw Failure{"cannot create folder " + side_dir};
    p = packbuilder::WriteSideFiles(in, side_dir);
    if (!image_path.empty())  // keeps the image's permissions (executable)
      std::filesystem::copy_file(image_path,
                                 platform::IncludeTrailingDelimiter(side_dir) +
                                     platform::ExtractFileName(image_path),
                                 std::filesystem::copy_options::overwrite_existing);
    std::printf("%s: install.dat (%zu bytes) and %s (%zu bytes), method %c, %zu entries\n",
                side_dir.c_str(), p.config.size(), s.Meno.c_str(), p.container.size(),
                packbuilder::MethodDigit(in.method), p.entries.size());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const Failure& f) {
    std::fprintf(stderr, "makesetup: %s\n", f.text.c_str());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "makesetup: %s\n", e.what());
    return 1;
  }
}
