#pragma once
// Turns the answers of MLSD and LIST into listing entries. LIST has no fixed
// form: the Unix ("ls -l") and the DOS/IIS forms are understood; lines in any
// other form (totals, banners, damaged lines) are skipped.
#include <optional>
#include <string_view>

#include "update/ftp_file_list.h"

namespace update {

// One line of an MLSD answer ("fact=value;...; name"); none for "." and "..",
// for links and for lines without a name.
std::optional<TFtpFileListItem> ParseMlsdLine(std::string_view line);
// One line of a LIST answer in the Unix or DOS form; none otherwise.
// currentYear fills the year of Unix lines that give a time instead.
std::optional<TFtpFileListItem> ParseListLine(std::string_view line, int currentYear);

// A whole answer, lines separated by CR LF or LF.
TQVFtpFileList ParseFtpListing(std::string_view text, bool mlsd, int currentYear);

}  // namespace update
