#pragma once
// What `qxr import` refuses before it writes anything: input the JSON parser
// would take silently but that makes a wrong rights file. Each refusal is a
// Failure(ExitFileError) that names the JSON path ("users[4].login: ...").
#include <cstdint>
#include <span>

#include "rights/rechte_datei.h"

namespace qxr {

// A key given twice in one object: the parser keeps one of them unseen.
// The bytes must already have parsed as JSON.
void CheckNoDuplicateKeys(std::span<const std::uint8_t> json);

// Records as read from the JSON, in its order: numbers used twice in a list,
// logins used twice (compared as sign-in compares them), memberships,
// equivalences and rights of users or groups that are not in the file.
void CheckImportedRecords(const rights::TRechteDatei& file);

}  // namespace qxr
