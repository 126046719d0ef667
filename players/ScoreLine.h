#pragma once
#include "players/PlayerRecord.h"

#include <string>

// One line of the scores table, columns made of spaces for a fixed-pitch
// font: the name cut to 17 characters in 18 columns, the rounds played and
// the average without its fraction, numbers lined up on their last digit.
std::string scoreLine(const PlayerRecord& rec);
