// The text commands as tables: each step puts a text and a selection into
// the editor (or keeps the text it shows and only selects), presses the
// command's shortcut, answers its question where it asks one, and checks the
// text and the selection afterwards and, where asked, that one undo brings
// the text back. One loop runs every table.
#pragma once

#include <doctest/doctest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "base/commands.h"
#include "driver_win.h"

constexpr DWORD AnySelection = 0xFFFFFFFF;  // the selection afterwards is not checked
inline const std::optional<std::wstring> KeptText;  // the step keeps the editor's text

struct TCommandStep {
  std::optional<std::wstring> Text;  // put into the editor first; KeptText: as it is
  DWORD Start, End;                  // the selection the command starts from
  unsigned short Command;            // pressed by its shortcut
  std::wstring Expected;             // the text afterwards
  DWORD ResultStart = AnySelection, ResultEnd = AnySelection;
  bool Undo = false;  // then one undo brings back the text before
  int Answer = 0;     // the button that answers the command's question
};

// Answers the question a step's command asks (a message box) with step.Answer.
using TAnswerer = void (*)(TZib& zib, const TCommandStep& step);

inline void RunSteps(TZib& zib, std::initializer_list<TCommandStep> steps, TAnswerer answer = nullptr) {
  int row = 0;
  for (const TCommandStep& step : steps) {
    ++row;
    INFO("step " << row << ", command " << step.Command);
    std::wstring before = step.Text ? *step.Text : EditorText(zib);
    if (step.Text) {
      REQUIRE(PutText(zib, *step.Text, step.Start, step.End));
    } else {
      SelectInEditor(zib, step.Start, step.End);
      REQUIRE(SelectionBecomes(zib, step.Start, step.End));
    }
    REQUIRE(PressCommand(zib, step.Command));
    if (step.Answer) {
      REQUIRE(static_cast<bool>(answer));
      answer(zib, step);
    }
    REQUIRE(WaitForInputHandled(zib));
    CHECK(TextBecomes(zib, step.Expected));
    if (step.ResultStart != AnySelection) CHECK(SelectionBecomes(zib, step.ResultStart, step.ResultEnd));
    if (step.Undo) {
      REQUIRE(PressCommand(zib, CmdUndo));
      CHECK(TextBecomes(zib, before));
    }
  }
}
