#pragma once

#include <QStringView>

#include <optional>

namespace trellis {

// Text to number as the Russian Windows locale converts it (the rules behind IsNumeric and
// CDbl there): outer blanks, a leading "+" or "-", a trailing "-", parentheses for negatives,
// the decimal comma (a full stop is not a number), spaces and no-break spaces between digits
// as thousands separators, an exponent, and &H / &O prefixes. Nothing when it is not a number.
std::optional<double> ParseLocaleNumber(QStringView text);

// The number rounded half to even, as the conversion to a whole number does; nothing when the
// text is not a number or the result does not fit in 32 bits.
std::optional<int> ParseLocaleWholeNumber(QStringView text);

// Text formatted with a pattern of Digits zeros ("000"): a number is rounded half away from zero
// and padded with leading zeros, its sign kept even when it rounds to zero; longer numbers are
// never cut; a text that is no number comes back unchanged.
QString FormatWithZeros(QStringView text, int digits);

}  // namespace trellis
