#pragma once
// The text form of a ticket: one line of single-byte text made of a
// nine-character prefix (five-character serial, a marker, three spaces) and
// the ticket's numbers joined by ",". Every reader takes the numbers from the
// tenth character on.
#include <string>
#include <vector>

namespace tivra {

constexpr char kGeneratedMarker = '>';  // a ticket made by the generator
constexpr char kOwnMarker = '*';        // a ticket typed in by the player

constexpr size_t kSerialWidth = 5;
constexpr size_t kPrefixLength = 9;  // the numbers start at the 10th character

// The prefix for a serial text: the text left-filled with "0" to five
// characters, the marker, three spaces. A text longer than five characters
// keeps its first five, so the numbers always start at the tenth character.
std::string SerialPrefix(const std::string& serial, char marker);

// The prefix for a serial number (decimal, no sign). A number beyond five
// digits keeps its last five, counting on from 00000 like an odometer.
std::string SerialPrefix(int serial, char marker);

// The numbers in decimal joined by "," (no spaces, no trailing comma).
std::string NumbersText(const std::vector<int>& numbers);

// A whole ticket line.
std::string TicketLine(int serial, char marker, const std::vector<int>& numbers);
std::string TicketLine(const std::string& serial, char marker, const std::vector<int>& numbers);

// The numbers part of a line: from the tenth character to the end; empty for a
// line shorter than ten characters.
std::string LineNumbersText(const std::string& line);

// Position of the first line whose numbers part equals `text` exactly,
// scanning in list order; -1 when there is none.
int FindNumbersText(const std::vector<std::string>& lines, const std::string& text);

// Whether some line's numbers part equals `text` exactly.
bool ContainsNumbersText(const std::vector<std::string>& lines, const std::string& text);

}  // namespace tivra
