#ifndef QUORLITH_VERDICT_FILESNAPSHOT_H
#define QUORLITH_VERDICT_FILESNAPSHOT_H

#include <sys/stat.h>

// What identifies a file's state: which file it is, its size and its modification and change
// times to the nanosecond. Two equal snapshots taken around a read mean the read saw one version.
class FileSnapshot
{
public:
    // From a path (following links, as opening it would) or an open descriptor; false on failure.
    bool TakeOfPath(const char* path);
    bool TakeOfDescriptor(int fd);

    const struct stat& Status() const { return status; }
    bool SameFileAndState(const FileSnapshot& other) const;

private:
    struct stat status = {};
};

#endif
