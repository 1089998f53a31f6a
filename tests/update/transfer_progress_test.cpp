#include <gtest/gtest.h>

#include "update/transfer_progress.h"

namespace {

TEST(TransferProgressTest, FormatsByteCountsAndTimes) {
  const std::pair<std::int64_t, const char*> counts[] = {
      {0, "0"}, {999, "999"}, {1000, "1.000"}, {1234567, "1.234.567"}, {52428800, "52.428.800"}, {-1234, "-1.234"}};
  for (const auto& [bytes, text] : counts) EXPECT_EQ(update::FormatByteCount(bytes), text);
  const std::pair<std::int64_t, const char*> times[] = {
      {0, "00:00:00.000"}, {7, "00:00:00.007"}, {999, "00:00:00.999"}, {1000, "00:00:01"},
      {61500, "00:01:01"}, {3600000 * 25 + 62000, "25:01:02"}};
  for (const auto& [ms, text] : times) EXPECT_EQ(update::FormatElapsed(ms), text);
}

// Two files of 1.000.000 and 3.000.000 bytes, clock in milliseconds from 10.000.
TEST(TransferProgressTest, TextsAtKnownBytesAndTimes) {
  update::TTransferProgress progress(4000000, 10000);
  EXPECT_EQ(progress.Texts().Remaining, "unbekannt");
  EXPECT_EQ(progress.Texts().BytesPerSecond, "unbekannt");

  progress.BeginFile(1000000);
  ASSERT_TRUE(progress.Work(1000, 10005));  // the file's first event always refreshes
  EXPECT_EQ(progress.Texts().Elapsed, "00:00:00.005");
  EXPECT_EQ(progress.Texts().BytesPerSecond, "200.000");  // within the first second: per millisecond
  EXPECT_FALSE(progress.Work(2000, 10020));              // 15 ms later: not yet
  ASSERT_TRUE(progress.Work(500000, 10500));
  EXPECT_EQ(progress.Texts().BytesTransferred, "500.000");
  EXPECT_EQ(progress.Texts().FilePercent, 50);
  EXPECT_EQ(progress.Texts().TotalPercent, 12);
  // Kept from the first refresh of second 0: 5 ms × 4.000.000 ÷ 1.000 − 5 ms.
  EXPECT_EQ(progress.Texts().Remaining, "00:00:19");
  ASSERT_TRUE(progress.Work(1000000, 10510));              // complete: refreshes at once
  progress.EndFile(10510);

  progress.BeginFile(3000000);
  ASSERT_TRUE(progress.Work(1000000, 12000));
  EXPECT_EQ(progress.Texts().Elapsed, "00:00:02");
  EXPECT_EQ(progress.Texts().BytesTransferred, "2.000.000");
  EXPECT_EQ(progress.Texts().BytesPerSecond, "1.000.000");  // whole seconds
  EXPECT_EQ(progress.Texts().Remaining, "00:00:02");        // 2 s × 4 MB ÷ 2 MB − 2 s
  EXPECT_EQ(progress.Texts().FilePercent, 33);
  EXPECT_EQ(progress.Texts().TotalPercent, 50);
  ASSERT_TRUE(progress.Work(1500000, 12500));
  EXPECT_EQ(progress.Texts().Remaining, "00:00:02");  // same whole second: estimate kept
}

TEST(TransferProgressTest, EmptyTransferShowsZeroPercent) {
  update::TTransferProgress progress(0, 0);
  progress.BeginFile(0);
  ASSERT_TRUE(progress.Work(0, 1));
  EXPECT_EQ(progress.Texts().FilePercent, 0);
  EXPECT_EQ(progress.Texts().TotalPercent, 0);
}

}  // namespace
