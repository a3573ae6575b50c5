#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/status.h"

namespace lumetta {

// The decimal separator of the user's number settings (LC_NUMERIC), "." when it has none.
std::string DecimalSeparator();

// `value` rounded to 15 significant digits, in plain decimal notation without trailing zeros
// and without a separator for whole values (120, 172.8, 0.05), with the user's separator.
std::string NumberToText(double value);

// `text` as a 32-bit integer, rounded to the nearest and a half to the even neighbour (172.5
// gives 172, 173.5 gives 174). The text is an optional sign, digits and the user's decimal
// separator, with blanks around it. Fails with kErrTypeMismatch on any other text and with
// kErrOverflow on a value out of range; `result` is then left as it was.
Status TextToInt32(std::string_view text, int32_t& result);

}  // namespace lumetta
