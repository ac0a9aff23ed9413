// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_GUI_EXPORTHOLD_H
#define QUORLITH_TESTS_GUI_EXPORTHOLD_H

#include <functional>

class MainWindow;

// Where the export's work is held: inside its second progress report while it reads the files again,
// or where it starts writing the file. The dialog has then been told of every report before it, which
// comes to it in its own thread.
enum class HoldPoint
{
    Reading,
    Writing,
};

// Holds the next export of window in its worker thread at point, runs stop in the window's thread while
// the work waits there (press Cancel, quit, close the window), and lets the work go on once the export
// has been asked to stop: the work cannot end first, however the machine schedules its threads. Call it
// before the export starts. A stop request that does not come within a minute lets the work go on.
void HoldNextExport(MainWindow* window, HoldPoint point, std::function<void()> stop);

// After the export: whether its work was held and saw the stop request while it was.
bool ExportWasHeldUntilStopped();
// After the export: how many reports of the kind held at (progress or writing) its work gave.
int ExportReportsGiven();

#endif
