// SPDX-License-Identifier: Apache-2.0
#include "ui/ProgressWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressWidget::ProgressWidget(QWidget* parent)
    : QWidget(parent), label(new QLabel), progressBar(new QProgressBar), cancelButton(new QPushButton)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);

    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    label->setText(QCoreApplication::translate("QObject", "Processing"));
    progressBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cancelButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cancelButton->setText(QCoreApplication::translate("QObject", "Cancel"));
    cancelButton->adjustSize();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(label);
    layout->addWidget(progressBar);
    layout->addWidget(cancelButton, 0, Qt::AlignRight);

    connect(cancelButton, SIGNAL(clicked(bool)), this, SLOT(SlotCancel()));

    canceled = false;
    label->clear();
    progressBar->reset();
}

void ProgressWidget::SetMaximum(int maximum)
{
    progressBar->setMaximum(maximum);
}

void ProgressWidget::SetValue(int value)
{
    progressBar->setValue(value);
}

void ProgressWidget::SetText(const QString& text)
{
    label->setText(text);
}

void ProgressWidget::SlotCancel()
{
    canceled = true;
    hide();
}

void ProgressWidget::CloseAtRunEnd()
{
    runEnded = true;
    close();
}

void ProgressWidget::closeEvent(QCloseEvent* event)
{
    if (!runEnded)
        SlotCancel();
    event->accept();
}
