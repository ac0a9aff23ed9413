// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_UTF8BOUNDVALIDATOR_H
#define QUORLITH_UI_UTF8BOUNDVALIDATOR_H

#include <QValidator>

#include <cstddef>

// Takes a text while its UTF-8 form holds at most a number of bytes, the unit in which the report's case
// details are bounded (a field's own maximum length counts UTF-16 units, not bytes).
class Utf8BoundValidator : public QValidator
{
    Q_OBJECT

public:
    Utf8BoundValidator(size_t maxBytes, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    size_t maxBytes;
};

#endif
