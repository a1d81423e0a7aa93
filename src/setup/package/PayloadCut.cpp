#include "setup/package/PayloadCut.h"

#include "platform/convert.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PackageStaging.h"

namespace setup {
namespace {

int64_t SizeOf(platform::TStream& s) { return s.Seek(0, platform::SeekOrigin::End); }

}  // namespace

void CheckPayloadRange(int64_t adr_zac, int64_t adr_kon, int64_t payload_size) {
  const std::string range =
      platform::IntToStr(adr_zac) + ".." + platform::IntToStr(adr_kon);
  if (adr_zac < 1) throw EPackageError("Payload range " + range + " starts below 1");
  if (adr_kon < adr_zac - 1) throw EPackageError("Payload range " + range + " is inverted");
  if (adr_kon > payload_size)
    throw EPackageError("Payload range " + range + " passes the payload's end (" +
                        platform::IntToStr(payload_size) + " bytes)");
}

void CutRange(platform::TStream& payload, int64_t adr_zac, int64_t adr_kon,
              platform::TStream& out) {
  CheckPayloadRange(adr_zac, adr_kon, SizeOf(payload));
  payload.Seek(adr_zac - 1, platform::SeekOrigin::Beginning);
  CopyBlocks(payload, out, adr_kon - adr_zac + 1);
}

void CutEntry(platform::TStream& payload, const ZaznamProg& entry, platform::TStream& out) {
  CutRange(payload, entry.AdrZac, entry.AdrKon, out);
}

void CutEntryToFile(const std::string& payload_path, const ZaznamProg& entry,
                    const std::string& out_path) {
  platform::TFileStream payload(payload_path, platform::FileMode::OpenRead);
  CheckPayloadRange(entry.AdrZac, entry.AdrKon, SizeOf(payload));
  platform::TFileStream out(out_path, platform::FileMode::Create);
  CutEntry(payload, entry, out);
}

std::string ReadLicenceText(platform::TStream& payload, int32_t first_entry_adr_zac) {
  platform::TMemoryStream out;
  CutRange(payload, 1, static_cast<int64_t>(first_entry_adr_zac) - 1, out);
  return out.Bytes();
}

std::string ReadLicenceText(const std::string& payload_path, int32_t first_entry_adr_zac) {
  platform::TFileStream payload(payload_path, platform::FileMode::OpenRead);
  return ReadLicenceText(payload, first_entry_adr_zac);
}

void ExtractLicenceToFile(const std::string& payload_path, int32_t first_entry_adr_zac,
                          const std::string& out_path) {
  platform::TFileStream payload(payload_path, platform::FileMode::OpenRead);
  CheckPayloadRange(1, static_cast<int64_t>(first_entry_adr_zac) - 1, SizeOf(payload));
  platform::TFileStream out(out_path, platform::FileMode::Create);
  CutRange(payload, 1, static_cast<int64_t>(first_entry_adr_zac) - 1, out);
}

}  // namespace setup
