// SPDX-License-Identifier: Apache-2.0
#include "ui/Utf8BoundValidator.h"

Utf8BoundValidator::Utf8BoundValidator(size_t maxBytes, QObject* parent)
    : QValidator(parent), maxBytes(maxBytes)
{
}

QValidator::State Utf8BoundValidator::validate(QString& input, int&) const
{
    return static_cast<size_t>(input.toUtf8().size()) <= maxBytes ? Acceptable : Invalid;
}
