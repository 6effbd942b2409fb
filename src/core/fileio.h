#pragma once

#include "result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace penvaro::core {

// The reason of a failed system call in German.
std::string DescribeSystemError(int errorNumber);

// "Beim Lesen von FILE: reason" and "Beim Schreiben von FILE: reason".
Error ReadFailure(const std::filesystem::path &path, int errorNumber);
Error WriteFailure(const std::filesystem::path &path, int errorNumber);
Error ExistingTargetFailure(const std::filesystem::path &path);

// Reads the whole records of a file of fixed-size records; trailing bytes of a partial record
// are left out. A file of more than maxRecords records is refused before anything is read.
Result<std::vector<std::uint8_t>> ReadRecords(const std::filesystem::path &path,
                                              std::size_t recordSize, std::size_t maxRecords);

// Creates an empty file readable by its owner only; an existing file is an error.
Result<void> CreateEmptyFile(const std::filesystem::path &path);

// Reads a whole file as bytes in a string; a file larger than maxBytes is refused unread.
Result<std::string> ReadWholeFile(const std::filesystem::path &path, std::size_t maxBytes);

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
