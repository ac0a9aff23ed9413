// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_SWAPATOPEN_H
#define QUORLITH_TESTS_SUPPORT_SWAPATOPEN_H

#include <QByteArray>

// Plays another program that swaps a file for a moment, at the one moment that matters and on every
// run: for as long as it lives, an openat(2) of exactly path exchanges path's folder with otherFolder
// (RENAME_EXCHANGE) just before the file is opened and exchanges them back just after, so that the
// descriptor is of otherFolder's file of the same name while path names its own file before and after,
// with the state it had. The files themselves are not touched. The test program's own openat stands in
// front of the C library's. Swaps() counts the opens it swapped around.
class SwapAtOpen
{
public:
    SwapAtOpen(const QByteArray& path, const QByteArray& otherFolder);
    ~SwapAtOpen();
    SwapAtOpen(const SwapAtOpen&) = delete;
    SwapAtOpen& operator=(const SwapAtOpen&) = delete;

    int Swaps() const;
};

#endif
