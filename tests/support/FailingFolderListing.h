// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_FAILINGFOLDERLISTING_H
#define QUORLITH_TESTS_SUPPORT_FAILINGFOLDERLISTING_H

#include <QByteArray>

// Plays a folder whose listing breaks off, as on a failing disk: for as long as it lives, readdir(3)
// gives every entry of folder and then fails with error where the listing would end, so that nothing
// tells the entries read from the whole folder but the error. Other folders are listed as they are.
// The test program's own readdir stands in front of the C library's. Set() says whether folder was
// found; Failures() counts the listings it broke off.
class FailingFolderListing
{
public:
    FailingFolderListing(const QByteArray& folder, int error);
    ~FailingFolderListing();
    FailingFolderListing(const FailingFolderListing&) = delete;
    FailingFolderListing& operator=(const FailingFolderListing&) = delete;

    bool Set() const { return set; }
    int Failures() const;

private:
    bool set = false;
};

#endif
