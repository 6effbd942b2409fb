#pragma once

#include "result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace penvaro::core {

// The reason of a failed system call in German.
std::string DescribeSystemError(int errorNumber);

// "Beim Lesen von FILE: reason" and "Beim Schreiben von FILE: reason".
Error ReadFailure(const std::filesystem::path &path, int errorNumber);
Error WriteFailure(const std::filesystem::path &path, int errorNumber);
Error ExistingTargetFailure(const std::filesystem::path &path);

enum class ExistingFile { Replace, Keep };

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and renames
// it over the target, so that a failure at any point leaves the previous file whole. A new
// file is readable by its owner only; a replaced file keeps its permissions. With
// ExistingFile::Keep an existing target is never replaced, not even one that appears while
// the bytes are written; the error then has the kind TargetExists.
Result<void> WriteFileAtomically(const std::filesystem::path &path,
                                 std::span<const std::uint8_t> bytes,
                                 ExistingFile existing = ExistingFile::Replace);

} // namespace penvaro::core
