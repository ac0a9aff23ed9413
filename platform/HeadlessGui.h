// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_HEADLESSGUI_H
#define QUORLITH_PLATFORM_HEADLESSGUI_H

// The Qt platform plug-in that lays out text for a printed report without showing anything and without
// a display: "offscreen" on POSIX systems, which may have no display server at all (a server, ssh);
// "windows" on Windows, where every process has a desktop to measure fonts on, and whose system fonts
// only that plug-in finds.
const char* HeadlessGuiPlugin();

#endif
