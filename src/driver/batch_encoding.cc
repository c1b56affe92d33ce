#include "driver/batch_encoding.h"

#include <algorithm>
#include <cstdio>

#include "driver/platform.h"
#include "driver/utf16.h"

namespace morvex {
namespace {

// UTF-16 with its byte-order mark, little-endian (FF FE) or big-endian (FE FF).
bool DecodeUtf16(std::string* bytes) {
  if (bytes->size() < 2) return false;
  const unsigned char first = static_cast<unsigned char>((*bytes)[0]);
  const unsigned char second = static_cast<unsigned char>((*bytes)[1]);
  const bool little = first == 0xFF && second == 0xFE;
  const bool big = first == 0xFE && second == 0xFF;
  if (!little && !big) return false;
  std::u16string units;
  units.reserve(bytes->size() / 2);
  for (size_t i = 2; i + 1 < bytes->size(); i += 2) {
    const unsigned low = static_cast<unsigned char>((*bytes)[little ? i : i + 1]);
    const unsigned high = static_cast<unsigned char>((*bytes)[little ? i + 1 : i]);
    units += static_cast<char16_t>(high << 8 | low);
  }
  *bytes = Utf8FromUtf16(units);
  return true;
}

}  // namespace

Status DecodeBatchText(std::string_view name, std::string_view code_page, std::string* bytes) {
  if (DecodeUtf16(bytes) || code_page.empty()) return Status::Ok();
  const unsigned page = static_cast<unsigned>(std::stoul(std::string(code_page)));
  std::string text;
  size_t bad_byte = std::string_view::npos;
  const Status status = Utf8FromCodePage(*bytes, page, &text, &bad_byte);
  if (status.ok()) {
    *bytes = std::move(text);
    return status;
  }
  if (bad_byte == std::string_view::npos) {
    return Status::Failure(std::string(name) + ": " + status.message());
  }
  const std::string_view before = std::string_view(*bytes).substr(0, bad_byte);
  const size_t line = static_cast<size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
  const size_t line_start = before.rfind('\n');
  const size_t column = bad_byte - (line_start == std::string_view::npos ? 0 : line_start + 1) + 1;
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>((*bytes)[bad_byte]));
  return Status::Failure(
      std::string(name) + ":" + std::to_string(line) + ":" + std::to_string(column) + ": byte " +
      hex + " has no character in code page " + std::string(code_page) + "; no script was written");
}

}  // namespace morvex
