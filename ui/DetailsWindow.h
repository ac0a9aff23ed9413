// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_DETAILSWINDOW_H
#define QUORLITH_UI_DETAILSWINDOW_H

#include "verdict/VerificationResult.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class Sha256Reading;

// Everything known about one verified file, with its SHA-256 computed in the background when the result
// does not hold one yet. Non-modal and deleted when closed; several may be open at once. A digest computed
// here is announced, so that whoever keeps the result can keep it too and later reports need not read the
// file again.
class DetailsWindow : public QDialog
{
    Q_OBJECT

public:
    DetailsWindow(const VerificationResult& result, QWidget* parent);
    ~DetailsWindow() override;

    // The whole text as shown and as Copy puts it on the clipboard.
    QString Text() const;

signals:
    // The SHA-256 of the file as verified, in lower-case hex, once the reading here has computed it.
    void Sha256Computed(const QString& hexDigest);

protected:
    // Every way of closing the window ends here (Close, Escape, the title bar): the reading stops at once.
    void done(int resultCode) override;

private slots:
    void ShowProgress(int percent);
    void TakeHashingOutcome();
    void CopyText();

private:
    // What the SHA-256 line says when no digest can be had: the file changed, or it cannot be read.
    static QString Sha256Unavailable(bool changed);
    void StartHashing();
    void ShowText();
    // The details line by line; drawn: with the path in its stored order, for the view.
    QString Lines(bool drawn) const;

    VerificationResult result;
    bool changedSinceVerified = false;
    QString sha256Text;

    QPlainTextEdit* textView;
    QPushButton* copyButton;
    QPushButton* closeButton;
    Sha256Reading* hashing = nullptr;

    friend class TestDetailsWindow;
};

#endif
