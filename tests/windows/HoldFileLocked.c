// SPDX-License-Identifier: Apache-2.0
// Holds a file open with no sharing at all, as a program that locks what it works on does, until a line
// (or the end) arrives on standard input; says "locked" once it holds the file. For the Windows check.
#include <windows.h>

#include <stdio.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fputs("usage: hold-file-locked FILE\n", stderr);
        return 2;
    }
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "hold-file-locked: cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    puts("locked");
    fflush(stdout);
    getchar();
    CloseHandle(file);
    return 0;
}
