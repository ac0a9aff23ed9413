// SPDX-License-Identifier: Apache-2.0
#include "ui/CaseDetailsDialog.h"

#include "ui/Utf8BoundValidator.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

// Beside the window's own "Pos" and "Size", in a group of their own, so that those keep their place.
const char* const kGroup = "CaseDetails";
const char* const kExaminerKey = "Examiner";
const char* const kOrganisationKey = "Organisation";

std::string Trimmed(const QString& text)
{
    return text.trimmed().toUtf8().toStdString();
}

} // namespace

CaseDetailsDialog::CaseDetailsDialog(QWidget* parent)
    : QDialog(parent), caseNumber(new QLineEdit(this)), exhibits(new QPlainTextEdit(this)),
      examiner(new QLineEdit(this)), organisation(new QLineEdit(this)), note(new QLineEdit(this))
{
    setWindowTitle(tr("Case Details"));
    caseNumber->setObjectName(QStringLiteral("caseNumber"));
    exhibits->setObjectName(QStringLiteral("exhibits"));
    examiner->setObjectName(QStringLiteral("examiner"));
    organisation->setObjectName(QStringLiteral("organisation"));
    note->setObjectName(QStringLiteral("note"));
    exhibits->setPlaceholderText(tr("One exhibit per line"));
    exhibits->setTabChangesFocus(true);
    // About four lines show without scrolling; more scroll.
    exhibits->setFixedHeight(exhibits->fontMetrics().lineSpacing() * 5);

    auto* explanation = new QLabel(tr("The PDF report shows these details; CSV and JSON Lines carry none. "
                                      "Examiner and organisation are offered again next time; the case "
                                      "number, exhibits and note are not kept."),
                                   this);
    explanation->setWordWrap(true);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Case number"), caseNumber);
    fields->addRow(tr("Exhibits"), exhibits);
    fields->addRow(tr("Examiner"), examiner);
    fields->addRow(tr("Organisation"), organisation);
    fields->addRow(tr("Note"), note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Continue"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    // The same bounds as the command line's: a line stops taking text at its bound, and a report cannot
    // be asked for while the exhibits hold more than theirs.
    for (QLineEdit* line : {caseNumber, examiner, organisation})
        line->setValidator(new Utf8BoundValidator(CaseDetails::kMaxTextBytes, line));
    note->setValidator(new Utf8BoundValidator(CaseDetails::kMaxNoteBytes, note));
    QPushButton* continueButton = buttons->button(QDialogButtonBox::Ok);
    connect(exhibits, &QPlainTextEdit::textChanged, this,
            [this, continueButton] { continueButton->setEnabled(Details().OverLimit().empty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    QSettings settings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
    settings.beginGroup(QLatin1String(kGroup));
    examiner->setText(settings.value(QLatin1String(kExaminerKey)).toString());
    organisation->setText(settings.value(QLatin1String(kOrganisationKey)).toString());
    caseNumber->setFocus();
}

CaseDetails CaseDetailsDialog::Details() const
{
    CaseDetails details;
    details.caseNumber = Trimmed(caseNumber->text());
    for (const QString& line : exhibits->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            details.exhibits.push_back(Trimmed(line));
    }
    details.examiner = Trimmed(examiner->text());
    details.organisation = Trimmed(organisation->text());
    details.note = Trimmed(note->text());
    return details;
}

bool CaseDetailsDialog::Ask(QWidget* parent, CaseDetails* details)
{
    CaseDetailsDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *details = dialog.Details();
    dialog.Remember();
    return true;
}

void CaseDetailsDialog::Remember() const
{
    QSettings settings(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue(QLatin1String(kExaminerKey), examiner->text().trimmed());
    settings.setValue(QLatin1String(kOrganisationKey), organisation->text().trimmed());
}
