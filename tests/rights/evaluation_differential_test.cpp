// The fast evaluation against the plain reference walk on randomised rights
// files: same entries in the same order, same granted numbers. The files mix
// memberships, equivalence cycles, dangling numbers, odd module strings and
// clients, and are edited and reloaded between evaluations so that a stale
// index would show.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rights/rechte_datei.h"
#include "support/reference_evaluation.h"

namespace {

using rights::TRechteDatei;
using rights::TUserRightsList;

class RandomRightsFile {
 public:
  explicit RandomRightsFile(unsigned seed) : fRandom(seed) {}

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(fRandom); }
  template <class T>
  T PickOf(const std::vector<T>& values) {
    return values[static_cast<std::size_t>(Pick(0, static_cast<int>(values.size()) - 1))];
  }

  int Holder() { return Pick(-1, 9); }
  std::uint8_t Client() { return PickOf<std::uint8_t>({0, 1, 2, 3, 7, 254, 255}); }

  std::string Modules() {
    static const std::vector<std::string> shapes = {"         ", "K        ", " I B     ", "KIBUTYVWC",
                                                    "x  U     ", "k        ", "C        ", "  B",
                                                    "",          "UUUUUUUUU"};
    if (Pick(0, 3) > 0) return PickOf(shapes);
    std::string random(9, ' ');
    for (char& c : random) c = "KIBUTYVWC x"[Pick(0, 10)];
    return random;
  }

  void AddRight(TRechteDatei& file) {
    const int right = PickOf<int>({-3, 0, 1, 2, 3, 4, 9, 10, 103, 999, 1000, 1200, 1201, 1300, 2147483647});
    file.AssRightList().AddUsGrRight(Pick(0, 1) == 1, Holder(), right, Modules(), Client(), true);
  }

  void AddAssignment(TRechteDatei& file) {
    auto& assignments = file.AssgnList();
    switch (Pick(0, 4)) {
      case 0:
      case 1: assignments.AddUs2Grp(Holder(), Holder()); break;
      case 2:
      case 3: assignments.AddUsEqui(Holder(), Holder()); break;
      default: {  // hostile: both a group and a user in one record
        auto record = std::make_unique<rights::TFIAssignment>();
        record->User_ID = Holder();
        record->ToGroupID = Holder();
        record->ToUserID = Holder();
        assignments.AddItem(std::move(record));
      }
    }
  }

  void Fill(TRechteDatei& file) {
    for (int i = Pick(0, 40); i > 0; --i) AddRight(file);
    for (int i = Pick(0, 25); i > 0; --i) AddAssignment(file);
  }

  // One change through the list operations, or a reload of the file's own image.
  void Edit(TRechteDatei& file) {
    switch (Pick(0, 5)) {
      case 0: AddRight(file); break;
      case 1: AddAssignment(file); break;
      case 2: file.AssRightList().DeleteUser(Holder()); break;
      case 3: file.AssgnList().DeleteUsEqui(Holder(), Holder()); break;
      case 4: file.DeleteGroup(Holder()); break;
      default: {
        TRechteDatei other("other.qxr");
        Fill(other);
        file.LoadImage(other.BuildImage(), true);
      }
    }
  }

 private:
  std::mt19937 fRandom;
};

using Entries = std::vector<std::pair<int, int>>;

Entries EntriesOf(const TUserRightsList& list) {
  Entries entries;
  for (const auto& e : list) entries.emplace_back(e.Mandant, e.RightID);
  return entries;
}

void ExpectSameEvaluation(const TRechteDatei& file, int uid, std::uint8_t client) {
  for (const bool filter : {true, false}) {
    SCOPED_TRACE(testing::Message() << "user " << uid << ", client " << int{client} << ", filter " << filter);
    TUserRightsList fast;
    TUserRightsList plain;
    file.GetUserRightList(uid, fast, false, filter, client);
    reference::GetUserRightList(file, uid, plain, filter, client);
    EXPECT_EQ(EntriesOf(fast), EntriesOf(plain));
    EXPECT_EQ(fast.Modules, plain.Modules);
  }
  rights::IntList fast;
  rights::IntList plain;
  file.GetGrantedRightsList(uid, fast, client);
  reference::GetGrantedRightsList(file, uid, plain, client);
  EXPECT_EQ(fast, plain) << "granted, user " << uid << ", client " << int{client};
}

TEST(EvaluationDifferentialTest, FastPathMatchesTheReferenceWalk) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    RandomRightsFile random(seed);
    TRechteDatei file("random.qxr");
    random.Fill(file);
    for (int round = 0; round < 4; ++round) {
      for (int uid = -1; uid <= 9; ++uid)
        for (const std::uint8_t client : {0, 1, 3, 255}) ExpectSameEvaluation(file, uid, client);
      random.Edit(file);
    }
    if (HasFailure()) return;
  }
}

}  // namespace
