// qxr explain FILE --user U --right R --client N: why the user has or lacks
// the right for the client.
#include <QJsonArray>

#include "catalog_access.h"
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "right_names.h"
#include "rights_explanation.h"
#include "rights_file.h"
#include "rights_json.h"

namespace qxr {

namespace {

const char* KindKey(SourceKind kind) {
  switch (kind) {
    case SourceKind::Own:
      return "own";
    case SourceKind::Group:
      return "group";
    case SourceKind::EquivalentUser:
      return "equivalent_user";
  }
  return "";
}

const char* KindKey(RightKind kind) {
  switch (kind) {
    case RightKind::Module:
      return "module";
    case RightKind::WithoutModule:
      return "without_module";
    case RightKind::Catalog:
      return "catalog";
    case RightKind::NotEvaluated:
      return "not_evaluated";
  }
  return "";
}

std::optional<std::string> HolderName(const rights::TRechteDatei& file, const RightSource& source) {
  const rights::TFIRClass* holder =
      source.kind == SourceKind::Group
          ? static_cast<const rights::TFIRClass*>(file.GroupList().ItemByID(source.holderID))
          : file.UserList().ItemByID(source.holderID);
  if (holder == nullptr) return std::nullopt;
  return holder->Bez;
}

// "3 -> 4 -> 5", with the users left out of a long way counted in their place.
std::string ViaText(const RightSource& source) {
  std::string text;
  for (std::size_t i = 0; i < source.via.size(); ++i) {
    if (i > 0) text += " -> ";
    if (i == kViaShownAtEachEnd + 1 && source.viaOmitted > 0)
      text += "... (" + std::to_string(source.viaOmitted) + " more) -> ";
    text += std::to_string(source.via[i]);
  }
  return text;
}

std::string HolderLabel(const rights::TRechteDatei& file, const RightSource& source) {
  if (source.kind != SourceKind::Group)
    if (const rights::TFIUser* user = file.UserList().ItemByID(source.holderID)) return UserLabel(*user);
  return std::to_string(source.holderID) + " (" + HolderName(file, source).value_or("not in the file") + ")";
}

std::string SourceText(const rights::TRechteDatei& file, const RightSource& source) {
  if (source.kind == SourceKind::Own) return "own rights";
  std::string text = (source.kind == SourceKind::Group ? "group " : "equivalent user ") + HolderLabel(file, source);
  if (source.via.size() > 1) text += " via " + ViaText(source);
  return text;
}

std::string RecordsText(const RightSource& source) {
  if (source.records.empty()) return "no record";
  std::string text = source.granted ? "grants it: " : "";
  for (const SourceRecord& record : source.records)
    text += (text.empty() ? "" : "; ") + std::string("record ") + std::to_string(record.recordID) + ", modules \"" +
            BytesText(record.modules) + "\", " + (record.passesModuleFilter ? "counts" : "fails the module filter");
  return text;
}

std::string Verdict(const RightExplanation& explanation) {
  std::string verdict;
  if (explanation.inEvaluatedList) {
    verdict = "granted";
  } else if (explanation.kind == RightKind::NotEvaluated) {
    verdict = "not granted: right numbers below 1 are never evaluated";
  } else {
    const bool held = std::any_of(explanation.sources.begin(), explanation.sources.end(),
                                  [](const RightSource& source) { return !source.records.empty(); });
    verdict = held ? "not granted: every record of it fails the module filter"
                   : "not granted: no source holds it for client " + std::to_string(explanation.client);
  }
  if (explanation.canDo && !explanation.inEvaluatedList)
    verdict += "; yet user 1 is the administrator and may do everything";
  return verdict;
}

std::string FilterText(const RightExplanation& explanation) {
  std::string captions;
  for (int module = 1; module <= rights::ModuleCount; ++module)
    if (rights::ModuleInStr(rights::ModuleLetter(module), explanation.moduleFilter))
      captions += (captions.empty() ? "" : " ") + std::string(rights::ModuleShortCaptions[module]);
  std::string text =
      "\"" + BytesText(explanation.moduleFilter) + "\" (" + (captions.empty() ? "no module" : captions) + ")";
  if (explanation.kind != RightKind::Catalog) text += "; it applies to catalog rights only";
  return text;
}

QJsonObject SourceJson(const rights::TRechteDatei& file, const RightSource& source) {
  QJsonArray via;
  for (const std::int32_t id : source.via) via.append(id);
  QJsonArray records;
  for (const SourceRecord& record : source.records)
    records.append(QJsonObject{{"record_id", record.recordID},
                               {"modules", ModulesToJson(record.modules)},
                               {"passes_module_filter", record.passesModuleFilter}});
  return {{"kind", KindKey(source.kind)},
          {"holder_id", source.holderID},
          {"holder_name", TextOrNull(HolderName(file, source))},
          {"via", via},
          {"via_omitted", static_cast<qint64>(source.viaOmitted)},
          {"records", records},
          {"granted", source.granted}};
}

struct Request {
  const rights::TFIUser* user;
  std::optional<std::string> rightName;
};

void PrintExplanationJson(const rights::TRechteDatei& file, const Request& request,
                          const RightExplanation& explanation) {
  QJsonArray sources;
  for (const RightSource& source : explanation.sources) sources.append(SourceJson(file, source));
  PrintJson({
      {"user_id", explanation.userID},
      {"login", ToQ(request.user->Login)},
      {"locked", request.user->Locked},
      {"right_id", explanation.rightID},
      {"right_name", TextOrNull(request.rightName)},
      {"right_kind", KindKey(explanation.kind)},
      {"client", explanation.client},
      {"module_filter", ModulesToJson(explanation.moduleFilter)},
      {"sources", sources},
      {"in_evaluated_list", explanation.inEvaluatedList},
      {"can_do", explanation.canDo},
      {"verdict", ToQ(Verdict(explanation))},
  });
}

void PrintExplanationText(const rights::TRechteDatei& file, const Request& request,
                          const RightExplanation& explanation) {
  PrintLine("User " + UserLabel(*request.user) + ", right " + std::to_string(explanation.rightID) +
            (request.rightName ? " (" + *request.rightName + ")" : "") + ", client " +
            std::to_string(explanation.client) + ": " + Verdict(explanation));
  TextTable table({"SOURCE", "RECORDS"});
  for (const RightSource& source : explanation.sources) table.AddRow({SourceText(file, source), RecordsText(source)});
  table.Print();
  PrintLine("Module filter (modules held for any client): " + FilterText(explanation));
  if (request.user->Locked) PrintLine("The user is locked: the rights count, but the user cannot sign in.");
}

void Declare(CommandLine& line) {
  line.AddArgument("FILE", "The rights file.");
  line.AddOption("user", "LOGIN-or-ID", "The user, by login or number (required).");
  line.AddOption("right", "R", "The right number (required).");
  line.AddOption("client", "N", "The client, 0 to 254; 0 for the general client rights (required).");
  line.AddOption("catalog", "CSV", "Name catalog rights from this rights catalog.");
  line.AddJsonFlag();
}

int Run(const CommandLine& line) {
  const std::string userArgument = line.RequiredValue("user");
  const auto rightID = static_cast<std::int32_t>(line.IntegerValue("right", INT32_MIN, INT32_MAX));
  const auto client = static_cast<std::uint8_t>(line.IntegerValue("client", 0, 254));
  std::optional<rights::TRightList> catalog;
  if (const auto catalogFile = line.Value("catalog")) catalog = LoadCatalogFile(*catalogFile);
  const auto file = OpenRightsFile(line.Argument(0));
  const Request request{&FindUser(file, userArgument), RightName(rightID, catalog ? &*catalog : nullptr)};
  const RightExplanation explanation = ExplainRight(file, request.user->ID, rightID, client);
  if (line.Json())
    PrintExplanationJson(file, request, explanation);
  else
    PrintExplanationText(file, request, explanation);
  return ExitOk;
}

}  // namespace

const Command ExplainCommand{"explain", "Explains why a user has or lacks a right for a client.", Declare, Run};

}  // namespace qxr
