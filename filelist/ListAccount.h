// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_LISTACCOUNT_H
#define QUORLITH_FILELIST_LISTACCOUNT_H

#include "report/ReportAccount.h"
#include "verdict/SkippedEntry.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// What the window remembers, since its list was last emptied, of everything it was given: the folders
// searched, what their searches did not take, and what became of each file handed to a run (listed,
// removed by the examiner, never verified because the run was cancelled, gone when its turn came). A
// report of the list accounts with it for every file, also those it does not hold.
class ListAccount
{
public:
    // A folder is about to be searched; its search adds what it does not take to Skipped(). A folder
    // given again, or one below or above a folder given before, is searched again by the window, but a
    // report takes each of its entries once and says so.
    void FolderGiven(const std::string& folder);
    std::vector<SkippedEntry>* Skipped();
    // What the folder searches did not take, each entry once; none when no folder was searched.
    std::optional<std::vector<SkippedEntry>> LeftOut() const;

    // A path handed to a run, and what became of it there; a path may be handed over more than once.
    void Handed(const std::string& path);
    void Listed(const std::string& path);
    void NotVerified(const std::string& path);
    void GoneAtItsTurn(const std::string& path);
    // One row of path left the list on the examiner's command.
    void Removed(const std::string& path);

    // The list is empty again: files added afterwards are reported without what came before.
    void Forget();

    // For a report that holds the files at reported: the folders searched and every other file handed
    // over, in the order they were first handed over, each once.
    ReportAccount For(const std::vector<std::string>& reported) const;

private:
    struct Fate
    {
        int waiting = 0;
        int rows = 0;
        NotInReport::Why last = NotInReport::Why::Removed;
    };

    std::vector<std::string> folders;
    std::optional<std::vector<SkippedEntry>> leftOut;
    std::vector<std::string> order;
    std::unordered_map<std::string, Fate> fates;
};

#endif
