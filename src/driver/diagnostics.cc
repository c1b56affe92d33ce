#include "driver/diagnostics.h"

namespace morvex {
namespace {

// The length of the valid UTF-8 sequence at the front of `text`, or 0.
size_t Utf8Length(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  // Overlong forms, surrogates and values past U+10FFFF.
  if (lead == 0xE0 && byte(1) < 0xA0) return 0;
  if (lead == 0xED && byte(1) >= 0xA0) return 0;
  if (lead == 0xF0 && byte(1) < 0x90) return 0;
  if (lead == 0xF4 && byte(1) >= 0x90) return 0;
  return length;
}

}  // namespace

std::string WarningLine(std::string_view file, const Stop& stop) {
  return std::string(file) + ":" + std::to_string(stop.line) + ":" + std::to_string(stop.column) +
         ": warning: not translated: " + stop.message + " [" + stop.code + "]\n";
}

std::string JsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  while (!text.empty()) {
    const unsigned char byte = static_cast<unsigned char>(text[0]);
    const size_t length = Utf8Length(text);
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20 || byte == 0x7F || length == 0) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += text.substr(0, length);
      text.remove_prefix(length - 1);
    }
    text.remove_prefix(1);
  }
  return out + "\"";
}

std::string JsonLine(std::string_view file, const Stop& stop) {
  return "{\"file\":" + JsonString(file) + ",\"line\":" + std::to_string(stop.line) +
         ",\"column\":" + std::to_string(stop.column) +
         ",\"severity\":\"warning\",\"code\":" + JsonString(stop.code) +
         ",\"message\":" + JsonString("not translated: " + stop.message) + "}\n";
}

}  // namespace morvex
