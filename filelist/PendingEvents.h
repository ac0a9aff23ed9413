// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_PENDINGEVENTS_H
#define QUORLITH_FILELIST_PENDINGEVENTS_H

// Lets the GUI thread's pending events run once, as QCoreApplication::processEvents does, and
// answers whether the application may go on. QCoreApplication::quit only ends the event loops that
// are running and sends no event, so long work inside a slot can see that the application was
// told to quit only by running an event loop of its own: it ends at once, and this answers false.
bool ProcessPendingEvents();

#endif
