// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_CONSOLE_H
#define QUORLITH_PLATFORM_CONSOLE_H

#include <cstdio>
#include <string>
#include <vector>

// The command line and the terminal, the same on every system.

// The program's arguments, the program's name first. On Windows they come from the wide command line
// as UTF-8, since the narrow one loses every character outside the ANSI code page; elsewhere they are
// argv's bytes as given.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Makes standard output and error carry bytes as written: on Windows no CR goes in before an LF (a CSV
// report keeps its CR LF, JSON its LF) and the console shows UTF-8. Nothing to do elsewhere.
void PrepareStandardStreams();

// Whether stream is a terminal (a console on Windows) that a person reads.
bool IsTerminal(FILE* stream);

// The terminal's width in columns, asked at every call so that a resized window is followed; 80 when
// it cannot be told.
int TerminalColumns(FILE* terminal);

// Wipes the terminal's current line and puts the cursor at its start.
void ClearTerminalLine(FILE* terminal);

#endif
