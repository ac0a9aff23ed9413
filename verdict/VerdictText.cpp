// SPDX-License-Identifier: Apache-2.0
#include "verdict/VerdictText.h"

#include "verdict/PathText.h"
#include "verdict/TextEscaping.h"
#include "verdict/UnreadableWords.h"

QString VerdictText::Verdict(bool authentic)
{
    return authentic ? QCoreApplication::translate("QObject", "Authentication succeeded")
                     : QCoreApplication::translate("QObject", "Authentication failed");
}

QString VerdictText::Reason(const VerificationResult& result)
{
    switch (result.reason) {
    case VerdictReason::None:
        return QString();
    case VerdictReason::NotFound:
        return tr("The file does not exist.");
    case VerdictReason::NotAFile:
        return tr("This is not a regular file.");
    case VerdictReason::Unreadable:
        return UnreadableSentence(result);
    case VerdictReason::TooSmall:
        return tr("The file is empty or too small to hold a watermark block.");
    case VerdictReason::UnsupportedType:
        return tr("The file name does not end in .jpg, .avi, .mp4 or .mxg.");
    case VerdictReason::TrailerUnreadable:
        return tr("The watermark block cannot be read.");
    case VerdictReason::NoWatermark:
        if (!result.builtInKeySetOnly)
            return result.keySetsTried == 1
                       ? QCoreApplication::translate(
                             "KeySetWords", "No watermark opens with the one key set tried: the file has no "
                                            "watermark, or it was made with another key, or it is damaged.")
                       : QCoreApplication::translate(
                             "KeySetWords",
                             "No watermark opens with any of the %1 key sets tried: the file has "
                             "no watermark, or it was made with a key that none of them holds, "
                             "or it is damaged.")
                             .arg(QString::number(result.keySetsTried));
        return tr("No watermark opens with the built-in recorder key: the file has no watermark, or it was "
                  "made with another key, or it is damaged.");
    case VerdictReason::BadMarker:
        return tr("The watermark record has a marker that this program does not accept.");
    case VerdictReason::UnsupportedVersion:
        return tr("The watermark record's version is neither 1.0 nor 1.1.");
    case VerdictReason::ContainerInvalid:
        return tr(
            "The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.");
    case VerdictReason::ContentMismatch:
        return tr("The content does not match the digest in the watermark: it was changed, or the digest "
                  "in the record is not in the expected form.");
    case VerdictReason::OtherTypeContent:
        return tr("The content is of another type than the ending of the file name says: the watermark block "
                  "lies where another type of file keeps it. Was the file renamed?");
    case VerdictReason::SystemError:
        return tr(
            "The computer failed while the file was being checked (no memory or file handles were left, "
            "or the disk reported a read error); nothing is known about the file itself. Check it again.");
    case VerdictReason::InUse:
        return tr(
            "Another program holds the file locked, so it could not be read; nothing is known about the "
            "file itself. Close that program and check the file again.");
    case VerdictReason::NoEvidence:
        return tr(
            "This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.");
    }
    return QString();
}

// The sentence of the text output's detail, in the user's language, with the system's words as it gave
// them; a reason without the system's words says only that the file cannot be read.
QString VerdictText::UnreadableSentence(const VerificationResult& result)
{
    UnreadableThing thing = UnreadableThing::File;
    std::string systemWords;
    if (!SplitUnreadableDetail(result.reasonDetail, &thing, &systemWords))
        return tr("The file cannot be read.");
    const QString words = Display(systemWords);
    switch (thing) {
    case UnreadableThing::Folder:
        return QCoreApplication::translate("UnreadableWords", "The folder cannot be read: %1.").arg(words);
    case UnreadableThing::Entry:
        return QCoreApplication::translate("UnreadableWords", "The entry cannot be examined: %1.").arg(words);
    case UnreadableThing::File:
        break;
    }
    return QCoreApplication::translate("UnreadableWords", "The file cannot be read: %1.").arg(words);
}

