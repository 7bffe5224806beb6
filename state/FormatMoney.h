#pragma once
// Money as the game shows it: groups of four digits with 万, 亿 and 兆, the
// zeros inside a group kept (210000 -> "21万0000"). No currency unit.
#include <cstdint>
#include <string>

#include "state/Value.h"

std::string FormatMoney(std::int64_t value);
// An Empty value gives the empty text, any other value its whole number.
std::string FormatMoney(const Value& value);
