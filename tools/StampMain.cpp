// SPDX-License-Identifier: Apache-2.0
// quorlith-stamp: writes a watermarked copy of a media file, as a recorder exports evidence, so
// that tests and demonstrations have authentic files to verify. Test keys only.
#include "digest/HexText.h"
#include "tools/EvidenceStamper.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const int kExitFailure = 1;
const int kExitUsage = 2;

const char kUsage[] =
    "Usage: quorlith-stamp --key PEM --version 1.0|1.1 [options] INPUT OUTPUT\n"
    "Writes OUTPUT: a copy of the JPG, AVI, MP4 or MXG file INPUT with a watermark block sealed\n"
    "with the RSA private key in PEM. INPUT is never changed.\n"
    "\n"
    "  --key PEM            RSA private key (2048 bits) in PEM form\n"
    "  --hmac-key HEX       the recorder family's HMAC key in hexadecimal (default: the test key set's)\n"
    "  --version TEXT       record version; 1.1 folds the content, anything else hashes it\n"
    "  --start TEXT         StartTime value\n"
    "  --end TEXT           EndTime value\n"
    "  --time-source TEXT   TimeSource value\n"
    "  --serial TEXT        RCSerial value\n"
    "  --mac TEXT           CamMAC value\n"
    "  --hmac HEX           HMAC value written as given instead of the computed digest\n"
    "  --marker TEXT        marker line instead of the recorder's own\n"
    "  --help               this text\n"
    "\n"
    "Exit status: 0 written, 1 failed, 2 usage error.\n";

struct Options
{
    std::string keyPath;
    std::string hmacKeyHex;
    bool haveVersion = false;
    StampRecord record;
    std::vector<std::string> paths;
};

enum class Parsed
{
    Stamp,
    HelpShown,
    UsageError,
};

Parsed UsageError(const std::string& problem)
{
    fprintf(stderr, "quorlith-stamp: %s\n%s", problem.c_str(), kUsage);
    return Parsed::UsageError;
}

Parsed ParseArguments(int argc, char** argv, Options* options)
{
    const std::map<std::string, std::string*> valued = {
        {"--key", &options->keyPath},
        {"--version", &options->record.version},
        {"--start", &options->record.startTime},
        {"--end", &options->record.endTime},
        {"--time-source", &options->record.timeSource},
        {"--serial", &options->record.rcSerial},
        {"--mac", &options->record.camMac},
        {"--hmac", &options->record.hmac},
        {"--marker", &options->record.marker},
        {"--hmac-key", &options->hmacKeyHex},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") {
            fputs(kUsage, stdout);
            return Parsed::HelpShown;
        }
        const auto option = valued.find(argument);
        if (option != valued.end()) {
            if (i + 1 >= argc)
                return UsageError(argument + " needs a value");
            *option->second = argv[++i];
            options->haveVersion = options->haveVersion || argument == "--version";
        } else if (argument.size() > 1 && argument[0] == '-') {
            return UsageError("unknown option " + argument);
        } else {
            options->paths.push_back(argument);
        }
    }
    if (options->keyPath.empty() || !options->haveVersion)
        return UsageError("--key and --version are required");
    if (!options->hmacKeyHex.empty()) {
        std::vector<unsigned char> key;
        if (!ReadHexBytes(options->hmacKeyHex, &key) || key.size() > 64)
            return UsageError("--hmac-key takes 1 to 64 bytes in hexadecimal");
        options->record.hmacKey.assign(key.begin(), key.end());
    }
    if (options->paths.size() != 2)
        return UsageError("give exactly one INPUT and one OUTPUT");
    MediaType type;
    if (MediaTypeFromPath(options->paths[0], &type) != 0)
        return UsageError("INPUT must end in .jpg, .avi, .mp4 or .mxg");
    return Parsed::Stamp;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    switch (ParseArguments(argc, argv, &options)) {
    case Parsed::HelpShown:
        return 0;
    case Parsed::UsageError:
        return kExitUsage;
    case Parsed::Stamp:
        break;
    }
    const std::string& input = options.paths[0];
    const std::string& output = options.paths[1];
    if (StampEvidence(options.keyPath, options.record, input, output) != 0) {
        fprintf(stderr,
                "quorlith-stamp: could not stamp %s into %s (unreadable input or key, container "
                "without media data, record over 245 bytes, or OUTPUT is INPUT)\n",
                input.c_str(), output.c_str());
        return kExitFailure;
    }
    return 0;
}
