#pragma once
// The nine suite modules, their letters and captions, module strings and the
// general client rights.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rights {

enum class TRightsPrgModules : std::uint8_t {
  moNothing = 0,
  moLedger,
  moOpenItems,
  moBilling,
  moBudget,
  moAssets,
  moFigures,
  moLease,
  moFLG,
};

constexpr int ModuleCount = 9;

// Letter of module k at position k (1-based).
constexpr std::string_view ModuleLetters = "KIBUTYVWC";

// Indexed 1..9; index 0 is empty.
extern const std::array<std::string_view, ModuleCount + 1> ModuleShortCaptions;
extern const std::array<std::string_view, ModuleCount + 1> ModuleCaptions;

// A set of modules by position: position k holds the letter of module k or a blank.
using TModulesStr = std::string;

TModulesStr EmptyModulesStr();
TModulesStr AllModulesStr();

// Letter of module k (1..9), or a blank outside that range.
char ModuleLetter(int module);

// Module number 1..9 of a letter, or 0 when it is no module letter.
int ModuleOfLetter(char letter);

// True when S has at least nine characters and the letter stands in one of them.
bool ModuleInStr(char letter, const TModulesStr& s);

// Puts the letter at its module position (or a blank there when remove is true);
// a character that is no module letter changes nothing.
void SetModuleLetter(char letter, TModulesStr& s, bool remove);

// General client rights: numbers 101..107, stored for client 0.
constexpr int FirstGeneralRight = 101;
constexpr int LastGeneralRight = 107;
extern const std::array<std::string_view, LastGeneralRight - FirstGeneralRight + 1>
    GeneralRightCaptions;

// Caption of general client right id, empty outside 101..107.
std::string_view GeneralRightCaption(int id);

}  // namespace rights
