// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFDOCUMENTINFO_H
#define QUORLITH_REPORT_PDFDOCUMENTINFO_H

#include "report/PdfTap.h"

#include <QDateTime>
#include <QString>

#include <functional>

// What a report's document properties say beyond the title and creator that Qt's PDF output sets.
struct PdfDocumentInfo
{
    QString subject;
    QString author; // empty: none
    // The report's own facts beyond the standard properties, each empty when not given, written in both
    // places under the names Organisation, Note and ReportIdentifier.
    QString organisation;
    QString note;
    QString reportId;
    // The instant the report names as its making: the creation and modification dates become it.
    QDateTime written;
    // For a character a font's character map names, the one drawn instead with the same glyph, or 0
    // (GlyphCheck::DrawnAlike); the maps are mended with it (DrawnCharacterMap).
    std::function<char32_t(char32_t)> drawnAlike;
};

// Appends to device, after the PDF that passed through tap, an update of the document: the document
// information and the XMP metadata as Qt wrote them, with the subject and the author added to both and
// the dates set to the instant the report names, and the fonts' character maps naming the characters
// drawn, so
// that the two still agree as PDF/A-1 asks and pdfinfo shows them; and when Qt hung more pages from its
// page tree's root than PDF/A-1 lets an array hold, a balanced page tree (BalancedPageTree). What the
// pages show is not touched. false when
// the device refuses the update, or when the PDF does not hold what is to be updated, in which case
// nothing was appended.
bool AppendDocumentInfo(QIODevice* device, const PdfTap& tap, const PdfDocumentInfo& info);

#endif