bool VerdictText::NamesAFolder(const VerificationResult& result)
{
    UnreadableThing thing = UnreadableThing::File;
    std::string systemWords;
    return result.reason == VerdictReason::NoEvidence ||
           (result.reason == VerdictReason::Unreadable &&
            SplitUnreadableDetail(result.reasonDetail, &thing, &systemWords) &&
            thing == UnreadableThing::Folder);
}

QString VerdictText::CoverageSentence(const VerificationResult& result)
{
    if (!result.authentic || !result.hasCoverage || !result.coverage.partial)
        return QString();
    return tr("The digest protects only %1 of the %2 bytes of this file.")
        .arg(QString::number(result.coverage.protectedBytes), QString::number(result.file.size));
}

QString VerdictText::ToolTip(const VerificationResult& result)
{
    if (result.authentic)
        return CoverageSentence(result);
    if (result.reason == VerdictReason::ContentMismatch && !result.builtInKeySetOnly &&
        !result.keySetName.empty())
        return Reason(result) + QLatin1Char(' ') +
               QCoreApplication::translate("KeySetWords", "The watermark block opened with the key set %1.")
                   .arg(Display(result.keySetName));
    return Reason(result);
}

QString VerdictText::KeySet(const VerificationResult& result)
{
    if (!result.keySetFingerprint.empty())
        return QCoreApplication::translate("KeySetWords", "%1 (fingerprint %2)")
            .arg(Display(result.keySetName), QString::fromStdString(result.keySetFingerprint));
    if (result.reason != VerdictReason::NoWatermark && result.reason != VerdictReason::BadMarker)
        return QCoreApplication::translate(
            "KeySetWords", "none: the check stopped before a key set opened the watermark block");
    switch (result.keySetsTried) {
    case 1:
        return QCoreApplication::translate("KeySetWords",
                                           "none: the one key set tried did not open the watermark block");
    default:
        return QCoreApplication::translate(
                   "KeySetWords", "none: not one of the %1 key sets tried opened the watermark block")
            .arg(QString::number(result.keySetsTried));
    }
}

QString VerdictText::Note(const CoverageNote& note)
{
    const QString first = QString::number(note.first);
    const QString last = QString::number(note.last);
    switch (note.kind) {
    case CoverageNote::Kind::NothingDigested:
        return tr("The verdict was reached before any content was checked: no byte is vouched for.");
    case CoverageNote::Kind::HeaderNotCovered:
        return tr("Bytes %1 to %2, the container header before the media data, are not covered.")
            .arg(first, last);
    case CoverageNote::Kind::WatermarkBlock:
        return tr("Bytes %1 to %2 are the 512-byte watermark block, not content.").arg(first, last);
    case CoverageNote::Kind::FoldIndexZero:
        return tr("Record version 1.1 with fold index 0: no content byte counts; the digest depends only on "
                  "the content length of %1 bytes.")
            .arg(QString::number(note.count));
    case CoverageNote::Kind::FoldStriped:
        return tr("Record version 1.1: of the %1 content bytes only %2 count, those whose position in the "
                  "content modulo 64 is below %3; they are combined by XOR per position, so changes that "
                  "cancel each other out go unnoticed.")
            .arg(QString::number(note.count), QString::number(note.kept), QString::number(note.index));
    }
    return QString();
}

QString VerdictText::Bytes(int64_t count)
{
    return tr("%1 bytes").arg(QString::number(count));
}

QString VerdictText::DigestMode(int digestMode)
{
    switch (digestMode) {
    case 0:
        return tr("0 (record version 1.0: every content byte counts)");
    case 1:
        return tr("1 (record version 1.1: the content is folded, only part of it counts)");
    default:
        return tr("not determined: the check stopped earlier");
    }
}

QString VerdictText::Ranges(const Coverage& coverage)
{
    QStringList ranges;
    for (const auto& range : coverage.unprotectedRanges)
        ranges << QString::number(range.first) + QLatin1Char('-') + QString::number(range.second);
    return ranges.isEmpty() ? tr("none") : ranges.join(QStringLiteral(", "));
}

