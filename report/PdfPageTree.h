// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFPAGETREE_H
#define QUORLITH_REPORT_PDFPAGETREE_H

#include "report/PdfTap.h"

#include <QByteArray>

#include <map>
#include <vector>

// PDF/A-1 keeps PDF 1.4's limit of 8,191 elements to an array, and Qt hangs every page from one node,
// so a report of more pages would break it. No node of this tree holds more kids than this.
constexpr int kPdfMaxKids = 128;

// When more than kPdfMaxKids pages hang from their root, the objects that hang them from a balanced tree
// under the same root instead, by object number, each as the dictionary that follows "N 0 obj": the root
// again, new intermediate nodes numbered from firstFree on, and every page again with its new parent.
// Empty when the pages may stay as they are, or when they do not all hang from one root.
std::map<int, QByteArray> BalancedPageTree(const std::vector<PdfPageObject>& pages, int firstFree);

#endif
