#include <gtest/gtest.h>

#include "rights/rechte_datei.h"
#include "support/temp_dir.h"

namespace {

// A file cut short inside its header loads nothing; writing afterwards must
// still give a file that reads again.
TEST(ShortRightsFile, LeavesTheHeaderAsItWas) {
  TempDir dir;
  const std::string name = dir.File("QVRights.qxr");
  rights::TRechteDatei original(name);
  original.CreateStdUsers("Demo#2026");
  original.Write();

  rights::TRechteDatei file(name);
  file.Read(true);
  const auto header = file.RFHeader();
  // Damaged files that end inside the caption, the version fields, the domain.
  for (const std::size_t size : {std::size_t{1}, std::size_t{66}, std::size_t{70}, std::size_t{100}}) {
    SCOPED_TRACE(size);
    WriteBytes(name, std::vector<std::uint8_t>(size, 0x01));
    EXPECT_NO_THROW(file.Read(true));
    EXPECT_EQ(file.RFHeader().Caption, header.Caption);
    EXPECT_EQ(file.RFHeader().Version, header.Version);
    EXPECT_EQ(file.UserList().Count(), 2u);
  }
  file.Write();
  rights::TRechteDatei again(name);
  EXPECT_NO_THROW(again.Read(true));
  EXPECT_EQ(again.UserList().Count(), 2u);
}

}  // namespace
