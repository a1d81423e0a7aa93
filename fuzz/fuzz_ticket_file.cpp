// Fuzzes the reading of ticket files: any bytes either give a list or a
// ticket-file error, and a list that was read is written and read back to the
// same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tivra/ticket_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  try {
    lines = tivra::ParseTicketFile(platform::SplitLines(bytes));
  } catch (const tivra::ETicketFileError&) {
    return 0;
  }
  const auto again = tivra::ParseTicketFile(platform::SplitLines(tivra::FormatTicketFile(lines)));
  if (again != lines) std::abort();
  return 0;
}
