#pragma once
#include <QValidator>

// Lets only names into the edit field that the players file can keep:
// characters of the Windows-1252 set, at most 20 of them.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
