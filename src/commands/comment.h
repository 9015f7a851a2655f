// Line commenting by file type: the syntax table, the line tests, the plan of
// changes that carries the selection, and the rewrite of a block of lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One row of the syntax table; an empty Closer means the syntax has none.
struct TCommentSyntax {
  std::u16string_view Opener;
  std::u16string_view Closer;
};

// The markers for a file extension (".bat", with its dot; empty for an
// untitled document). Rows are matched without regard to case, first row
// first; anything unknown gets "# ".
TCommentSyntax CommentSyntaxFor(std::u16string_view extension);

// One planned change, in offsets of the unchanged block.
struct TEditOp {
  std::int32_t Pos;  // where the change applies
  bool Removal;      // true: Len units removed from Pos; false: Len units inserted before Pos
  std::int32_t Len;
};

using TEditPlan = std::vector<TEditOp>;

// Line tests, each on the line text[start, start + length) without its line
// break.
std::size_t LeadingBlanks(std::u16string_view text, std::size_t start, std::size_t length);
std::size_t TrimmedLength(std::u16string_view text, std::size_t start, std::size_t length);
// Also true for an empty line.
bool IsBlankLine(std::u16string_view text, std::size_t start, std::size_t length);
// The opener follows the leading blanks; ASCII a-z count as A-Z on both sides.
bool HasOpener(std::u16string_view text, std::size_t start, std::size_t length, std::u16string_view opener);
// There is a closer and the line up to TrimmedLength ends with it exactly;
// closerPos receives TrimmedLength minus the closer's length.
bool HasCloser(std::u16string_view text, std::size_t start, std::size_t length, std::u16string_view closer,
               std::size_t& closerPos);

// Plans the toggle of every line of the block, growth receiving the block's
// change in length (negative when it shrinks). The plan is in increasing Pos.
// False, with the plan empty, when its memory cannot be had.
bool PlanCommentToggle(std::u16string_view block, std::u16string_view opener, std::u16string_view closer,
                       TEditPlan& plan, std::int64_t& growth);

// Builds the toggled block; its length is the block's plus the planned growth.
// False, with out empty, when its memory cannot be had.
bool BuildCommentToggle(std::u16string_view block, std::u16string_view opener, std::u16string_view closer,
                        std::u16string& out);

// Carries offset x of the unchanged block to the changed block.
std::int64_t MapOffset(const TEditPlan& plan, std::int64_t x);

// The block Ctrl+Q toggles for the selection start..end, in a text whose
// lines are the control's without word wrap (editor/lines.h): from the first
// index of the line holding start to the end of the last line's break,
// leaving out a last line that the selection only touches at its first
// index. Empty (blockEnd = blockStart) only for an empty text.
void CommentBlock(std::u16string_view text, std::size_t start, std::size_t end, std::size_t& blockStart,
                  std::size_t& blockEnd);
