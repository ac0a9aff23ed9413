// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_READONLYFILE_H
#define QUORLITH_PLATFORM_READONLYFILE_H

#include "platform/FileStatus.h"

#include <cstddef>
#include <cstdint>

// Reading evidence files the same way on every system. Paths are UTF-8 and of any length. An open
// file is an int on every system: a descriptor on POSIX, a C runtime descriptor that owns the file's
// handle on Windows. Failures answer -1 and leave an errno value in errno (Windows errors are turned
// into the nearest one), so that callers tell them apart alike everywhere.

// A file that another program holds locked against reading: not a fault of the file, and gone once
// that program lets go.
const int kFileInUseError = 16; // EBUSY on every system this builds on

// Opens an existing file for reading only, never blocking (a FIFO does not wait for a writer), never
// becoming a controlling terminal, not inherited by child processes. On Windows others may go on
// reading, writing and deleting it meanwhile, so the verification never locks evidence. Folders open
// too, for their status. The file descriptor, or -1.
int OpenForReading(const char* path);

// As OpenForReading, for evidence: where the system allows it (Linux, for the file's owner or a
// privileged user) the file is read without moving its last access time, so that a later report does not
// give this reading as the last access before verifying; elsewhere it opens as OpenForReading does,
// silently. *accessTimeKept says which.
int OpenEvidenceForReading(const char* path, bool* accessTimeKept);

// Closes what OpenForReading opened.
void CloseFile(int fd);

// Reads up to length bytes at offset without using or moving the file's position, so that several
// threads may read one open file. The number read, 0 at the end of the file, or -1.
int64_t ReadAt(int fd, int64_t offset, void* buffer, size_t length);

// 0 and *status, or -1.
int StatusOfFile(int fd, FileStatus* status);

// 0 and *status, or -1. Without followLinks a link at the end of the path is described itself.
int StatusOfPath(const char* path, bool followLinks, FileStatus* status);

#endif
