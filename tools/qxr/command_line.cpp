#include "command_line.h"

#include <charconv>

namespace qxr {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

[[noreturn]] void UsageFailure(const CommandLine& line, const std::string& message) {
  throw Failure(ExitUsage, message + " (see: qxr " + line.CommandName() + " --help)");
}

}  // namespace

std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || rest != end || value < min || value > max) return std::nullopt;
  return value;
}

void DeclareRightsFileAndJson(CommandLine& line) {
  line.AddArgument("FILE", "The rights file.");
  line.AddJsonFlag();
}

CommandLine::CommandLine(const Command& command) : fCommand(command) {
  fParser.setApplicationDescription(Text(command.summary));
  // Not addHelpOption: its --help-all would offer Qt's own options.
  fParser.addOption(QCommandLineOption({"h", "help"}, "Show this help."));
}

void CommandLine::AddArgument(const char* name, const char* description) {
  AddPositional(name, description, name);
  ++fRequired;
}

void CommandLine::AddRemainingArguments(const char* name, const char* description) {
  AddPositional(name, description, "[" + std::string(name) + "...]");
  fRemaining = true;
}

void CommandLine::AddPositional(const char* name, const char* description, const std::string& syntax) {
  fParser.addPositionalArgument(Text(name), Text(description), QString::fromStdString(syntax));
  fSyntax += " " + syntax;
}

void CommandLine::AddOption(const char* name, const char* valueName, const char* description) {
  fParser.addOption(QCommandLineOption(Text(name), Text(description), Text(valueName)));
}

void CommandLine::AddFlag(const char* name, const char* description) {
  fParser.addOption(QCommandLineOption(Text(name), Text(description)));
}

void CommandLine::AddJsonFlag() { AddFlag("json", "Print JSON instead of text."); }

bool CommandLine::Parse(const QStringList& arguments) {
  QStringList all{QStringLiteral("qxr")};
  all += arguments;
  if (!fParser.parse(all)) UsageFailure(*this, fParser.errorText().toStdString());
  if (fParser.isSet("help")) return false;
  CheckArgumentCount();
  return true;
}

std::string CommandLine::HelpText() const {
  // Qt's usage line names the program by its full path; ours names the command.
  const QString qtText = fParser.helpText();
  return "Usage: qxr " + std::string(fCommand.name) + " [options]" + fSyntax +
         qtText.mid(qtText.indexOf('\n')).trimmed().prepend('\n').toStdString();
}

void CommandLine::CheckArgumentCount() const {
  const std::size_t given = static_cast<std::size_t>(fParser.positionalArguments().size());
  if (given < fRequired) UsageFailure(*this, "missing argument");
  if (!fRemaining && given > fRequired) UsageFailure(*this, "too many arguments");
}

std::string CommandLine::Argument(std::size_t index) const {
  return fParser.positionalArguments().at(static_cast<qsizetype>(index)).toStdString();
}

std::vector<std::string> CommandLine::ArgumentsFrom(std::size_t index) const {
  std::vector<std::string> rest;
  const auto all = fParser.positionalArguments();
  for (qsizetype i = static_cast<qsizetype>(index); i < all.size(); ++i) rest.push_back(all[i].toStdString());
  return rest;
}

bool CommandLine::IsSet(const char* name) const { return fParser.isSet(Text(name)); }

std::optional<std::string> CommandLine::Value(const char* name) const {
  if (!IsSet(name)) return std::nullopt;
  return fParser.value(Text(name)).toStdString();
}

std::string CommandLine::RequiredValue(const char* name) const {
  const auto value = Value(name);
  if (!value) UsageFailure(*this, std::string("missing option --") + name);
  return *value;
}

std::int64_t CommandLine::IntegerValue(const char* name, std::int64_t min, std::int64_t max) const {
  const std::string text = RequiredValue(name);
  const auto value = ParseInteger(text, min, max);
  if (!value)
    UsageFailure(*this, "--" + std::string(name) + " needs a number from " + std::to_string(min) + " to " +
                            std::to_string(max) + ", not \"" + text + "\"");
  return *value;
}

}  // namespace qxr
