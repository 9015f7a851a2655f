// Value-returning forms of the rules that answer false when their memory
// cannot be had, for the tests, fuzzers and benchmarks, where memory does not
// run out (a failure would show as an empty result). The program itself
// calls the checked forms.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/case_sort.h"
#include "commands/cleanup.h"
#include "commands/comment.h"
#include "commands/exchange_order.h"
#include "commands/stamp.h"
#include "document/document_rules.h"
#include "document/encoding.h"
#include "output/pdf_export.h"
#include "output/print.h"

inline std::u16string ToCrLf(std::u16string_view text) {
  std::u16string out;
  ToCrLf(text, out);
  return out;
}
inline std::string EncodeUtf8(std::u16string_view text) {
  std::string out;
  EncodeUtf8(text, out);
  return out;
}
inline std::string EncodeAnsi(std::u16string_view text) {
  std::string out;
  EncodeAnsi(text, out);
  return out;
}
inline std::string EncodeDos437(std::u16string_view text, bool& replaced) {
  std::string out;
  EncodeDos437(text, out, replaced);
  return out;
}
inline std::u16string DecodeCodePage(unsigned codePage, const char* bytes, std::size_t count) {
  std::u16string out;
  DecodeCodePage(codePage, bytes, count, out);
  return out;
}
inline std::u16string DecodeUtf16(const char* bytes, std::size_t count) {
  std::u16string out;
  DecodeUtf16(bytes, count, out);
  return out;
}
inline std::u16string DecodeUtf16BigEndian(const char* bytes, std::size_t count) {
  std::u16string out;
  DecodeUtf16BigEndian(bytes, count, out);
  return out;
}
inline TDecodedDocument DecodeDocument(std::u16string_view path, const char* bytes, std::size_t count) {
  TDecodedDocument doc;
  DecodeDocument(path, bytes, count, doc);
  return doc;
}
inline TDecodedDocument DecodeDosDocument(char* bytes, std::size_t count) {
  TDecodedDocument doc;
  DecodeDosDocument(bytes, count, doc);
  return doc;
}
inline std::string EncodeForSave(std::u16string_view text, bool utf8, std::u16string_view path) {
  std::string bytes;
  EncodeForSave(text, utf8, path, bytes);
  return bytes;
}
inline std::string TempUtf8Bytes(std::u16string_view text) {
  std::string bytes;
  TempUtf8Bytes(text, bytes);
  return bytes;
}
inline std::u16string ConvertedCase(std::u16string_view text, bool upper) {
  std::u16string out;
  ConvertedCase(text, upper, out);
  return out;
}
inline std::vector<std::size_t> RankLines(const std::vector<std::u16string>& lines, bool ascending) {
  std::vector<std::u16string_view> views(lines.begin(), lines.end());
  std::vector<std::size_t> ranks;
  RankLines(views, ascending, ranks);
  return ranks;
}
inline std::vector<std::size_t> ExchangeSortOrder(const std::vector<std::size_t>& ranks) {
  std::vector<std::size_t> order;
  ExchangeSortOrder(ranks, order);
  return order;
}
// The lines in the order the exchange sort with CompareLines leaves them.
inline void SortLines(std::vector<std::u16string>& lines, bool ascending) {
  std::vector<std::size_t> order = ExchangeSortOrder(RankLines(lines, ascending));
  std::vector<std::u16string> sorted;
  for (std::size_t i : order) sorted.push_back(std::move(lines[i]));
  lines = std::move(sorted);
}
inline std::int64_t PlanCommentToggle(std::u16string_view block, std::u16string_view opener,
                                      std::u16string_view closer, TEditPlan& plan) {
  std::int64_t growth = 0;
  PlanCommentToggle(block, opener, closer, plan, growth);
  return growth;
}
inline std::u16string BuildCommentToggle(std::u16string_view block, std::u16string_view opener,
                                         std::u16string_view closer) {
  std::u16string out;
  BuildCommentToggle(block, opener, closer, out);
  return out;
}
inline std::u16string CleanUpText(std::u16string_view text) {
  std::u16string out;
  CleanUpText(text, out);
  return out;
}
inline std::u16string DuplicateLineText(std::u16string_view line, bool atTextEnd, std::u16string_view textEnd) {
  std::u16string out;
  DuplicateLineText(line, atTextEnd, textEnd, out);
  return out;
}
inline std::u16string PrintableText(std::u16string_view editorText) {
  std::u16string text(editorText);
  MakePrintable(text);
  return text;
}
inline std::vector<TParagraph> SplitParagraphs(std::u16string_view text) {
  std::vector<TParagraph> paragraphs;
  SplitParagraphs(text, paragraphs);
  return paragraphs;
}
