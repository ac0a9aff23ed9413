// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandLineParser.h"

#include "engine/AsciiText.h"

#include <cstring>

namespace {

bool ParseJobs(const char* text, int* jobs, std::string* error)
{
    long value = 0;
    if (!ParseAsciiDecimal(text, CommandLineParser::kMaxJobs, &value) || value < 1) {
        *error = std::string("the number of jobs must be a whole number from 1 to ") +
                 std::to_string(CommandLineParser::kMaxJobs) + ", not '" + text + "'";
        return false;
    }
    *jobs = static_cast<int>(value);
    return true;
}

// The report is a PDF and nothing else: a name that says otherwise is more likely a slip of the
// hand (a path to verify taken for the report's name) than a wish.
bool ParseReportPath(const char* text, std::string* reportPath, std::string* error)
{
    const std::string path(text);
    if (path.size() < 5 || AsciiLower(path.substr(path.size() - 4)) != ".pdf" ||
        path[path.size() - 5] == '/') {
        *error = "the report's file name must end in .pdf, not '" + path + "'";
        return false;
    }
    *reportPath = path;
    return true;
}

// The case detail an option names, or nullptr for an option that names none.
std::string* CaseField(const std::string& option, CaseDetails* details)
{
    if (option == "--case")
        return &details->caseNumber;
    if (option == "--exhibit")
        return &details->exhibits.emplace_back();
    if (option == "--examiner")
        return &details->examiner;
    if (option == "--organisation")
        return &details->organisation;
    if (option == "--note")
        return &details->note;
    return nullptr;
}

bool IsCaseOption(const std::string& option)
{
    CaseDetails unused;
    return CaseField(option, &unused) != nullptr;
}

} // namespace

bool CommandLineParser::Parse(int argc, const char* const* argv, CommandLineOptions* options,
                              std::string* error)
{
    bool jsonAsked = false;
    bool csvAsked = false;
    bool optionsEnded = false;
    bool caseAsked = false;
    bool listKeys = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (optionsEnded || argument[0] != '-' || std::strcmp(argument, "-") == 0) {
            options->paths.emplace_back(argument);
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            options->action = CommandLineOptions::Action::ShowHelp;
            return true;
        } else if (std::strcmp(argument, "--version") == 0) {
            options->action = CommandLineOptions::Action::ShowVersion;
            return true;
        } else if (std::strcmp(argument, "--list-keys") == 0) {
            listKeys = true;
        } else if (std::strcmp(argument, "--only-keys") == 0) {
            options->onlyKeys = true;
        } else if (std::strcmp(argument, "--keys") == 0) {
            if (i + 1 >= argc) {
                *error = "option '--keys' needs a key file or folder";
                return false;
            }
            options->keyPaths.emplace_back(argv[++i]);
        } else if (std::strncmp(argument, "--keys=", 7) == 0) {
            options->keyPaths.emplace_back(argument + 7);
        } else if (std::strcmp(argument, "--json") == 0) {
            jsonAsked = true;
        } else if (std::strcmp(argument, "--csv") == 0) {
            csvAsked = true;
        } else if (std::strcmp(argument, "--list-skipped") == 0) {
            options->listSkipped = true;
        } else if (std::strcmp(argument, "--rehash") == 0) {
            options->rehash = true;
        } else if (std::strcmp(argument, "--run-record") == 0) {
            options->runRecord = true;
        } else if (std::strcmp(argument, "--overwrite") == 0) {
            options->overwrite = true;
        } else if (std::strcmp(argument, "--sha256") == 0) {
            options->sha256 = true;
        } else if (std::strcmp(argument, "-j") == 0 || std::strcmp(argument, "--jobs") == 0) {
            if (i + 1 >= argc) {
                *error = std::string("option '") + argument + "' needs a number";
                return false;
            }
            if (!ParseJobs(argv[++i], &options->jobs, error))
                return false;
        } else if (std::strcmp(argument, "--report") == 0) {
            if (i + 1 >= argc) {
                *error = "option '--report' needs a file name";
                return false;
            }
            if (!ParseReportPath(argv[++i], &options->reportPath, error))
                return false;
        } else if (std::strncmp(argument, "--report=", 9) == 0) {
            if (!ParseReportPath(argument + 9, &options->reportPath, error))
                return false;
        } else if (IsCaseOption(std::string(argument).substr(0, std::string(argument).find('=')))) {
            const std::string text(argument);
            const size_t equals = text.find('=');
            const std::string option = text.substr(0, equals);
            if (equals == std::string::npos && i + 1 >= argc) {
                *error = "option '" + option + "' needs a text";
                return false;
            }
            const std::string value =
                equals == std::string::npos ? std::string(argv[++i]) : text.substr(equals + 1);
            *CaseField(option, &options->caseDetails) = value;
            caseAsked = true;
            // NAME=PATH: the files at or below PATH belong to the exhibit NAME.
            const size_t split = value.find('=');
            if (option == "--exhibit" && split != std::string::npos) {
                if (split == 0 || split + 1 == value.size()) {
                    *error = "--exhibit NAME=PATH needs a name and a path";
                    return false;
                }
                options->caseDetails.exhibits.back() = value.substr(0, split);
                options->caseDetails.exhibitPaths.emplace_back(value.substr(0, split),
                                                               value.substr(split + 1));
            }
        } else if (std::strncmp(argument, "--jobs=", 7) == 0) {
            if (!ParseJobs(argument + 7, &options->jobs, error))
                return false;
        } else if (std::strncmp(argument, "-j", 2) == 0) {
            if (!ParseJobs(argument + 2, &options->jobs, error))
                return false;
        } else {
            *error = std::string("unknown option '") + argument + "'";
            return false;
        }
    }
    if (jsonAsked && csvAsked) {
        *error = "choose one of --json and --csv";
        return false;
    }
    if (options->listSkipped && (jsonAsked || csvAsked)) {
        *error = "--list-skipped goes with the text output, not with --json or --csv";
        return false;
    }
    if (caseAsked && options->reportPath.empty()) {
        *error =
            "--case, --exhibit, --examiner, --organisation and --note describe the PDF report: give --report";
        return false;
    }
    // Before any file is verified: a report that could not be written whole must not cost the run.
    if (const std::string problem = options->caseDetails.OverLimit(); !problem.empty()) {
        *error = problem;
        return false;
    }
    if (options->runRecord && !jsonAsked) {
        *error = "--run-record begins the --json output with a line describing the run: give --json";
        return false;
    }
    if (options->rehash && options->reportPath.empty()) {
        *error = "--rehash computes each file's SHA-256 again for the PDF report: give --report";
        return false;
    }
    if (options->overwrite && options->reportPath.empty()) {
        *error = "--overwrite lets the PDF report replace an earlier one: give --report";
        return false;
    }
    if (options->onlyKeys && options->keyPaths.empty()) {
        *error = "--only-keys uses the sets of --keys alone: give --keys";
        return false;
    }
    if (listKeys) {
        if (!options->paths.empty()) {
            *error = "--list-keys lists the key sets and verifies nothing: give no file or folder";
            return false;
        }
        options->action = CommandLineOptions::Action::ListKeys;
        return true;
    }
    if (options->paths.empty()) {
        *error = "no file or folder given";
        return false;
    }
    options->format = jsonAsked ? ReportFormat::JsonLines : csvAsked ? ReportFormat::Csv : ReportFormat::Text;
    return true;
}

