#pragma once
// Cutting the payload: entry i is the payload's bytes AdrZac i to
// AdrKon i, counted from 1, inclusive; the licence text is bytes 1 to
// AdrZac 0 - 1. Copies run in blocks of 32720 bytes through one buffer.
#include <cstdint>
#include <string>

#include "platform/stream.h"
#include "setup/package/PackageConfig.h"

namespace setup {

// Checks a 1-based inclusive range against a payload of payload_size bytes
// and raises setup::EPackageError when it starts below 1, is inverted
// (AdrKon < AdrZac - 1; AdrKon = AdrZac - 1 is an empty range) or passes the
// payload's end.
void CheckPayloadRange(int64_t adr_zac, int64_t adr_kon, int64_t payload_size);

// Copies bytes AdrZac..AdrKon of the payload into out (at its position).
// The range is checked first; nothing is written for a refused range.
void CutRange(platform::TStream& payload, int64_t adr_zac, int64_t adr_kon,
              platform::TStream& out);
void CutEntry(platform::TStream& payload, const ZaznamProg& entry, platform::TStream& out);
// The same between files: the payload opened read-only, the output created
// anew (only after the range was found good).
void CutEntryToFile(const std::string& payload_path, const ZaznamProg& entry,
                    const std::string& out_path);

// The licence text: the payload's bytes 1 to first_entry_adr_zac - 1.
// first_entry_adr_zac below 1 or beyond the payload's size + 1 raises
// setup::EPackageError.
std::string ReadLicenceText(platform::TStream& payload, int32_t first_entry_adr_zac);
std::string ReadLicenceText(const std::string& payload_path, int32_t first_entry_adr_zac);
// Writes the licence text into a file created anew ("Licencia.txt").
void ExtractLicenceToFile(const std::string& payload_path, int32_t first_entry_adr_zac,
                          const std::string& out_path);

}  // namespace setup
