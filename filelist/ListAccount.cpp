// SPDX-License-Identifier: Apache-2.0
#include "filelist/ListAccount.h"

#include <algorithm>
#include <set>
#include <unordered_set>
#include <utility>

namespace {

// Whether inner is outer or lies below it.
bool Within(const std::string& inner, const std::string& outer)
{
    if (inner.compare(0, outer.size(), outer) != 0)
        return false;
    return inner.size() == outer.size() || (!outer.empty() && outer.back() == '/') ||
           inner[outer.size()] == '/';
}

} // namespace

void ListAccount::FolderGiven(const std::string& folder)
{
    std::vector<SkippedEntry>* skipped = Skipped();
    for (const std::string& earlier : folders) {
        if (Within(folder, earlier))
            skipped->push_back({folder, SkippedEntry::Why::SearchedAlready});
        else if (Within(earlier, folder))
            skipped->push_back({earlier, SkippedEntry::Why::SearchedAlready});
    }
    if (std::find(folders.begin(), folders.end(), folder) == folders.end())
        folders.push_back(folder);
}

std::optional<std::vector<SkippedEntry>> ListAccount::LeftOut() const
{
    if (!leftOut)
        return std::nullopt;
    std::vector<SkippedEntry> once;
    std::set<std::pair<std::string, SkippedEntry::Why>> seen;
    for (const SkippedEntry& entry : *leftOut) {
        if (seen.insert({entry.path, entry.why}).second)
            once.push_back(entry);
    }
    return once;
}

std::vector<SkippedEntry>* ListAccount::Skipped()
{
    if (!leftOut)
        leftOut.emplace();
    return &*leftOut;
}

void ListAccount::Handed(const std::string& path)
{
    const auto inserted = fates.try_emplace(path);
    if (inserted.second)
        order.push_back(path);
    ++inserted.first->second.waiting;
}

void ListAccount::Listed(const std::string& path)
{
    Fate& fate = fates[path];
    --fate.waiting;
    ++fate.rows;
}

void ListAccount::NotVerified(const std::string& path)
{
    Fate& fate = fates[path];
    --fate.waiting;
    fate.last = NotInReport::Why::Cancelled;
}

void ListAccount::GoneAtItsTurn(const std::string& path)
{
    Fate& fate = fates[path];
    --fate.waiting;
    fate.last = NotInReport::Why::Gone;
}

void ListAccount::Removed(const std::string& path)
{
    Fate& fate = fates[path];
    --fate.rows;
    fate.last = NotInReport::Why::Removed;
}

void ListAccount::Forget()
{
    *this = ListAccount();
}

ReportAccount ListAccount::For(const std::vector<std::string>& reported) const
{
    ReportAccount account;
    account.folders = folders;
    const std::unordered_set<std::string> held(reported.begin(), reported.end());
    for (const std::string& path : order) {
        if (held.count(path) != 0)
            continue;
        const Fate& fate = fates.at(path);
        NotInReport::Why why = fate.last;
        if (fate.rows > 0)
            why = NotInReport::Why::NotSelected;
        else if (fate.waiting > 0)
            why = NotInReport::Why::Waiting;
        account.notInReport.push_back({path, why});
    }
    return account;
}
