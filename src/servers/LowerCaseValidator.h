#pragma once

#include <QValidator>

// Turns whatever reaches an edit, typed or pasted, into lower case.
class LowerCaseValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};
