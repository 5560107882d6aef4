// Whole-file reads and atomic whole-file writes, shared by the property-list
// and text-file units. A write goes to a temporary file in the same folder,
// is flushed to disk and then renamed over the target, so a reader sees
// either the old content or the new one, never a half-written file.
//
//   if (!platform::writeFileAtomically(path, bytes)) { /* old file untouched */ }
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The whole file, or none when it does not exist or cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Answers false, leaving any old file as it was, when the folder is missing,
// the disk is full or the rename fails.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Test mode: makes the next writes stop just before the rename, as if the
// process died there; the temporary file stays behind and the write answers false.
enum class AtomicWriteFault { None, CrashBeforeRename };
void setAtomicWriteFaultForTesting(AtomicWriteFault fault);

} // namespace platform
