// SPDX-License-Identifier: Apache-2.0
// Verifies arbitrary files: the first input byte picks the container type by the file name, the
// rest is the file. Stamped fixtures in the seed corpus carry a valid watermark, so mutations
// reach the container walks and the content digest, not only the trailer checks.
#include "engine/WatermarkVerifier.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A private folder for the file in work, removed when the fuzzer exits.
struct WorkFolder
{
    std::string path;

    WorkFolder()
    {
        char folder[] = "/tmp/fuzz_verify.XXXXXX";
        if (!mkdtemp(folder))
            abort();
        path = folder;
    }
    ~WorkFolder() { rmdir(path.c_str()); }
};

bool WriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = fwrite(data, 1, size, file) == size;
    return fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const WorkFolder folder;
    static const char* const names[] = {"/x.jpg", "/x.avi", "/x.mp4", "/x.mxg"};
    if (size == 0)
        return 0;
    const std::string path = folder.path + names[data[0] % 4];
    if (!WriteFile(path, data + 1, size - 1))
        abort();
    WatermarkVerifier verifier;
    verifier.Verify(path.c_str());
    unlink(path.c_str());
    return 0;
}
