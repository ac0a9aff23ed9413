// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_OPENFILEROOM_H
#define QUORLITH_PLATFORM_OPENFILEROOM_H

// How many more files the process may open before the system refuses: the soft limit on open
// descriptors is raised to the hard one first, then those open now are taken off. False when the
// system sets no limit a program could reach, or the limit cannot be told.
bool OpenFileRoom(long* room);

#endif
