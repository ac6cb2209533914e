// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalSeparator.h"

#include <QLocale>
#include <optional>

namespace {

std::optional<char>& Stored()
{
    static std::optional<char> separator;
    return separator;
}

char FromSystemLocale()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7f)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

}  // namespace

char LocaleDecimalSeparator()
{
    if (!Stored())
        Stored() = FromSystemLocale();
    return *Stored();
}

void SetLocaleDecimalSeparator(char separator)
{
    Stored() = separator;
}
