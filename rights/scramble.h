#pragma once
// The keyless byte scrambling of every text stored in the rights file.
#include <string>

namespace rights {

// Works on the stored (Windows-1252) bytes; texts of up to two bytes stay unchanged.
void ScrambleText(std::string& bytes);
void UnscrambleText(std::string& bytes);

}  // namespace rights
