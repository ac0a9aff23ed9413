#ifndef QUORLITH_UI_PROGRESSWIDGET_H
#define QUORLITH_UI_PROGRESSWIDGET_H

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The small panel a verification run shows: the file in work, a bar and Cancel. It has no close
// button, so Cancel is the user's only way to end a run early.
class ProgressWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressWidget(QWidget* parent);

    void SetMaximum(int maximum);
    void SetValue(int value);
    void SetText(const QString& text);
    bool IsCanceled() const { return canceled; }

public slots:
    void SlotCancel();

private:
    QLabel* label;
    QProgressBar* progressBar;
    QPushButton* cancelButton;
    bool canceled = false;
};

#endif
