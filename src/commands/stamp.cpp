#include "commands/stamp.h"

#include "platform/memory.h"
#include "platform/text.h"

namespace {

// value as exactly `width` decimal digits, zeros in front.
void PutNumber(std::u16string& out, int value, int width) {
  std::u16string digits(static_cast<std::size_t>(width), u'0');
  unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
  for (int k = width - 1; k >= 0; --k, v /= 10) digits[static_cast<std::size_t>(k)] = static_cast<char16_t>(u'0' + v % 10);
  out += digits;
}

bool IsBlankByte(char b) { return b == ' ' || b == '\t' || b == '\r' || b == '\n'; }

bool IsBlankUnit(char16_t c) {
  if (c < 0x80) return IsBlankByte(static_cast<char>(c));
  std::string bytes;
  if (!EncodeText(AnsiCodePage(), std::u16string_view(&c, 1), false, bytes, nullptr)) return false;
  return bytes.size() == 1 && IsBlankByte(bytes[0]);
}

}  // namespace

std::u16string FormatStamp(const TStampTime& time) {
  std::u16string out;
  PutNumber(out, time.year, 4);
  out += u'-';
  PutNumber(out, time.month, 2);
  out += u'-';
  PutNumber(out, time.day, 2);
  out += u'\t';
  PutNumber(out, time.hour, 2);
  out += u':';
  PutNumber(out, time.minute, 2);
  out += u':';
  PutNumber(out, time.second, 2);
  return out;
}

std::u16string LogStampText(std::u16string_view stamp) {
  std::u16string out = u"\r\n";
  out += stamp;
  out += u"\r\n";
  return out;
}

bool IsBlankForDuplicate(std::u16string_view line) {
  for (char16_t c : line)
    if (!IsBlankUnit(c)) return false;
  return true;
}

bool DuplicateLineText(std::u16string_view line, bool atTextEnd, std::u16string_view textEnd,
                       std::u16string& out) {
  out.clear();
  if (line.empty() || IsBlankForDuplicate(line)) return true;
  if (!TryReserve(out, line.size() + 4)) return false;
  if (atTextEnd && (textEnd.size() < 2 || textEnd.substr(textEnd.size() - 2) != u"\r\n")) out = u"\r\n";
  out += line;
  out += u"\r\n";
  return true;
}
