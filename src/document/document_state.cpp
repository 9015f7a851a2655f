#include "document/document_state.h"

#include "base/texts.h"
#include "document/document_rules.h"

TDocumentState DocumentState;

std::u16string DocumentDisplayName() {
  return DocumentState.FileName.empty() ? std::u16string(UntitledName) : DocumentState.FileName;
}

void ApplyLoaded(TDocumentState& state, const TDecodedDocument& doc, bool fileWriteProtected) {
  ApplyDosLoaded(state, doc, fileWriteProtected);
  state.EncodingSource = doc.EncodingSource;
}

void ApplyDosLoaded(TDocumentState& state, const TDecodedDocument& doc, bool fileWriteProtected) {
  state.WriteProtected = fileWriteProtected || doc.CutAtZero;
  state.Encoding = doc.Encoding;
  state.HasBom = doc.HasBom;
  state.Modified = false;
}

void AdoptFileName(TDocumentState& state, std::u16string_view path) { state.FileName.assign(path); }

void ApplyNamed(TDocumentState& state, std::u16string_view path) {
  AdoptFileName(state, path);
  state.Modified = false;
}

void ApplyWritten(TDocumentState& state, TextEncoding encoding, bool hasBom, bool fileWriteProtected) {
  state.Encoding = encoding;
  state.HasBom = hasBom;
  state.Modified = false;
  state.WriteProtected = fileWriteProtected;
}

void ApplyNew(TDocumentState& state) {
  state.FileName.clear();
  state.Modified = false;
  state.Encoding = Ansi;
  state.WriteProtected = false;
  state.HasBom = false;
}

void ApplyEncodingToggle(TDocumentState& state) {
  if (state.Encoding == Ansi) state.Encoding = Utf8;
  else if (state.Encoding == Utf8) state.Encoding = Ansi;
  state.EncodingSource = ChosenByUser;
}

void ApplyEdited(TDocumentState& state) {
  state.Modified = true;
  ++state.Edits;
}
