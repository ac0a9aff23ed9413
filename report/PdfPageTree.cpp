// SPDX-License-Identifier: Apache-2.0
#include "report/PdfPageTree.h"

namespace {

struct TreeNode
{
    int number = 0;
    long long count = 0; // pages below
    std::vector<int> kids;
};

QByteArray Reference(int number)
{
    return QByteArray::number(number) + " 0 R";
}

QByteArray NodeDictionary(const TreeNode& node, int parent)
{
    QByteArray kids;
    for (const int kid : node.kids)
        kids += (kids.isEmpty() ? "" : " ") + Reference(kid);
    QByteArray dictionary = "<<\n/Type /Pages\n";
    if (parent > 0)
        dictionary += "/Parent " + Reference(parent) + "\n";
    return dictionary + "/Kids [" + kids + "]\n/Count " + QByteArray::number(node.count) + "\n>>\n";
}

} // namespace

std::map<int, QByteArray> BalancedPageTree(const std::vector<PdfPageObject>& pages, int firstFree)
{
    std::map<int, QByteArray> objects;
    if (pages.size() <= static_cast<size_t>(kPdfMaxKids))
        return objects;
    const int root = pages.front().parent;
    for (const PdfPageObject& page : pages) {
        if (page.parent != root)
            return objects;
    }
    std::map<int, int> parentOf;
    std::vector<TreeNode> level;
    for (const PdfPageObject& page : pages)
        level.push_back({page.number, 1, {}});
    std::vector<TreeNode> inner;
    int next = firstFree;
    // Each level spreads its nodes evenly over as few parents as take them, so that every page stands
    // at the same depth.
    while (level.size() > static_cast<size_t>(kPdfMaxKids)) {
        const size_t groups = (level.size() + kPdfMaxKids - 1) / kPdfMaxKids;
        std::vector<TreeNode> upper;
        for (size_t group = 0; group < groups; ++group) {
            TreeNode node;
            node.number = next++;
            for (size_t i = level.size() * group / groups; i < level.size() * (group + 1) / groups; ++i) {
                node.kids.push_back(level[i].number);
                node.count += level[i].count;
                parentOf[level[i].number] = node.number;
            }
            upper.push_back(node);
        }
        inner.insert(inner.end(), upper.begin(), upper.end());
        level = upper;
    }
    TreeNode top;
    top.number = root;
    for (const TreeNode& node : level) {
        top.kids.push_back(node.number);
        top.count += node.count;
        parentOf[node.number] = root;
    }
    objects[root] = NodeDictionary(top, 0);
    for (const TreeNode& node : inner)
        objects[node.number] = NodeDictionary(node, parentOf[node.number]);
    for (const PdfPageObject& page : pages)
        objects[page.number] =
            "<<\n/Type /Page\n/Parent " + Reference(parentOf[page.number]) + "\n" + page.rest + ">>\n";
    return objects;
}
