// What Read does with missing, short and damaged files.
#include <gtest/gtest.h>

#include <map>

#include <functional>

#include "rights/file_io.h"
#include "rights/rechte_datei.h"
#include "support/rights_images.h"
#include "support/temp_dir.h"

using namespace rights;

namespace {

std::vector<std::uint8_t> Body(std::initializer_list<std::vector<std::uint8_t>> blocks) {
  ImageBuilder b;
  for (const auto& block : blocks) b.Append(block);
  return b.bytes;
}

// A container loaded from a sound file, whose file is then replaced by another image.
class ReadFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(fileName, MakeOldLayoutFile(3, true));
    file.Read(true);
    ASSERT_EQ(file.UserList().Count(), 1u);
  }
  void Replace(const std::vector<std::uint8_t>& image) { WriteBytes(fileName, image); }
  void ExpectListsUntouched() {
    EXPECT_TRUE(file.RFHeader().CaptionValid());
    EXPECT_TRUE(file.RightsActive());
    EXPECT_EQ(file.RFHeader().Version, 5);
    ASSERT_EQ(file.UserList().Count(), 1u);
    EXPECT_EQ(file.UserList()[0].Passwd, "geheim");
  }

  TempDir dir;
  std::string fileName = dir.File("QVRights.qxr");
  TRechteDatei file{fileName};
};

}  // namespace

TEST_F(ReadFailure, MissingOrShortFileLoadsNothingAndRaisesNothing) {
  std::filesystem::remove(fileName);
  EXPECT_NO_THROW(file.Read(true));
  ExpectListsUntouched();

  for (const std::size_t size : {0u, 1u, 65u, 94u, 120u}) {
    SCOPED_TRACE(size);
    auto image = MakeOldLayoutFile(3, true);
    image.resize(size);
    Replace(image);
    EXPECT_NO_THROW(file.Read(true));
    ExpectListsUntouched();
  }

  // A short file of other bytes must not leave its bytes in the header either,
  // or the next write would store a file nobody can read.
  Replace(std::vector<std::uint8_t>(80, 'h'));
  file.Read(true);
  ExpectListsUntouched();
  file.Write();
  TRechteDatei reread(fileName);
  EXPECT_NO_THROW(reread.Read(true));
  EXPECT_EQ(reread.UserList().Count(), 1u);
}

TEST_F(ReadFailure, DamagedFilesRaiseTheirErrorAndLeaveTheListsAlone) {
  const auto sound = MakeOldLayoutFile(3, true);
  const auto users = AdminUserBlock();
  struct Case {
    const char* what;
    std::vector<std::uint8_t> image;
    std::function<void()> expectThrow;
    std::string message;
  };
  auto withChanged = [&](std::size_t at, std::uint8_t value) {
    auto image = sound;
    image.at(at) = value;
    return image;
  };
  const std::string wrongCaption = "Die Datei " + fileName + " ist keine gültige Rechtedatei oder beschädigt.";
  const std::string manipulated = "Die Datei " + fileName + " wurde anscheinend manipuliert.";
  const std::string classError = "Fehler beim Einlesen der Rechteinformationen\rKlassenfehler";
  const std::map<std::string, TErrorKind> kindOf = {{wrongCaption, TErrorKind::BadCaption},
                                                    {manipulated, TErrorKind::BadChecksum},
                                                    {classError, TErrorKind::WrongClass},
                                                    {"Stream-Lesefehler", TErrorKind::ShortStream}};
  const std::vector<Case> cases = {
      {"caption changed", withChanged(4, 'q'), {}, wrongCaption},
      {"caption without its zero byte", withChanged(65, ' '), {}, wrongCaption},
      {"body byte changed", withChanged(sound.size() - 1, 1), {}, manipulated},
      {"group record in the user block",
       WithHeader(3, Body({ImageBuilder().U8(11).I32(1).U8(2).U8(1).I32(1).Str("Gruppe Ackerbau").bytes})), {},
       classError},
      {"group block where the user block belongs", WithHeader(3, Body({EmptyBlock(12)})), {}, classError},
      {"body ends inside a record",
       WithHeader(3, std::vector<std::uint8_t>(users.begin(), users.end() - 3)), {}, "Stream-Lesefehler"},
      {"count larger than the bytes left",
       WithHeader(3, Body({EmptyBlock(11), EmptyBlock(12), EmptyBlock(13), ImageBuilder().U8(14).I32(0x7FFFFFFF).bytes})),
       {}, "Stream-Lesefehler"},
      {"negative count", WithHeader(3, Body({ImageBuilder().U8(11).I32(-1).bytes})), {}, "Stream-Lesefehler"},
      {"string longer than the bytes left",
       WithHeader(3, Body({ImageBuilder().U8(11).I32(1).U8(1).U8(1).I32(1).U8(200).Raw("abc").bytes})), {},
       "Stream-Lesefehler"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Replace(c.image);
    try {
      file.Read(true);
      ADD_FAILURE() << "no error";
    } catch (const ERightsError& error) {
      EXPECT_EQ(error.what(), c.message);
      EXPECT_EQ(error.Kind(), kindOf.at(c.message)) << "callers branch on the kind, not the text";
    }
    ExpectListsUntouched();
  }
}

TEST_F(ReadFailure, ErrorsHaveTheirKinds) {
  Replace(MakeOldLayoutFile(3, true));
  auto image = MakeOldLayoutFile(3, true);
  image[121 + 5 + 7] ^= 1;  // inside the first user's name
  Replace(image);
  EXPECT_THROW(file.Read(true), ERangeError);
  EXPECT_NO_THROW(file.Read(false));  // the checksum test is the caller's choice

  Replace(WithHeader(3, Body({EmptyBlock(12)})));
  EXPECT_THROW(file.Read(true), EClassError);
  Replace(WithHeader(3, Body({ImageBuilder().U8(11).I32(5).bytes})));
  EXPECT_THROW(file.Read(true), EReadError);
}

TEST_F(ReadFailure, HeaderBytesAreNotCoveredByTheChecksum) {
  auto image = MakeOldLayoutFile(3, true);
  image[95] = 0;  // RightsActive
  Replace(image);
  EXPECT_NO_THROW(file.Read(true));
  EXPECT_FALSE(file.RightsActive());
}

TEST_F(ReadFailure, ShortBodiesAndUnknownBlocksLoadWhatIsThere) {
  Replace(WithHeader(3, Body({AdminUserBlock(), EmptyBlock(12)})));
  file.AssgnList().AddUs2Grp(1, 1);
  file.Read(true);
  EXPECT_EQ(file.UserList().Count(), 1u);
  EXPECT_EQ(file.AssgnList().Count(), 0u);
  EXPECT_EQ(file.AssRightList().Count(), 0u);

  // A block of an unknown class loads nothing; the next block follows its count.
  Replace(WithHeader(3, Body({AdminUserBlock(), ImageBuilder().U8(99).I32(3).bytes, EmptyBlock(13),
                              ImageBuilder().U8(14).I32(1).Append(AssignedRightRecord(3, "K        ")).bytes})));
  file.Read(true);
  EXPECT_EQ(file.GroupList().Count(), 0u);
  EXPECT_EQ(file.AssRightList().Count(), 1u);
}

TEST_F(ReadFailure, AHugeFileIsRefusedBeforeAnythingIsAllocated) {
  std::filesystem::resize_file(fileName, MaxWholeFileBytes + 1);  // sparse: costs no disk
  EXPECT_THROW(file.Read(true), EFileError);
  ExpectListsUntouched();
}
