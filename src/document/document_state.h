// The one record of the shown document.
#pragma once

#include <cstdint>
#include <string>

#include "document/encoding.h"

enum TEncodingSource : std::uint8_t {
  Detected = 0,
  ByExtension = 1,
  ChosenByUser = 2,
};

struct TDocumentState {
  std::u16string FileName;  // full path; empty while the document is untitled
  TextEncoding Encoding = Ansi;
  bool HasBom = false;
  TEncodingSource EncodingSource = Detected;
  bool Modified = false;
  bool WriteProtected = false;
  std::uint64_t Edits = 0;  // changes of the text so far, counted by ApplyEdited
};

extern TDocumentState DocumentState;

struct TDecodedDocument;

// FileName becomes an owned copy of the path.
void AdoptFileName(TDocumentState& state, std::u16string_view path);

// Every event that changes the record, one function each, with the facts
// from outside (the file's write protection) passed in. The shell applies
// them to DocumentState and refreshes title and status line.

// A load read and shown: encoding, mark and how the encoding was reached as
// decoded; a text cut at a zero byte counts as write-protected, so that no
// plain save writes the file back shortened. The name is the caller's.
void ApplyLoaded(TDocumentState& state, const TDecodedDocument& doc, bool fileWriteProtected);
// The MS-DOS open: the same, but how the encoding was reached stays.
void ApplyDosLoaded(TDocumentState& state, const TDecodedDocument& doc, bool fileWriteProtected);
// An open or save under a new name: the name adopted, nothing unsaved.
void ApplyNamed(TDocumentState& state, std::u16string_view path);
// A completed write in that encoding, with or without mark.
void ApplyWritten(TDocumentState& state, TextEncoding encoding, bool hasBom, bool fileWriteProtected);
// A new, untitled document (how the encoding was reached stays).
void ApplyNew(TDocumentState& state);
// ANSI and UTF-8 swap, other encodings stay; from now on the user's choice
// counts over the extension rule.
void ApplyEncodingToggle(TDocumentState& state);
// The text changed in the editor: modified, and one more edit counted.
void ApplyEdited(TDocumentState& state);

// FileName, or "Unbenannt" for an untitled document.
std::u16string DocumentDisplayName();
