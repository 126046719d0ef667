#include "playerwindows/NameValidator.h"

#include "players/Cp1252.h"
#include "players/PlayerRecord.h"

QValidator::State NameValidator::validate(QString& input, int&) const
{
    return cp1252::isStorableName(input.toStdString(), kPlayerNameSize) ? Acceptable : Invalid;
}
