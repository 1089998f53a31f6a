// The stored form of the rights file, byte by byte.
#include <gtest/gtest.h>

#include <cstring>

#include "rights/checksum.h"
#include "rights/rechte_datei.h"
#include "rights/scramble.h"
#include "support/rights_images.h"
#include "support/temp_dir.h"

using namespace rights;

TEST(Checksum, KnownVectors) {
  auto crc = [](std::string_view s) {
    return CalcCrc({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()});
  };
  EXPECT_EQ(crc(""), 0u);
  EXPECT_EQ(crc("abc"), 0xCA6598D0u);
  EXPECT_EQ(crc("123456789"), 0x2DFD2D88u);
}

TEST(Checksum, WideTableAgreesWithTheBytewiseDefinitionAtEveryLength) {
  std::vector<std::uint8_t> data(200);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 37 + 11);
  for (std::size_t n = 0; n <= data.size(); ++n) {
    std::uint32_t c = 0;
    for (std::size_t i = 0; i < n; ++i) {
      std::uint32_t x = (c ^ data[i]) & 0xFF;
      for (int bit = 0; bit < 8; ++bit) x = (x & 1) ? 0xEDB88320u ^ (x >> 1) : x >> 1;
      c = x ^ (c >> 8);
    }
    ASSERT_EQ(CalcCrc({data.data(), n}), c) << "length " << n;
  }
}

TEST(Scramble, KnownVectorsAndInverse) {
  std::string abc = "abc";
  ScrambleText(abc);
  EXPECT_EQ(abc, "\xC4\xC7\x27");
  UnscrambleText(abc);
  EXPECT_EQ(abc, "abc");

  std::string two = "pw";
  ScrambleText(two);
  EXPECT_EQ(two, "pw");

  std::string all;
  for (int b = 255; b >= 0; --b) all += static_cast<char>(b);
  std::string scrambled = all;
  ScrambleText(scrambled);
  EXPECT_NE(scrambled, all);
  UnscrambleText(scrambled);
  EXPECT_EQ(scrambled, all);
}

TEST(FileFormat, NewContainerWritesTheEmptyBody) {
  TempDir dir;
  TRechteDatei file(dir.File("QVRights.qxr"));
  file.Write();
  const auto bytes = ReadBytes(file.FileName());
  ASSERT_EQ(bytes.size(), 121u + 20u);
  const std::vector<std::uint8_t> body(bytes.begin() + 121, bytes.end());
  EXPECT_EQ(body, (std::vector<std::uint8_t>{0x0B, 0, 0, 0, 0, 0x0C, 0, 0, 0, 0,
                                             0x0D, 0, 0, 0, 0, 0x0E, 0, 0, 0, 0}));
  EXPECT_EQ(file.RFHeader().CRC, 0x3D49074Du);
  EXPECT_EQ(file.RFHeader().AssgnPos, 10);
  EXPECT_EQ(file.RFHeader().Version, 2);

  const HeaderView header(bytes);
  EXPECT_EQ(header.Int32(66), 3);         // RFVersion
  EXPECT_EQ(header.Int32(70), 2);         // Version
  EXPECT_EQ(header.UInt32(82), 0x3D49074Du);
  EXPECT_EQ(header.Int32(86), 10);        // AssgnPos, low half
  EXPECT_EQ(bytes[94], 0);                // no domain trust
  EXPECT_EQ(bytes[95], 0);                // rights checking off
  EXPECT_EQ(std::memcmp(bytes.data(), "*** Quarn Rechte Datei *** nicht bearbeiten oder l\xF6schen!!! ***\r\n\0", 66), 0);
}

TEST(FileFormat, VersionCountsWritesAndTimeStampStays) {
  TempDir dir;
  TRechteDatei file(dir.File("QVRights.qxr"));
  const double created = file.RFHeader().TimeStamp;
  file.Write();
  file.Write();
  TRechteDatei reread(file.FileName());
  reread.Read(true);
  EXPECT_EQ(reread.RFHeader().Version, 3);
  EXPECT_EQ(reread.RFHeader().TimeStamp, created);
}

