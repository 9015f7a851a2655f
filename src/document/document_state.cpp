#include "document/document_state.h"

TDocumentState DocumentState;

void AdoptFileName(std::u16string_view path) { DocumentState.FileName.assign(path); }

std::u16string DocumentDisplayName() {
  return DocumentState.FileName.empty() ? std::u16string(u"Unbenannt") : DocumentState.FileName;
}
