// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_DETAILSWINDOW_H
#define QUORLITH_UI_DETAILSWINDOW_H

#include "verdict/VerificationResult.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QPointer>

class QAbstractItemModel;
class QPlainTextEdit;
class QPushButton;
class Sha256Thread;

// Everything known about one row's file, with its SHA-256 computed in the background when the row does
// not hold one yet. Non-modal and deleted when closed; several may be open at once. The digest is written
// back into the row, if the row is still there, so that later reports need not read the file again.
class DetailsWindow : public QDialog
{
    Q_OBJECT

public:
    // resultItem: the first-column item of a row of model that holds a VerificationResult.
    DetailsWindow(QAbstractItemModel* model, const QModelIndex& resultItem, QWidget* parent);
    ~DetailsWindow() override;

    // The whole text as shown and as Copy puts it on the clipboard.
    QString Text() const;

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
    void StoreDigestInRow();
    void ShowText();

    QPointer<QAbstractItemModel> model;
    QPersistentModelIndex resultItem;
    VerificationResult result;
    bool changedSinceVerified = false;
    QString sha256Text;

    QPlainTextEdit* textView;
    QPushButton* copyButton;
    QPushButton* closeButton;
    Sha256Thread* hashing = nullptr;

    friend class TestDetailsWindow;
};

#endif