std::string CommandLineParser::HelpText()
{
    return "Usage: quorlith-verify [options] PATH...\n"
           "Tells whether each evidence file is exactly as the recorder wrote it.\n"
           "A PATH that names a folder is searched recursively for files ending in .jpg, .avi, .mp4 or .mxg\n"
           "(any case; hidden entries and symbolic links are skipped).\n"
           "\n"
           "Options:\n"
           "  --json          one JSON object per file (JSON Lines), no summary\n"
           "  --csv           CSV with a header row, no summary\n"
           "  --sha256        add each file's SHA-256\n"
           "  --list-skipped  end with the entries of the folders given that were not taken, and why\n"
           "  --run-record    with --json, begin with one line describing the run (program, version,\n"
           "                  source revision, start time, key sets)\n"
           "  -j, --jobs N    verify N files at once (default: one per processor); output keeps input order\n"
           "  --report FILE   also write a PDF verification report to FILE (name ending in .pdf), PDF/A-1b,\n"
           "                  and its SHA-256 beside it in FILE.sha256 (check it with 'sha256sum -c');\n"
           "                  FILE or FILE.sha256 existing already is a usage error\n"
           "  --overwrite     let the PDF report replace an earlier FILE and FILE.sha256\n"
           "  --rehash        the PDF report computes each file's SHA-256 again as it is written\n"
           "  --case TEXT, --exhibit TEXT (repeatable), --examiner TEXT, --organisation TEXT, --note TEXT\n"
           "                  (--exhibit NAME=PATH: the files at or below PATH belong to the exhibit NAME)\n"
           "                  the case details the PDF report states (only with --report); each at most\n"
           "                  200 bytes, the note 2000, at most 20 exhibits\n"
           "  --keys PATH     also verify with the key set of a key file, or of every *.key file of a\n"
           "                  folder (repeatable); a file that cannot be read or used is a usage error\n"
           "  --only-keys     verify with the sets of --keys alone: not the built-in set, not the key\n"
           "                  folders (/etc/quorlith/keys.d, ~/.config/quorlith/keys.d)\n"
           "  --list-keys     list the key sets loaded (name, fingerprint, source, modulus size) and exit\n"
           "  -h, --help      show this help and exit\n"
           "  --version       show the version and the built-in key set's fingerprint and exit\n"
           "\n"
           "Exit status:\n"
           "  0      every file is authentic\n"
           "  1      a file is not authentic, or a PATH does not exist or holds no evidence file\n"
           "  2      usage error\n"
           "  3      the output or the PDF report could not be written, or the system failed while a\n"
           "         file was checked: the run could not complete\n"
           "  128+N  stopped by signal N (130 SIGINT, 143 SIGTERM, 129 SIGHUP): the results of the\n"
           "         files already started are written, the summary is not\n";
}
