// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileVerifier.h"

#include "verdict/FileCheck.h"
#include "verdict/KeySetLoading.h"

VerificationResult FileVerifier::Verify(const VerificationTarget& target, const ReadProgress* progress) const
{
    FileCheck check(target, withSha256, keys ? keys : &ProgramKeySets().ring, progress);
    if (check.NeedsContent()) {
        WatermarkVerifier& engine = check.Engine();
        unsigned char digest[16];
        const int digested = DigestContent(engine.GetDigestMode(), engine.ContentReader(),
                                           engine.GetContentRegion(), digest, progress);
        check.FinishContent(digested, digest);
    }
    return check.TakeResult();
}
