// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_CASEDETAILSDIALOG_H
#define QUORLITH_UI_CASEDETAILSDIALOG_H

#include "report/CaseDetails.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// The small form an export asks first: case number, exhibits (one per line), examiner, organisation and
// a note, for the PDF report's header, facts and signature block. Examiner and organisation are usually
// the same from one case to the next, so the form offers the last ones accepted again; the case number,
// the exhibits and the note belong to one case only and are never kept.
class CaseDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CaseDetailsDialog(QWidget* parent);

    // The fields as typed, each trimmed, as UTF-8; an empty exhibit line is no exhibit.
    CaseDetails Details() const;

    // Shows the form; on Continue fills details and remembers examiner and organisation, on Cancel
    // answers false and keeps nothing.
    static bool Ask(QWidget* parent, CaseDetails* details);

private:
    void Remember() const;

    QLineEdit* caseNumber;
    QPlainTextEdit* exhibits;
    QLineEdit* examiner;
    QLineEdit* organisation;
    QLineEdit* note;
};

#endif
