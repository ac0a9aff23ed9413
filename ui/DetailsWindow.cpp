// SPDX-License-Identifier: Apache-2.0
#include "ui/DetailsWindow.h"

#include "ui/DrawableText.h"
#include "ui/Sha256Reading.h"
#include "ui/StoredOrderTextView.h"
#include "verdict/FileStateCheck.h"
#include "verdict/VerdictText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

DetailsWindow::DetailsWindow(const VerificationResult& result, QWidget* parent)
    : QDialog(parent), result(result), textView(new StoredOrderTextView),
      copyButton(new QPushButton(tr("Copy"))), closeButton(new QPushButton(tr("Close")))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The name as the details write it: a right-to-left override in a raw name would turn the title around.
    setWindowTitle(tr("%1 - Details").arg(DrawableText::Of(VerdictText::DisplayName(result.path))));

    textView->setReadOnly(true);
    textView->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    copyButton->setAutoDefault(false);
    closeButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textView);
    layout->addLayout(buttons);
    resize(680, 460);

    connect(copyButton, &QPushButton::clicked, this, &DetailsWindow::CopyText);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    // A digest the row already holds was taken of the file as verified; a new one is only worth
    // computing while the file is still that file. A verification that recorded no state never read
    // a file (one that could not be read, a folder the search could not search): nothing changed since.
    const FileState state = CurrentFileState(result);
    changedSinceVerified = state == FileState::Changed;
    if (!result.sha256.empty())
        sha256Text = QString::fromStdString(result.sha256);
    else if (state == FileState::AsVerified)
        StartHashing();
    else if (VerdictText::NamesAFolder(result))
        sha256Text = QCoreApplication::translate("ReportLayout", "none: this is a folder, not a file");
    else
        sha256Text = Sha256Unavailable(changedSinceVerified);
    ShowText();
}

// Stopping takes at most one piece of the reading, so waiting here keeps the window's promise that
// no thread outlives it without holding up the program.
DetailsWindow::~DetailsWindow()
{
    if (hashing)
        hashing->StopAndWait();
}

void DetailsWindow::done(int resultCode)
{
    if (hashing)
        hashing->Stop();
    QDialog::done(resultCode);
}

QString DetailsWindow::Text() const
{
    return Lines(false);
}

QString DetailsWindow::Lines(bool drawn) const
{
    QStringList lines;
    if (changedSinceVerified)
        lines << tr("The file changed after it was verified: it is no longer the same file in the same state "
                    "as then.");
    for (const VerdictText::Detail& detail : VerdictText::Details(result, sha256Text)) {
        const QString value = DrawableText::Of(detail.value);
        lines << VerdictText::Line(detail.field, drawn && detail.field == VerdictText::Field::Path
                                                     ? VerdictText::InStoredOrder(value)
                                                     : value);
    }
    return lines.join(QLatin1Char('\n'));
}

QString DetailsWindow::Sha256Unavailable(bool changed)
{
    return changed ? tr("not computed: the file changed after it was verified")
                   : tr("cannot be computed: the file cannot be read");
}

void DetailsWindow::StartHashing()
{
    sha256Text = tr("being computed...");
    hashing = new Sha256Reading(result, this);
    connect(hashing, &Sha256Reading::Progress, this, &DetailsWindow::ShowProgress);
    connect(hashing, &Sha256Reading::Finished, this, &DetailsWindow::TakeHashingOutcome);
    hashing->Start();
}

void DetailsWindow::ShowProgress(int percent)
{
    sha256Text = tr("being computed... %1%").arg(QString::number(percent));
    ShowText();
}

void DetailsWindow::TakeHashingOutcome()
{
    switch (hashing->GetOutcome()) {
    case Sha256Reading::Outcome::Digested:
        result.sha256 = hashing->HexDigest();
        sha256Text = QString::fromStdString(result.sha256);
        emit Sha256Computed(sha256Text);
        break;
    case Sha256Reading::Outcome::Changed:
        changedSinceVerified = true;
        sha256Text = Sha256Unavailable(true);
        break;
    case Sha256Reading::Outcome::Unreadable:
        sha256Text = Sha256Unavailable(false);
        break;
    case Sha256Reading::Outcome::Running:
    case Sha256Reading::Outcome::Stopped:
        // Only the destructor stops the reading, and no outcome is shown after that.
        return;
    }
    ShowText();
}

void DetailsWindow::ShowText()
{
    const int scrolled = textView->verticalScrollBar()->value();
    textView->setPlainText(Lines(true));
    textView->verticalScrollBar()->setValue(scrolled);
}

void DetailsWindow::CopyText()
{
    QApplication::clipboard()->setText(Text());
}
