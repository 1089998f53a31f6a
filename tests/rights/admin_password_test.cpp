#include <gtest/gtest.h>

#include "rights/admin_password.h"

using rights::ValidAdmPW;

TEST(AdminPassword, Rules) {
  struct Case {
    const char* password;
    bool valid;
  };
  const Case cases[] = {
      {"", false},
      {"Ab3$x", false},           // five characters
      {"äöüßé", false},           // five characters in ten bytes
      {"äöüßéx", true},           // six characters
      {"123456", false},          // counting digits
      {"123456789", false},
      {"1234567890", true},       // the counting would be "12345678910"
      {"123457", true},
      {"abcdef", false},          // letter run, any case
      {"ABCDEF", false},
      {"aBcDeFg", false},
      {"abcdeg", true},
      {"aaaaaa", false},          // one character repeated, compared exactly
      {"ÄÄÄÄÄÄ", false},
      {"Aaaaaa", true},
      {"bbbbbB", true},
      {"Geheim!1", true},
  };
  for (const Case& c : cases) EXPECT_EQ(ValidAdmPW(c.password), c.valid) << c.password;
}
