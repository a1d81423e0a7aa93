#include <gtest/gtest.h>

#include "tivra/ticket_line.h"

namespace tivra {
namespace {

TEST(SerialPrefixTest, SerialTextIsZeroFilledToFiveCharacters) {
  struct Row {
    const char* serial;
    char marker;
    const char* prefix;
  };
  for (const Row& row : {
           Row{"7", '>', "00007>   "},
           Row{"12", '*', "00012*   "},
           Row{"123", '>', "00123>   "},
           Row{"1234", '*', "01234*   "},
           Row{"12345", '>', "12345>   "},
           Row{"ABCDEFG", '*', "ABCDE*   "},  // a typed serial keeps its first five
       }) {
    SCOPED_TRACE(row.serial);
    EXPECT_EQ(SerialPrefix(row.serial, row.marker), row.prefix);
  }
}

TEST(SerialPrefixTest, SerialNumberIsDecimalWithinFiveDigits) {
  EXPECT_EQ(SerialPrefix(1, kGeneratedMarker), "00001>   ");
  EXPECT_EQ(SerialPrefix(100, kGeneratedMarker), "00100>   ");
  EXPECT_EQ(SerialPrefix(30000, kGeneratedMarker), "30000>   ");
  // Beyond five digits the serial counts on from 00000, keeping the numbers
  // at the tenth character.
  EXPECT_EQ(SerialPrefix(100001, kOwnMarker), "00001*   ");
}

TEST(TicketLineTest, LineIsPrefixAndNumbers) {
  const std::string loto = TicketLine(3, kGeneratedMarker, {4, 18, 25, 30, 41, 49});
  EXPECT_EQ(loto, "00003>   4,18,25,30,41,49");
  EXPECT_EQ(loto.size(), 25u);

  const std::string single = TicketLine(1, kGeneratedMarker, {7});
  EXPECT_EQ(single, "00001>   7");
  EXPECT_EQ(single.size(), 10u);

  EXPECT_EQ(TicketLine("101", kOwnMarker, {5, 12, 33}), "00101*   5,12,33");
  EXPECT_EQ(TicketLine(30000, kGeneratedMarker, {1, 100}), "30000>   1,100");
}

TEST(NumbersTextTest, JoinsInGivenOrderWithoutPadding) {
  EXPECT_EQ(NumbersText({}), "");
  EXPECT_EQ(NumbersText({100}), "100");
  EXPECT_EQ(NumbersText({-3, 0, 7}), "-3,0,7");
  // Same numbers in another order are another text: only sorted tickets compare equal.
  EXPECT_NE(NumbersText({12, 5}), NumbersText({5, 12}));
  EXPECT_EQ(LineNumbersText(TicketLine(1, kGeneratedMarker, {5, 12})),
            LineNumbersText(TicketLine("77", kOwnMarker, {5, 12})));
}

TEST(LineNumbersTextTest, TailStartsAtTheTenthCharacter) {
  EXPECT_EQ(LineNumbersText("00001>   7"), "7");
  EXPECT_EQ(LineNumbersText("0001>   12"), "2");
  EXPECT_EQ(LineNumbersText("00001>   "), "");
  EXPECT_EQ(LineNumbersText("short"), "");
  EXPECT_EQ(LineNumbersText(""), "");
}

TEST(ContainsNumbersTextTest, ComparesWholeTailsAndFindsTheFirst) {
  const std::vector<std::string> list{
      "00001>   4,18,25",  // 0
      "00002>   7",        // 1
      "short",             // 2: no tail
      "00003*   7",        // 3: same tail as line 1
      "0001>   12",        // 4: misaligned, its tail is "2"
      "00005>   ",         // 5: empty tail
  };
  struct Row {
    const char* text;
    int index;
  };
  for (const Row& row : {
           Row{"4,18,25", 0},
           Row{"4,18", -1},   // a leading part of a tail is not equal
           Row{"18,25", -1},  // nor a trailing part
           Row{"7", 1},       // first of two equal tails
           Row{"17", -1},
           Row{" 7", -1},     // the tail starts exactly at the tenth character
           Row{"2", 4},
           Row{"12", -1},
           Row{"", 2},        // a short line counts as an empty tail
       }) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(FindNumbersText(list, row.text), row.index);
    EXPECT_EQ(ContainsNumbersText(list, row.text), row.index >= 0);
  }
  EXPECT_FALSE(ContainsNumbersText({}, ""));
}

}  // namespace
}  // namespace tivra
