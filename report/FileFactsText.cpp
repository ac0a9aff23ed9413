// SPDX-License-Identifier: Apache-2.0
#include "report/FileFactsText.h"

#include "digest/DigestUpdate.h"
#include "platform/UserName.h"
#include "verdict/VerdictText.h"

#include <QDateTime>

QString FileFactsText::DigestAlgorithm(int digestMode)
{
    switch (digestMode) {
    case DigestModeMd5:
        return tr("HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record "
                  "version 1.0)");
    case DigestModeFold:
        return tr("HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, "
                  "closed by the MD5 finalisation (record version 1.1)");
    default:
        return tr("not determined: the check stopped before the record version was read");
    }
}

QString FileFactsText::ComputedDigest(const VerificationResult& result)
{
    if (result.computedHmac.empty())
        return tr("not computed: the check stopped before the content was read whole");
    return VerdictText::Display(result.computedHmac);
}

QString FileFactsText::UtcTime(int64_t nanoseconds)
{
    if (nanoseconds < 0)
        return QStringLiteral("-");
    return QDateTime::fromMSecsSinceEpoch(nanoseconds / 1000000, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString FileFactsText::Owner(int64_t ownerId)
{
    const std::string name = UserNameOf(ownerId);
    const QString id = QString::number(ownerId);
    return name.empty() ? id : id + QStringLiteral(" (") + VerdictText::Display(name) + QLatin1Char(')');
}

QString FileFactsText::Permissions(int permissions)
{
    QString letters = QStringLiteral("-rwxrwxrwx");
    for (int bit = 0; bit < 9; ++bit) {
        if ((permissions & (0400 >> bit)) == 0)
            letters[bit + 1] = QLatin1Char('-');
    }
    // The special bits take the place of the execute letter of their class: lower case over an
    // execute bit that is set, upper case over one that is not.
    const struct
    {
        int bit;
        int position;
        char letter;
    } specials[] = {{04000, 3, 's'}, {02000, 6, 's'}, {01000, 9, 't'}};
    for (const auto& special : specials) {
        if ((permissions & special.bit) != 0)
            letters[special.position] = letters[special.position] == QLatin1Char('-')
                                            ? QChar(QLatin1Char(special.letter)).toUpper()
                                            : QChar(QLatin1Char(special.letter));
    }
    return QStringLiteral("%1 (%2)").arg(permissions & 07777, 4, 8, QLatin1Char('0')).arg(letters);
}
