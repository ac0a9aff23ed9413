// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_FILEDIALOGHISTORY_H
#define QUORLITH_FILELIST_FILEDIALOGHISTORY_H

// Qt's file dialog keeps the folders it showed in the user's QtProject.conf (group FileDialog, keys
// history and lastVisited) and offers them the next time, also to another program. The folders of a
// case are not to be left there: this removes them, and leaves the dialog's own view settings (view
// mode, column widths, side bar) as they are.
void ForgetFileDialogFolders();

#endif
