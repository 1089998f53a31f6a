#include <gtest/gtest.h>

#include "update/crypted_password.h"

namespace {

using update::DecryptPassword;
using update::EncryptPassword;

unsigned char Exclamation() { return '!'; }

// "7\tGeheim1" and 13 fillers "!" through the byte rule of UnscrambleText:
// b[22] = 33 - 55 = EA, b[21] = 33 - 21 - EA = 22, ... b[1] = 4B.
TEST(CryptedPassword, KnownVector) {
  EXPECT_EQ(EncryptPassword("Geheim1", Exclamation), "4BEB1C28392A352D38F027EF26EE25ED24EC23EB22EA");
  EXPECT_EQ(DecryptPassword("4BEB1C28392A352D38F027EF26EE25ED24EC23EB22EA"), "Geheim1");
  EXPECT_EQ(DecryptPassword("4beb1c28392a352d38f027ef26ee25ed24ec23eb22ea"), "Geheim1");
}

TEST(CryptedPassword, RoundTripAndPadding) {
  struct Case {
    std::string password;
    std::size_t envelopeBytes;  // length digits + TAB + password + filler
  };
  const Case cases[] = {
      {"", 1 + 1 + 20},
      {"abc", 1 + 1 + 3 + 17},
      {"Kennwört", 1 + 1 + 8 + 12},  // Windows-1252 inside: one byte per character
      {std::string(20, 'x'), 2 + 1 + 20},
      {std::string(25, 'y'), 2 + 1 + 25 + 1},
  };
  for (const Case& c : cases) {
    const std::string hex = EncryptPassword(c.password);
    EXPECT_EQ(hex.size(), c.envelopeBytes * 2) << c.password;
    EXPECT_EQ(DecryptPassword(hex), c.password) << c.password;
  }
  // The filler is random: the same password is stored differently each time.
  EXPECT_NE(EncryptPassword("Geheim1"), EncryptPassword("Geheim1"));
}

TEST(CryptedPassword, DamagedValuesGiveNoPassword) {
  for (const std::string damaged : {"", "4BE", "4BEB", "ZZEB1C", "414243444546"}) {
    EXPECT_EQ(DecryptPassword(damaged), "") << damaged;
  }
}

}  // namespace
