// explain must tell the same story as the evaluation the suite runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "qxr_fixture.h"
#include "rights_explanation.h"

using qxr::ExplainRight;
using qxr::RightSource;
using qxr::SourceKind;

TEST(QxrExplain, AgreesWithTheEvaluatedListForEveryUserRightAndClient) {
  rights::TRechteDatei file("unused.qxr");
  FillFixture(file);
  file.AssRightList().AddUsGrRight(true, 5, 1200, "  B      ", 7, true);  // carl's own filter lets it in
  for (const auto& user : file.UserList()) {
    rights::TUserRightsList evaluated;
    file.GetUserRightList(user->ID, evaluated, false, true, rights::AnyMandant);
    for (const std::uint8_t client : {0, 5, 7, 9})
      for (const std::int32_t right : {0, 1, 3, 103, 1200, 1300, 1400}) {
        const auto explanation = ExplainRight(file, user->ID, right, client);
        const bool listed =
            std::find(evaluated.begin(), evaluated.end(), rights::TURListEntrie(client, right)) != evaluated.end();
        EXPECT_EQ(explanation.inEvaluatedList, listed) << user->ID << " " << right << " " << int(client);
        EXPECT_EQ(explanation.canDo, evaluated.CanDo(client, right))
            << user->ID << " " << right << " " << int(client);
      }
  }
}

TEST(QxrExplain, NamesEverySourceAlongTheChainAndTheFilterVerdict) {
  rights::TRechteDatei file("unused.qxr");
  FillFixture(file);
  const auto explanation = ExplainRight(file, 3, 1300, 5);
  EXPECT_EQ(explanation.moduleFilter, "K        ");
  ASSERT_EQ(explanation.sources.size(), 4u);  // own, group 1, bert, bert's group 2; the cycle back ends
  const RightSource& own = explanation.sources[0];
  EXPECT_EQ(own.kind, SourceKind::Own);
  ASSERT_EQ(own.records.size(), 1u);
  EXPECT_FALSE(own.records[0].passesModuleFilter);
  EXPECT_EQ(explanation.sources[2].kind, SourceKind::EquivalentUser);
  EXPECT_EQ(explanation.sources[2].via, (std::vector<std::int32_t>{3, 4}));
  EXPECT_EQ(explanation.sources[3].kind, SourceKind::Group);
  EXPECT_EQ(explanation.sources[3].holderID, 2);
  EXPECT_EQ(explanation.sources[3].via, (std::vector<std::int32_t>{3, 4}));
  EXPECT_FALSE(explanation.inEvaluatedList);
}

// A chain of equivalences 3 -> 4 -> ... -> 8002 whose last user holds the
// right: every source once, and ways shown by their ends, so the output grows
// with the chain, not with its square.
TEST(QxrExplain, StaysSmallOnALongChainOfEquivalences) {
  constexpr int kChain = 8000;
  TempDir dir;
  rights::TRechteDatei file(dir.File("chain.qxr"));
  file.CreateStdUsers("Geheim!1");
  for (int i = 0; i < kChain; ++i) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Login = "u" + std::to_string(i);
    file.UserList().AddItem(std::move(user));
    if (i > 0) file.AssgnList().AddUsEqui(3 + i - 1, 3 + i);
  }
  const std::int32_t last = 3 + kChain - 1;
  file.AssRightList().AddUsGrRight(true, last, 4, rights::EmptyModulesStr(), 5, true);

  const auto explanation = ExplainRight(file, 3, 4, 5);
  ASSERT_EQ(explanation.sources.size(), static_cast<std::size_t>(kChain));
  const RightSource& holder = explanation.sources.back();
  EXPECT_EQ(holder.holderID, last);
  EXPECT_TRUE(holder.granted);
  EXPECT_EQ(holder.via.size(), 2 * qxr::kViaShownAtEachEnd);
  EXPECT_EQ(holder.via.front(), 3);
  EXPECT_EQ(holder.via.back(), last);
  EXPECT_EQ(holder.viaOmitted, kChain - 2 * qxr::kViaShownAtEachEnd);

  file.Write();
  const QxrRun run = RunQxr({"explain", QString::fromStdString(file.FileName()), "--user", "3", "--right", "4",
                             "--client", "5"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_LT(run.out.size(), 200u * kChain) << "about one short line per source";
  EXPECT_NE(run.out.find("... (7988 more) -> "), std::string::npos);
}
