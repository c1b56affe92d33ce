// The text of a batch file as the runnable mode reads it: its bytes as they
// are, or converted into UTF-8 from UTF-16 or from a Windows code page.

#ifndef MORVEX_DRIVER_BATCH_ENCODING_H_
#define MORVEX_DRIVER_BATCH_ENCODING_H_

#include <string>
#include <string_view>

#include "driver/status.h"

namespace morvex {

/// Converts `bytes`, the batch file `name`, in place. A file that starts with
/// a UTF-16 byte-order mark (either order) is UTF-16 and becomes UTF-8; else
/// a `code_page` given (its number, "866") converts the bytes into UTF-8;
/// else they stay as they are. A byte the code page cannot map fails with a
/// message that names the file, the line and the byte.
Status DecodeBatchText(std::string_view name, std::string_view code_page, std::string* bytes);

}  // namespace morvex

#endif  // MORVEX_DRIVER_BATCH_ENCODING_H_
