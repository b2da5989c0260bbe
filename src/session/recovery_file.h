// The recovery files: where they are, what they are called, and how one is
// told apart from anything else found there before it is offered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "formats/project_file.h"

namespace tw {

inline constexpr const char* kRecoveryOffer =
    "A boundary from the last session was not saved. Open it?";

// A folder of the program's own inside the settings folder: nothing a user
// saves belongs there, so nothing of the user's is ever taken for a recovery
// file, and the other way round.
std::string RecoveryFolder(const std::string& settings_folder);

// Slot 0 is "recovery.twc" with its lock "recovery.lock"; a copy that finds
// it taken uses "recovery-2.twc" and "recovery-2.lock", and so on.
std::string RecoverySlotFile(const std::string& folder, int slot);
std::string LockFileOf(const std::string& recovery_file);
// Where a file that is no boundary is set aside: never deleted.
std::string UnreadableNameOf(const std::string& recovery_file);

// True for a path inside the recovery folder (compared as absolute,
// normalised paths, links in the folders above resolved): such a file is
// the program's, never a target of Save or Save As.
bool IsInRecoveryFolder(const std::string& path, const std::string& settings_folder);
// Said when Save or Save As is pointed at one of them.
std::string OwnFileRefusedMessage(std::string_view path);

struct RecoveryFileEntry {
  std::string path;
  int64_t modified_ns = 0;
};
// The regular files named like slot files (links and folders left out),
// newest first.
std::vector<RecoveryFileEntry> ListRecoveryFiles(const std::string& folder);

// Files above this size are no recovery file the program could have written
// to be read in time; they are set aside unread.
inline constexpr uint64_t kLargestRecoveryFile = uint64_t{1} << 30;

// The first bytes decide quickly: "" when they may start a recovery file,
// else why they cannot. A file is read as the program writes it.
std::string RecoveryHeadProblem(std::string_view head, uint64_t size);
// The whole file: line 1 ":" and a version, line 2 a header that reads, every
// later line an entry that reads, no NUL byte anywhere.
Result<ProjectFile> ReadRecoveryBytes(std::string_view bytes);

// Said once for the files set aside at a start.
std::string SetAsideMessage(const std::vector<std::string>& aside);

}  // namespace tw
