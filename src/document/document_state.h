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
};

extern TDocumentState DocumentState;

// Replaces FileName by a copy of the path.
void AdoptFileName(std::u16string_view path);

// FileName, or "Unbenannt" for an untitled document.
std::u16string DocumentDisplayName();
