// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_PROGRESSWIDGET_H
#define QUORLITH_UI_PROGRESSWIDGET_H

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The small panel a verification run shows: the file in work, a bar and Cancel. It has no close
// button, but a window manager can still close it (a key or its menu); that cancels like Cancel.
class ProgressWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressWidget(QWidget* parent);

    void SetMaximum(int maximum);
    void SetValue(int value);
    void SetText(const QString& text);
    bool IsCanceled() const { return canceled; }
    // The run is over: closes the panel without cancelling anything.
    void CloseAtRunEnd();

public slots:
    void SlotCancel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label;
    QProgressBar* progressBar;
    QPushButton* cancelButton;
    bool canceled = false;
    bool runEnded = false;
};

#endif
