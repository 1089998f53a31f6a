#include <gtest/gtest.h>

#include "update/ftp_list_parser.h"

using update::TFtpItemType;

namespace {

struct Line {
  const char* Text;
  bool Mlsd;
  bool Parsed;
  const char* Name = "";
  std::int64_t Size = 0;
  TFtpItemType Kind = TFtpItemType::ditFile;
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;  // Year 0: time not checked
};

class ListLineTest : public ::testing::TestWithParam<Line> {};

TEST_P(ListLineTest, ParsesOrSkips) {
  const Line& line = GetParam();
  const auto item = line.Mlsd ? update::ParseMlsdLine(line.Text) : update::ParseListLine(line.Text, 2026);
  ASSERT_EQ(item.has_value(), line.Parsed) << line.Text;
  if (!item) return;
  EXPECT_EQ(item->fFileName, line.Name);
  EXPECT_EQ(item->FSize, line.Size);
  EXPECT_EQ(item->FItemType, line.Kind);
  if (line.Year == 0) return;
  const std::tm tm = rights::TmFromDateTime(item->FModifiedDate);
  EXPECT_EQ(tm.tm_year + 1900, line.Year);
  EXPECT_EQ(tm.tm_mon + 1, line.Month);
  EXPECT_EQ(tm.tm_mday, line.Day);
  EXPECT_EQ(tm.tm_hour, line.Hour);
  EXPECT_EQ(tm.tm_min, line.Minute);
}

constexpr auto F = TFtpItemType::ditFile;
constexpr auto D = TFtpItemType::ditDirectory;

INSTANTIATE_TEST_SUITE_P(
    Formats, ListLineTest,
    ::testing::Values(
        // Unix: time in this year, year instead of time, no group, blanks in names.
        Line{"-rw-r--r--   1 ftp  ftp   1234567 Mar 05 14:07 QVUPDATE.EXE", false, true, "QVUPDATE.EXE", 1234567, F, 2026, 3, 5, 14, 7},
        Line{"drwxr-xr-x 2 owner group 4096 Dec 31  2019 Updates\r", false, true, "Updates", 4096, D, 2019, 12, 31, 0, 0},
        Line{"-rw-r--r-- 1 owner 17 Jan  1 00:00 no group.txt", false, true, "no group.txt", 17, F, 2026, 1, 1, 0, 0},
        Line{"-rw-r--r-- 1 Jan Jan 99 Feb 28 23:59  two  blanks ", false, true, "two  blanks", 99, F, 2026, 2, 28, 23, 59},
        // DOS/IIS: two- and four-digit years, 12-hour clock, folders.
        Line{"01-15-20  10:30AM       <DIR>          Alt", false, true, "Alt", 0, D, 2020, 1, 15, 10, 30},
        Line{"11-02-2025  12:05PM            524288 update 2.rtf", false, true, "update 2.rtf", 524288, F, 2025, 11, 2, 12, 5},
        Line{"11-02-2025  12:05AM            1 mitternacht", false, true, "mitternacht", 1, F, 2025, 11, 2, 0, 5},
        // MLSD: UTC time, folder, the current and parent folder skipped.
        Line{"type=file;size=42;modify=20250203094100; update.rtf", true, true, "update.rtf", 42, F, 0, 0, 0, 0, 0},
        Line{"Type=DIR;Modify=20250203094100.123;Perm=el; Sub Folder", true, true, "Sub Folder", 0, D, 0, 0, 0, 0, 0},
        Line{"type=cdir;modify=20250203094100; .", true, false},
        Line{"type=pdir; ..", true, false},
        Line{"type=OS.unix=symlink;size=3; link", true, false},
        // Damaged or hostile lines are skipped, never half-read.
        Line{"total 12", false, false},
        Line{"", false, false},
        Line{"lrwxrwxrwx 1 u g 7 Jan 01 10:00 link -> target", false, false},
        Line{"-rw-r--r-- 1 u g -5 Jan 01 10:00 negative", false, false},
        Line{"-rw-r--r-- 1 u g 99999999999999999999999 Jan 01 10:00 huge", false, false},
        Line{"-rw-r--r-- 1 u g 5 Foo 01 10:00 nomonth", false, false},
        Line{"-rw-r--r-- 1 u g 5 Jan 32 10:00 badday", false, false},
        Line{"-rw-r--r-- 1 u g 5 Jan 01 25:61 badtime", false, false},
        Line{"-rw-r--r-- 1 u g 5 Jan 01 10:00", false, false},
        Line{"13-45-20  10:30AM  5 badmonth", false, false},
        Line{"01-15-20  13:30PM  5 badhour", false, false},
        Line{"01-15-20  10:30AM  <DIR>", false, false},
        Line{"type=file;size=x; badsize", true, false},
        Line{"type=file;modify=2025; badtime", true, false},
        Line{"type=file;size=1;", true, false},
        Line{"size=1; notype", true, false}));

TEST(FtpListingTest, SplitsLinesAndKeepsOnlyEntries) {
  const auto list = update::ParseFtpListing(
      "total 8\r\n-rw-r--r-- 1 u g 5 Jan 01 10:00 a\r\ngarbage\n"
      "drwxr-xr-x 1 u g 0 Jan 01 10:00 b",
      false, 2026);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]->fFileName, "a");
  EXPECT_EQ(list[1]->FItemType, D);
  EXPECT_EQ(update::FindFtpItem(list, "A"), list[0].get());
  EXPECT_EQ(update::FindFtpItem(list, "c"), nullptr);
}

}  // namespace
