// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_GUI_GUITESTSUPPORT_H
#define QUORLITH_TESTS_GUI_GUITESTSUPPORT_H

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <QTemporaryDir>

#include <memory>

class MainWindow;

// A test function's own working folder, which a run must leave as it is, and user folder,
// where the evidence lies; both new for each test function. Enter makes them and enters the working
// folder; Leave returns to the folder the test started in.
class WindowTestFolders
{
public:
    bool Enter();
    void Leave();
    QString Work() const { return work->path(); }
    QString User() const { return user->path(); }

private:
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QTemporaryDir> user;
    QString start;
};

// Points the window's settings store into dir, so no test reads or writes the user's.
void UseTemporarySettings(const QTemporaryDir& dir);

// What the file dialog showed before the test answered it.
struct SeenFileDialog
{
    QString title;
    QStringList nameFilters;
};

// Answers the next modal file dialog as soon as it runs: accepts paths (files or one folder), or
// cancels it when paths is empty.
void AnswerNextFileDialog(const QStringList& paths, SeenFileDialog* seen = nullptr);

// The fields of the export's case details form, as plain text; exhibits one per line.
struct CaseForm
{
    QString caseNumber;
    QString exhibits;
    QString examiner;
    QString organisation;
    QString note;
};

enum class FormButton
{
    Continue,
    Cancel,
};

// Answers the next modal case details form as soon as it runs: notes what its fields showed in shown,
// types typed into them (replacing what they held) and presses button.
void AnswerNextCaseForm(const CaseForm& typed = {}, FormButton button = FormButton::Continue,
                        CaseForm* shown = nullptr);

// Every entry below folder, hidden ones included, with its bytes' checksum and modification time.
struct EntrySnapshot
{
    QByteArray checksum;
    QDateTime modified;
    bool operator==(const EntrySnapshot& other) const
    {
        return checksum == other.checksum && modified == other.modified;
    }
};
QMap<QString, EntrySnapshot> SnapshotFolder(const QString& folder);

// The status bar's line for these counts, as the window writes it in English.
QString StatusLine(int total, int succeeded, int failed);

// The file names in the order they were verified: each row goes in at the top of the model behind
// the sorted list, so the model read from the bottom up is the run's order.
QStringList VerifiedOrder(const MainWindow& window);

#endif
