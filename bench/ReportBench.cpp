// SPDX-License-Identifier: Apache-2.0
// The PDF report over many files: the time to lay out and write it, its size, and the process's peak
// memory, so that runs with different file counts show how memory grows with them. One count per
// run (peak memory is per process); bench/report-bench.sh runs several. Build Release:
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLITH_BUILD_BENCH=ON
//   cmake --build build-bench --target report_bench && build-bench/bin/report_bench 2000
#include "report/PdfReportWriter.h"
#include "tools/EvidenceStamper.h"
#include "verdict/FileVerifier.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

long PeakKibibytes()
{
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const int fileCount = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTemporaryDir dir;
    const QString stamped = dir.filePath("stamped.jpg");
    if (StampEvidence(QUORLITH_TEST_KEY, StampRecord(), QUORLITH_TEST_DATA_DIR "/media/still.jpg",
                      stamped.toStdString()) != 0) {
        std::fputs("stamping failed\n", stderr);
        return 1;
    }

    PdfReportWriter writer(ReportFactsNow(QStringLiteral("report_bench"), QStringLiteral("0")));
    const FileVerifier verifier(true);
    for (int i = 0; i < fileCount; ++i) {
        const QString copy =
            dir.filePath(QStringLiteral("camera-%1-export.jpg").arg(i, 5, 10, QLatin1Char('0')));
        // A set-up that went wrong would time a report of failures instead of the one measured.
        if (!QFile::copy(stamped, copy)) {
            std::fputs("copying the stamped still failed\n", stderr);
            return 1;
        }
        VerificationTarget target;
        target.path = copy.toStdString();
        const VerificationResult result = verifier.Verify(target);
        if (!result.authentic) {
            std::fputs("a stamped still did not verify\n", stderr);
            return 1;
        }
        writer.Add(result);
    }
    const long beforeWriting = PeakKibibytes();

    QElapsedTimer timer;
    timer.start();
    QString saveError;
    if (!writer.Save(QFile::encodeName(dir.filePath("report.pdf")), &saveError)) {
        std::fprintf(stderr, "writing failed: %s\n", qPrintable(saveError));
        return 1;
    }
    std::printf("files %d  write %.2f s  pdf %lld KiB  peak before writing %ld KiB  peak %ld KiB\n",
                fileCount, timer.elapsed() / 1000.0, QFileInfo(dir.filePath("report.pdf")).size() / 1024,
                beforeWriting, PeakKibibytes());
    return 0;
}