QString VerdictText::Label(Field field)
{
    switch (field) {
    case Field::Path:
        return tr("Full path");
    case Field::Size:
        return tr("Size");
    case Field::Verdict:
        return tr("Verdict");
    case Field::Reason:
        return tr("Reason");
    case Field::KeySet:
        return QCoreApplication::translate("KeySetWords", "Key set");
    case Field::Marker:
        return tr("Marker");
    case Field::Version:
        return tr("Record version");
    case Field::Hmac:
        return tr("Digest in the record");
    case Field::StartTime:
        return QCoreApplication::translate("QObject", "Start Time");
    case Field::StopTime:
        return QCoreApplication::translate("QObject", "Stop Time");
    case Field::TimeSource:
        return tr("Time source");
    case Field::Serial:
        return QCoreApplication::translate("QObject", "Serial no");
    case Field::CamMac:
        return tr("Camera MAC");
    case Field::DigestMode:
        return tr("Digest mode");
    case Field::ProtectedBytes:
        return tr("Protected bytes");
    case Field::UnprotectedRanges:
        return tr("Unprotected byte ranges");
    case Field::Notes:
        return tr("Notes");
    case Field::Sha256:
        return tr("SHA-256");
    }
    return QString();
}

QString VerdictText::Display(const std::string& bytes)
{
    return QString::fromStdString(ToReversibleText(bytes));
}

QString VerdictText::DisplayPath(const std::string& bytes)
{
    return QString::fromStdString(ToReversiblePath(bytes, NativePathStyle()));
}

QString VerdictText::DisplayName(const std::string& path)
{
    return DisplayPath(LastPathName(path, NativePathStyle()));
}

QString VerdictText::InStoredOrder(const QString& text)
{
    // LEFT-TO-RIGHT OVERRIDE ... POP DIRECTIONAL FORMATTING: every character inside counts as a
    // left-to-right letter; an isolate alone would still let U+05D0 "-12" turn around inside it. The
    // LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE around it keeps its letters from setting the
    // direction of the line it stands in, so that "1. " before a Hebrew name stays in front.
    static const QString opening = QStringLiteral("\u2066\u202D");
    static const QString closing = QStringLiteral("\u202C\u2069");
    return opening + text + closing;
}

QString VerdictText::Line(Field field, const QString& value)
{
    return Label(field) + QStringLiteral(": ") + value;
}

QVector<VerdictText::Detail> VerdictText::Details(const VerificationResult& result, const QString& sha256Text)
{
    QVector<Detail> details;
    details.append({Field::Path, DisplayPath(result.path)});
    details.append({Field::Size, result.file.size >= 0 ? Bytes(result.file.size) : tr("unknown")});
    details.append({Field::Verdict, Verdict(result.authentic)});
    if (!result.authentic)
        details.append({Field::Reason, Reason(result)});
    details.append({Field::KeySet, KeySet(result)});
    details.append({Field::Marker, Display(result.marker)});
    details.append({Field::Version, Display(result.version)});
    details.append({Field::Hmac, Display(result.hmac)});
    details.append({Field::StartTime, Display(result.startTime)});
    details.append({Field::StopTime, Display(result.endTime)});
    details.append({Field::TimeSource, Display(result.timeSource)});
    details.append({Field::Serial, Display(result.rcSerial)});
    details.append({Field::CamMac, Display(result.camMac)});
    details.append({Field::DigestMode, DigestMode(result.digestMode)});
    if (result.hasCoverage) {
        details.append({Field::ProtectedBytes, tr("%1 of %2 bytes")
                                                   .arg(QString::number(result.coverage.protectedBytes),
                                                        QString::number(result.file.size))});
        details.append({Field::UnprotectedRanges, Ranges(result.coverage)});
        for (const CoverageNote& note : result.coverage.notes)
            details.append({Field::Notes, Note(note)});
    } else {
        details.append(
            {Field::ProtectedBytes, tr("none: the check stopped before the watermark record was read")});
    }
    details.append({Field::Sha256, sha256Text});
    return details;
}

QStringList VerdictText::DetailLines(const VerificationResult& result, const QString& sha256Text)
{
    QStringList lines;
    for (const Detail& detail : Details(result, sha256Text))
        lines << Line(detail.field, detail.value);
    return lines;
}
