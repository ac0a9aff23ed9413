// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_WATERMARKVERIFIER_H
#define QUORLITH_ENGINE_WATERMARKVERIFIER_H

#include "engine/ContainerDigest.h"
#include "engine/KeyRing.h"
#include "engine/WatermarkRecord.h"

#include <string>

// The step at which Verify stopped; None after a successful Verify or before any.
enum class VerifyFailure
{
    None,
    TooSmallOrMissing,
    UnsupportedType,
    TrailerUnreadable,
    TrailerNotOpened,
    WrongMarker,
    UnsupportedVersion,
    ContainerInvalid,
    ContentMismatch,
    // The block does not open where the name's type keeps it but opens where another type keeps it
    // (a JPG renamed to .avi, say): the content is of another type than the name's ending says.
    OtherTypeContent,
    // The system failed (no descriptors or memory, an I/O error); GetSystemError tells how.
    SystemFailure,
};

// Decides whether one evidence file is exactly as the recorder wrote it. Make a fresh one per file.
class WatermarkVerifier
{
public:
    // path: UTF-8. Opens it once, read-only and never blocking, refuses what is not a regular file and
    // reads everything through that one open file. Answers 0 when the file is authentic, -1 otherwise.
    int Verify(const char* path);
    // The same for a file already open for reading; name is its name, whose last extension tells the
    // container type (any bytes; nothing is opened by it). fd stays open and its offset is not used.
    int VerifyOpenFile(int fd, const char* name);
    // The same when the caller already knows the size of the regular file fd (from its fstat after the
    // open; -1 for an empty file), so that the file is not examined again.
    int VerifyOpenFile(int fd, const char* name, int64_t size);

    // The same in three steps, for a caller that computes the content digests of several files side by
    // side. BeginOpenFile reads up to the content and answers 0 or -1 as above when that decides, or
    // kContentPending: the verdict then waits for the digest of the content (GetContentRegion, read
    // through ContentReader, in GetDigestMode), given to FinishOpenFile as 0 and the digest before
    // keying, or as kFileUnfit or kSystemFailure when reading it failed. Either ends the reading.
    static constexpr int kContentPending = 1;
    int BeginOpenFile(int fd, const char* name, int64_t size);
    EvidenceReader* ContentReader() { return &reader; }
    int FinishOpenFile(int digestResult, const unsigned char digest[16]);

    // The key sets to try, in order; null (the default) for the built-in set alone. The ring must
    // outlive the verifier. Each thread begins with the set that opened its previous file, so files of
    // one recorder family cost one RSA operation each.
    void SetKeyRing(const KeyRing* keys) { ring = keys; }
    // Reports the content bytes as the digest reads them; null for none. Kept for later Verify calls.
    void SetReadProgress(const ReadProgress* observer) { progress = observer; }
    // Gives every byte of the file, in order, to observer in the same reading, whatever the verdict: the
    // bytes the content digest skips are read in the same pass. Null for none; kept for later calls.
    void SetByteObserver(const ByteObserver* observer) { byteObserver = observer; }

    std::string GetMarker() const { return record.Marker; }
    std::string GetVersion() const { return record.Version; }
    std::string GetHMAC() const { return record.HMAC; }
    std::string GetStartTime() const { return record.StartTime; }
    std::string GetEndTime() const { return record.EndTime; }
    std::string GetTimeSource() const { return record.TimeSource; }
    std::string GetRCSerial() const { return record.RCSerial; }
    std::string GetCamMAC() const { return record.CamMAC; }

    // The keyed content digest the file gave, as 32 lower-case hex digits like the record's HMAC;
    // empty when the check stopped before the content was read whole.
    std::string GetComputedHMAC() const { return computedHmac; }

    // The set the verdict rests on: the one whose HMAC key gave the record's digest, or when none did,
    // the first that opened the watermark block; null when no set opened it.
    const KeySet* GetKeySet() const { return keySet; }
    // How many key sets the verification could try: the ring's size.
    size_t GetKeySetsTried() const { return keysTried; }
    // Whether the sets tried were the built-in set alone.
    bool TriedBuiltInSetOnly() const { return keysTried == 1 && Ring().sets[0].get() == &BuiltInKeySet(); }

    VerifyFailure GetFailure() const { return failure; }
    // The errno value of a SystemFailure; 0 otherwise.
    int GetSystemError() const { return systemError; }
    // 0 for version "1.0", 1 for "1.1", -1 until the version was accepted.
    int GetDigestMode() const { return digestMode; }
    // Valid once the container was walked (hasRegion true).
    bool HasContentRegion() const { return hasRegion; }
    ContentRegion GetContentRegion() const { return region; }
    // Whether the byte observer heard the whole file; when not, the errno value of the read that failed
    // (0 when the file ended early).
    bool ObserverHeardAll() const { return observerHeardAll; }
    int GetObserverError() const { return observerError; }
    // The system calls and bytes with which the last Verify read the file.
    ReadCount GetReadCount() const { return readCount; }

private:
    void Reset();
    int Fail(VerifyFailure reason);
    // Fails for the system's reason when read says the system failed, else for reason.
    int FailRead(int read, VerifyFailure reason);
    // Up to the content: kContentPending, or -1 with the failure.
    int VerifyUpToContent(const char* name);
    // Keys the content digest with the sets that share the opener's public key and compares.
    int CompareKeyedDigest(const unsigned char digest[16]);
    // Lets the observer hear the rest of the file, counts the reading and releases the reader.
    void EndReading();
    // Opens the block with the ring's sets and parses its record; answers the failure, None when open.
    VerifyFailure OpenBlock(const unsigned char* block);
    const KeyRing& Ring() const { return ring ? *ring : BuiltInKeyRing(); }

    WatermarkRecord record;
    EvidenceReader reader = {};
    const KeyRing* ring = nullptr;
    const KeySet* keySet = nullptr;
    size_t keysTried = 0;
    VerifyFailure failure = VerifyFailure::None;
    int systemError = 0;
    const ReadProgress* progress = nullptr;
    const ByteObserver* byteObserver = nullptr;
    bool observerHeardAll = false;
    int observerError = 0;
    ReadCount readCount = {0, 0};
    int digestMode = -1;
    std::string computedHmac;
    bool hasRegion = false;
    ContentRegion region = {0, 0, 0};
};

#endif
