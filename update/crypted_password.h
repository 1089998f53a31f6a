#pragma once
// The scrambled form in which FTPCFG.INI and update.ini keep account passwords:
// the envelope "<length>\t<password><filler>" passed through UnscrambleText and
// written as two upper-case hexadecimal digits per byte. Texts are UTF-8 here
// and Windows-1252 inside the envelope.
#include <functional>
#include <string>

namespace update {

// Gives one filler character (codes 33 to 245); tests pass a fixed one.
using TFillerSource = std::function<unsigned char()>;

std::string EncryptPassword(const std::string& password);
std::string EncryptPassword(const std::string& password, const TFillerSource& filler);
// The password of a scrambled value; empty when the text is no even run of
// hexadecimal digits, holds no TAB or no valid length.
std::string DecryptPassword(const std::string& hexText);

}  // namespace update
