// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_VERDICTTEXT_H
#define QUORLITH_VERDICT_VERDICTTEXT_H

#include "verdict/VerificationResult.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// A verdict in words for people, in the installed translation (English without one): the window's
// tooltips and details and the printed report say the same things in the same words. The verdicts and
// the column names are the window's own texts; the words about key sets are looked up in the context
// "KeySetWords", everything else in the context "VerdictText".
class VerdictText
{
    Q_DECLARE_TR_FUNCTIONS(VerdictText)

public:
    static QString Verdict(bool authentic);
    // One plain sentence; empty for an authentic file.
    static QString Reason(const VerificationResult& result);
    // Whether the result is about a folder given or met by the search, not a file: one without evidence,
    // or one that could not be read.
    static bool NamesAFolder(const VerificationResult& result);
    // The coverage of a partly protected authentic file in one sentence; empty otherwise.
    static QString CoverageSentence(const VerificationResult& result);
    // What the row's tooltip says: the reason of a failure, or the coverage sentence. When other sets
    // than the built-in one were tried, a content mismatch names the set that opened the block.
    static QString ToolTip(const VerificationResult& result);
    // The key set the verdict rests on, by name and fingerprint, or that none of those tried opened the
    // watermark block.
    static QString KeySet(const VerificationResult& result);

    static QString Note(const CoverageNote& note);
    // "12 345 bytes" style without grouping, so the digits read the same in every locale.
    static QString Bytes(int64_t count);
    static QString DigestMode(int digestMode);
    static QString Ranges(const Coverage& coverage);

    // Labels of the details and of the report's file blocks, in their order.
    enum class Field
    {
        Path,
        Size,
        Verdict,
        Reason,
        KeySet,
        Marker,
        Version,
        Hmac,
        StartTime,
        StopTime,
        TimeSource,
        Serial,
        CamMac,
        DigestMode,
        ProtectedBytes,
        UnprotectedRanges,
        Notes,
        Sha256,
    };
    static QString Label(Field field);
    // "Label: value".
    static QString Line(Field field, const QString& value);

    // A record field as text: bytes that are not UTF-8 and control characters are shown as \xNN,
    // characters that show nothing or reorder the text as \u{XXXX} and a backslash as \\, so that two
    // different names never read alike.
    static QString Display(const std::string& bytes);
    // text laid out left to right in the order it is stored, whatever its letters: a path or name is
    // drawn inside a left-to-right override, so that no right-to-left letter reorders a run of it
    // ("bidi/" U+05D0 "-12.jpg" never reads as "bidi/12-" U+05D0 ".jpg"). Only for drawing: the override's
    // two characters are no part of what is stored, written or copied.
    static QString InStoredOrder(const QString& text);

    // A path as text, the same way, but with the system's separators as they are (ToReversiblePath):
    // on Windows C:\Evidence\still.jpg, not C:\\Evidence\\still.jpg.
    static QString DisplayPath(const std::string& bytes);

    // The last name of a path as DisplayPath writes it: the file name a column of names shows.
    static QString DisplayName(const std::string& path);

    // The whole result as labelled values, in the order of the details and the report's file blocks.
    // sha256Text stands in the SHA-256 value (a digest, or a word saying it is being computed).
    struct Detail
    {
        Field field;
        QString value;
    };
    static QVector<Detail> Details(const VerificationResult& result, const QString& sha256Text);
    // The same as "Label: value" lines, as the details window shows and copies them.
    static QStringList DetailLines(const VerificationResult& result, const QString& sha256Text);

private:
    static QString UnreadableSentence(const VerificationResult& result);
};

#endif
