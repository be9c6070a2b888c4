// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a cell's text: whether it is a number at all, and the number it reads as.
#pragma once

#include <string_view>

namespace cestaro {

// Texts are UTF-8. Only ASCII counts: blanks are space and tab, signs are '+' and '-', the separator is
// always the full stop (never the locale's), the exponent mark is 'E' or 'e'. Any other character, a
// Unicode minus or digit included, is not part of a number.
class CellText {
public:
    // True when the text, apart from blanks before and after it, is an optional sign, then digits with at
    // most one full stop (at least one digit, on either side of the stop), then optionally an exponent:
    // 'E' or 'e', an optional sign and at least one digit. So "1." and ".5" are numbers; "", blanks,
    // "-", ".", "1e", "1e+", "- 1", "1.2.3" and "1,5" are not.
    static bool isNumber(std::string_view text);

    // The number the text starts with: leading blanks are skipped, then a sign, digits, a full stop with
    // fraction digits and an exponent are read as far as they go; whatever follows is ignored, and an
    // exponent mark with no digit after it is not read. A text that does not start with a number reads 0.
    // Too large a magnitude reads as an infinity, too small a one as zero; any length of digits is fine.
    static double value(std::string_view text);
};

} // namespace cestaro
