#pragma once

#include "atomicfile.h"
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

// Removes the temporary copies that a program stopped during a write left beside the file:
// those of earlier versions (".NAME.XXXXXX") and every abandoned one of AtomicFile in its
// folder. Only for the program that holds the file's lock: then nobody else is writing it,
// and every copy, however young, is left over.
void RemoveLeftTemporaryFiles(const std::filesystem::path &file);

// Creates an empty file readable by its owner only; an existing file is an error.
Result<void> CreateEmptyFile(const std::filesystem::path &path);

// Reads a whole file as bytes in a string; a file larger than maxBytes is refused unread.
Result<std::string> ReadWholeFile(const std::filesystem::path &path, std::size_t maxBytes);

// Whether this user may change the existing file: its permissions must let the user write
// it, also for the superuser, whom the system lets write anything. A file that does not exist
// may be created. The error has the kind ReadOnly.
Result<void> CheckMayChange(const std::filesystem::path &path);

// Writes the bytes through an AtomicFile: the target is replaced only by a whole file on disk,
// and never when it is one the program holds open, a directory, a device, a pipe or a socket.
// A new file is readable by its owner only. With ExistingFile::Keep an existing target is
// never replaced, not even one that appears while the bytes are written; the error then has
// the kind TargetExists.
Result<void> WriteFileAtomically(const std::filesystem::path &path,
                                 std::span<const std::uint8_t> bytes, WriteOptions options = {});
Result<void> WriteFileAtomically(const std::filesystem::path &path,
                                 std::span<const std::uint8_t> bytes, ExistingFile existing);

} // namespace penvaro::core
