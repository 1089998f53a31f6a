#pragma once
// The rules an administrator password must pass, shared by the administration
// program and the command-line tool.
#include <string>

namespace rights {

// True when the UTF-8 password may be used: at least six characters, and
// neither the digits 1, 2, 3, ... in order, nor the letters A, B, C, ... in
// order (in either case), nor one character repeated.
bool ValidAdmPW(const std::string& Password);

}  // namespace rights
