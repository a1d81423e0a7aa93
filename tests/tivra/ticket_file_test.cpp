#include <gtest/gtest.h>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "tivra/ticket_file.h"
#include "tivra_program.h"

namespace tivra {
namespace {

using platform::W;
using Lines = std::vector<std::string>;

TEST(TicketFileTest, FormatIsCountLineThenLinesWithCrLf) {
  EXPECT_EQ(FormatTicketFile({"00001>   7", "00002*   1,2", ""}),
            "3\r\n00001>   7\r\n00002*   1,2\r\n\r\n");
  EXPECT_EQ(FormatTicketFile({}), "0\r\n");
}

TEST(TicketFileTest, WrittenListReadsBackUnchanged) {
  testing::TempFolder folder;
  const std::string path = folder.Path() + "/list.txt";
  const Lines list{"00001>   4,18,25,30,41,49", W("ABCDE*   5,12,33 ľ"), "", "00004>   9"};
  WriteTicketFile(path, list);
  EXPECT_EQ(platform::ReadFileBytes(path), FormatTicketFile(list));
  EXPECT_EQ(ReadTicketFile(path), list);
}

TEST(TicketFileTest, ReadsExactlyTheAnnouncedLines) {
  struct Row {
    Lines file;
    Lines list;
  };
  for (const Row& row : {
           Row{{"2", "a", "b", "c"}, {"a", "b"}},  // what follows is ignored
           Row{{"1", "", "b"}, {""}},              // lines are taken as they are
           Row{{"0", "a"}, {}},
           Row{{"-3"}, {}},
           Row{{" 2", "x", "y"}, {"x", "y"}},
       }) {
    SCOPED_TRACE(row.file.front());
    EXPECT_EQ(ParseTicketFile(row.file), row.list);
  }
}

TEST(TicketFileTest, FileWithoutATicketListIsAClearError) {
  struct Row {
    Lines file;
    std::string message;
  };
  for (const Row& row : {
           Row{{}, W("Súbor je prázdny, chýba v ňom počet tiketov")},
           Row{{"tikety", "a"}, W("Prvý riadok súboru nie je počet tiketov: 'tikety'")},
           Row{{"3", "a"}, W("Súbor uvádza 3 tiketov, obsahuje len 1")},
       }) {
    SCOPED_TRACE(row.message);
    try {
      ParseTicketFile(row.file);
      ADD_FAILURE() << "no error";
    } catch (const ETicketFileError& e) {
      EXPECT_EQ(e.what(), row.message);
    }
  }
}

TEST(TicketFileTest, ReadingReportsTheFileItFailedOn) {
  testing::TempFolder folder;
  const std::string path = folder.Path() + "/short.txt";
  platform::WriteFileBytes(path, "2\n00001>   7\n");  // LF line ends read too
  try {
    ReadTicketFile(path);
    ADD_FAILURE() << "no error";
  } catch (const ETicketFileError& e) {
    EXPECT_EQ(e.what(), path + ": " + W("Súbor uvádza 2 tiketov, obsahuje len 1"));
  }
  EXPECT_THROW(ReadTicketFile(folder.Path() + "/missing.txt"), platform::EInOutError);
}

}  // namespace
}  // namespace tivra
