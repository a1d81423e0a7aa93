#pragma once
// The ticket file: a saved ticket list as plain single-byte text with CR LF
// line ends. The first line is the number of ticket lines that follow, in
// decimal; then come the ticket lines in list order, exactly as held. There is
// no header, checksum or end marker.
//
// Reading takes the first line as the count n and then exactly n lines;
// anything after them is ignored and the lines are taken without any test of
// their form. A count of 0 or less gives an empty list. A file that is empty,
// whose first line is no integer, or that ends before n lines were read is no
// ticket file: reading it raises ETicketFileError.
#include <stdexcept>
#include <string>
#include <vector>

namespace tivra {

// A file does not hold a ticket list; the text says why.
class ETicketFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's bytes for a list: the count line, then every line, each with CR LF.
std::string FormatTicketFile(const std::vector<std::string>& lines);

// The ticket lines held in the lines of a ticket file.
std::vector<std::string> ParseTicketFile(const std::vector<std::string>& file_lines);

// Writes the list into `path`, replacing any file there (EInOutError on failure).
void WriteTicketFile(const std::string& path, const std::vector<std::string>& lines);

// Reads the list from `path` (EInOutError when it cannot be read,
// ETicketFileError, its text led by the path, when it holds no ticket list).
std::vector<std::string> ReadTicketFile(const std::string& path);

}  // namespace tivra
