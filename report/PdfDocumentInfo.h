// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFDOCUMENTINFO_H
#define QUORLITH_REPORT_PDFDOCUMENTINFO_H

#include "report/PdfTap.h"

#include <QString>

// What a report's document properties say beyond the title and creator that Qt's PDF output sets.
struct PdfDocumentInfo
{
    QString subject;
    QString author; // empty: none
};

// Appends to device, after the PDF that passed through tap, an update of the document: the document
// information and the XMP metadata as Qt wrote them, with the subject and the author added to both, so
// that the two still agree as PDF/A-1 asks and pdfinfo shows them. The pages are not touched. false when
// the device refuses the update, or when the PDF does not hold what is to be updated, in which case
// nothing was appended.
bool AppendDocumentInfo(QIODevice* device, const PdfTap& tap, const PdfDocumentInfo& info);

#endif
