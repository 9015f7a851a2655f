#include "commands/comment.h"

#include <limits>

#include "editor/lines.h"
#include "platform/memory.h"
#include "platform/text.h"

namespace {

struct TSyntaxRow {
  std::u16string_view Extensions[2];
  TCommentSyntax Syntax;
};

constexpr TSyntaxRow SyntaxTable[] = {
    {{u".bat", u".cmd"}, {u"REM ~ ", u""}},
    {{u".html", u".htm"}, {u"<!-- ", u" -->"}},
    {{u".js", u".pas"}, {u"//~ ", u""}},
    {{u".css", u""}, {u"/* ", u" */"}},
    {{u".ps1", u""}, {u"<# ", u" #>"}},
    {{u".ini", u".reg"}, {u"; ", u""}},
    {{u".txt", u""}, {u"[", u"]"}},
};
constexpr TCommentSyntax DefaultSyntax = {u"# ", u""};

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }
char16_t FoldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

// How one line is toggled. A line counts as commented only when opener and
// closer are both there without sharing units: in '/* */' the space would
// belong to both, so that line is not a comment and gets markers instead.
// Plan and build both classify through here, so they cannot disagree.
struct TLineToggle {
  bool Skip;       // empty or blank: left as it is
  bool Commented;  // markers are removed, else inserted
  std::size_t Lead;
  std::size_t Trimmed;
  std::size_t CloserPos;
};

TLineToggle ClassifyLine(std::u16string_view line, std::u16string_view opener,
                         std::u16string_view closer) {
  TLineToggle t{};
  std::size_t n = line.size();
  if (IsBlankLine(line, 0, n)) {
    t.Skip = true;
    return t;
  }
  t.Lead = LeadingBlanks(line, 0, n);
  t.Trimmed = TrimmedLength(line, 0, n);
  bool open = HasOpener(line, 0, n, opener);
  if (closer.empty()) {
    t.Commented = open;
  } else {
    t.Commented = open && HasCloser(line, 0, n, closer, t.CloserPos) && t.Lead + opener.size() <= t.CloserPos;
  }
  return t;
}

// Calls visit(lineStart, line) for every line of the block; a line runs to the
// next CR or LF, and the breaks between lines are not part of any line.
template <typename Visit>
void ForEachLine(std::u16string_view block, Visit visit) {
  std::size_t i = 0;
  std::size_t n = block.size();
  while (i < n) {
    std::size_t start = i;
    while (i < n && !IsBreak(block[i])) ++i;
    visit(start, block.substr(start, i - start));
    while (i < n && IsBreak(block[i])) ++i;
  }
}

void AddOp(TEditPlan& plan, std::size_t pos, bool removal, std::size_t len) {
  if (len == 0) return;
  plan.push_back({static_cast<std::int32_t>(pos), removal, static_cast<std::int32_t>(len)});
}

}  // namespace

TCommentSyntax CommentSyntaxFor(std::u16string_view extension) {
  if (extension.empty()) return DefaultSyntax;
  for (const TSyntaxRow& row : SyntaxTable) {
    for (std::u16string_view e : row.Extensions) {
      if (!e.empty() && CompareNoCase(extension, e) == 0) return row.Syntax;
    }
  }
  return DefaultSyntax;
}

