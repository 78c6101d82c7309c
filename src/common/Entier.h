#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// Reads a whole 32-bit integer: leading blanks and a sign allowed, decimal, or hexadecimal after
// "$", "0x" or "0X" (up to eight digits, so $FFFFFFFF is -1). Anything else, or a decimal value out
// of range, gives no value.
std::optional<std::int32_t> LireEntierTexte(QStringView texte);