TEST(FileFormat, OldHeaderLayoutsGetDefaultsAndAreWrittenCurrent) {
  struct Case {
    std::int32_t rfVersion;
    std::size_t headerSize;
    bool rightsActiveStored;
    bool expectedRightsActive;
  };
  const Case cases[] = {{0, 95, false, true}, {-1, 95, false, true}, {1, 96, false, false}, {2, 121, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rfVersion);
    TempDir dir;
    const auto old = MakeOldLayoutFile(c.rfVersion, c.rightsActiveStored);
    WriteBytes(dir.File("old.qxr"), old);
    TRechteDatei file(dir.File("old.qxr"));
    file.Read(true);
    EXPECT_EQ(file.HeaderSize(), c.headerSize);
    EXPECT_EQ(file.RightsActive(), c.expectedRightsActive);
    EXPECT_EQ(file.winDomain(), "");
    ASSERT_EQ(file.UserList().Count(), 1u);
    EXPECT_EQ(file.UserList()[0].Login, "Admin");
    file.Write();
    const auto bytes = ReadBytes(file.FileName());
    EXPECT_EQ(HeaderView(bytes).Int32(66), 3);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 121, bytes.end()),
              std::vector<std::uint8_t>(old.begin() + c.headerSize, old.end()));
  }
}

TEST(FileFormat, OldAssignedRightLayoutsGainBlankModulePositions) {
  struct Case {
    std::uint8_t storedVersion;
    std::string storedModules;
    std::string expected;
  };
  const Case cases[] = {
      {1, "KIBUTYV", "KIBUTYV  "},
      {2, "KIBUTYVW", "KIBUTYVW "},
      {3, "KIBUTYVWC", "KIBUTYVWC"},
      {7, "KIBUTYV", "KIBUTYV  "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.storedVersion));
    TempDir dir;
    WriteBytes(dir.File("r.qxr"), MakeFileWithOneAssignedRight(c.storedVersion, c.storedModules));
    TRechteDatei file(dir.File("r.qxr"));
    file.Read(true);
    ASSERT_EQ(file.AssRightList().Count(), 1u);
    const auto& right = file.AssRightList()[0];
    EXPECT_EQ(right.fStoredVersion, c.storedVersion);
    EXPECT_EQ(right.Modules, c.expected);
    EXPECT_EQ(right.Right_ID, 1200);
    EXPECT_EQ(right.Mandant, 7);

    file.Write();
    const auto bytes = ReadBytes(file.FileName());
    // Last record of the file: prefix (7), five fields (11), nine module bytes.
    const std::vector<std::uint8_t> tail(bytes.end() - 27, bytes.end());
    EXPECT_EQ(tail[0], 4);  // kind
    EXPECT_EQ(tail[1], 3);  // written version
    EXPECT_EQ(std::string(tail.end() - 9, tail.end()), c.expected);
  }
}

TEST(FileFormat, DomainIsLowerCasedAndCutTo24Characters) {
  TempDir dir;
  TRechteDatei file(dir.File("QVRights.qxr"));
  file.SetWinDomain("HOF-MÜLLER-AGRAR-BERATUNG-GMBH");
  EXPECT_EQ(file.winDomain(), "hof-müller-agrar-beratun");
  file.Write();
  const auto bytes = ReadBytes(file.FileName());
  EXPECT_EQ(std::string(bytes.begin() + 96, bytes.begin() + 121),
            std::string("hof-m\xFCller-agrar-beratun") + '\0');
  TRechteDatei reread(file.FileName());
  reread.Read(true);
  EXPECT_EQ(reread.winDomain(), "hof-müller-agrar-beratun");
}

TEST(FileFormat, StringFieldsAreScrambledWindows1252) {
  TempDir dir;
  TRechteDatei file(dir.File("QVRights.qxr"));
  file.CreateStdUsers("pw");
  file.Write();
  const auto bytes = ReadBytes(file.FileName());
  // Users block: class 11, count 2, then user 1: kind, version, ID, Bez "Admin".
  std::size_t pos = 121 + 5;
  EXPECT_EQ(bytes[pos], 1);
  EXPECT_EQ(bytes[pos + 1], 1);
  pos += 6;
  std::string admin = "Admin";
  ScrambleText(admin);
  EXPECT_EQ(bytes[pos], 5);
  EXPECT_EQ(std::string(bytes.begin() + pos + 1, bytes.begin() + pos + 6), admin);
  // The two-character password is stored unchanged: skip Bez, Func, Login.
  pos += 6;
  pos += 1 + bytes[pos];
  pos += 1 + bytes[pos];
  EXPECT_EQ(bytes[pos], 2);
  EXPECT_EQ(std::string(bytes.begin() + pos + 1, bytes.begin() + pos + 3), "pw");
}