std::size_t LeadingBlanks(std::u16string_view text, std::size_t start, std::size_t length) {
  std::u16string_view line = text.substr(start, length);
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

std::size_t TrimmedLength(std::u16string_view text, std::size_t start, std::size_t length) {
  std::u16string_view line = text.substr(start, length);
  std::size_t n = line.size();
  while (n > 0 && IsBlank(line[n - 1])) --n;
  return n;
}

bool IsBlankLine(std::u16string_view text, std::size_t start, std::size_t length) {
  return LeadingBlanks(text, start, length) == text.substr(start, length).size();
}

bool HasOpener(std::u16string_view text, std::size_t start, std::size_t length, std::u16string_view opener) {
  std::u16string_view line = text.substr(start, length);
  std::size_t lead = LeadingBlanks(line, 0, line.size());
  if (opener.empty() || line.size() - lead < opener.size()) return false;
  for (std::size_t i = 0; i < opener.size(); ++i) {
    if (FoldAscii(line[lead + i]) != FoldAscii(opener[i])) return false;
  }
  return true;
}

bool HasCloser(std::u16string_view text, std::size_t start, std::size_t length, std::u16string_view closer,
               std::size_t& closerPos) {
  std::u16string_view line = text.substr(start, length);
  std::size_t trimmed = TrimmedLength(line, 0, line.size());
  if (closer.empty() || trimmed < closer.size()) return false;
  closerPos = trimmed - closer.size();
  return line.substr(closerPos, closer.size()) == closer;
}

namespace {

// The toggle's change in length and the number of changes it makes.
void CountToggle(std::u16string_view block, std::u16string_view opener, std::u16string_view closer,
                 std::int64_t& growth, std::size_t& changes) {
  growth = 0;
  changes = 0;
  std::int64_t change = static_cast<std::int64_t>(opener.size() + closer.size());
  ForEachLine(block, [&](std::size_t, std::u16string_view line) {
    TLineToggle t = ClassifyLine(line, opener, closer);
    if (t.Skip) return;
    growth += t.Commented ? -change : change;
    changes += closer.empty() ? 1 : 2;
  });
}

}  // namespace

bool PlanCommentToggle(std::u16string_view block, std::u16string_view opener, std::u16string_view closer,
                       TEditPlan& plan, std::int64_t& growth) {
  plan.clear();
  growth = 0;
  if (opener.empty() || block.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return true;
  }
  std::size_t changes = 0;
  CountToggle(block, opener, closer, growth, changes);
  if (!TryReserve(plan, changes)) {
    growth = 0;
    return false;
  }
  std::size_t p = opener.size();
  std::size_t s = closer.size();
  ForEachLine(block, [&](std::size_t ls, std::u16string_view line) {
    TLineToggle t = ClassifyLine(line, opener, closer);
    if (t.Skip) return;
    if (s > 0) {
      AddOp(plan, ls + t.Lead, t.Commented, p);
      AddOp(plan, ls + (t.Commented ? t.CloserPos : t.Trimmed), t.Commented, s);
    } else {
      AddOp(plan, ls + t.Lead, t.Commented, p);
    }
  });
  return true;
}

bool BuildCommentToggle(std::u16string_view block, std::u16string_view opener, std::u16string_view closer,
                        std::u16string& out) {
  out.clear();
  std::int64_t growth = 0;
  std::size_t changes = 0;
  CountToggle(block, opener, closer, growth, changes);
  if (!TryReserve(out, static_cast<std::size_t>(static_cast<std::int64_t>(block.size()) + growth))) return false;
  std::size_t copied = 0;  // block offset up to which the input is in out
  ForEachLine(block, [&](std::size_t ls, std::u16string_view line) {
    TLineToggle t = ClassifyLine(line, opener, closer);
    if (t.Skip) return;
    out.append(block.substr(copied, ls + t.Lead - copied));  // earlier breaks and blank lines, the lead
    if (t.Commented) {
      std::size_t textEnd = closer.empty() ? line.size() : t.CloserPos;
      out.append(line.substr(t.Lead + opener.size(), textEnd - t.Lead - opener.size()));
      if (!closer.empty()) out.append(line.substr(t.Trimmed));
    } else if (closer.empty()) {
      out.append(opener);
      out.append(line.substr(t.Lead));
    } else {
      out.append(opener);
      out.append(line.substr(t.Lead, t.Trimmed - t.Lead));
      out.append(closer);
      out.append(line.substr(t.Trimmed));
    }
    copied = ls + line.size();
  });
  out.append(block.substr(copied));
  return true;
}

std::int64_t MapOffset(const TEditPlan& plan, std::int64_t x) {
  std::int64_t shift = 0;
  for (const TEditOp& op : plan) {
    if (!op.Removal) {
      if (x >= op.Pos) shift += op.Len;
    } else if (x > op.Pos + op.Len) {
      shift -= op.Len;
    } else if (x > op.Pos) {
      shift -= x - op.Pos;
    }
  }
  return x + shift;
}

void CommentBlock(std::u16string_view text, std::size_t start, std::size_t end, std::size_t& blockStart,
                  std::size_t& blockEnd) {
  blockStart = LineStartOf(text, start);
  std::size_t lastStart = blockStart;
  if (start != end) {
    lastStart = LineStartOf(text, end);
    if (end == lastStart && lastStart > blockStart) lastStart = LineStartOf(text, end - 1);
  }
  std::size_t next = NextLineStart(text, lastStart);
  blockEnd = next == std::u16string_view::npos ? text.size() : next;
}
