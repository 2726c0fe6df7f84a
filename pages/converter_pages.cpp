#include "pages/converter_pages.h"

void ConverterPages::Create() {
  for (CFieldPage* page : All()) page->Create();
}

CFieldPage* ConverterPages::PageOf(int controlId) {
  for (CFieldPage* page : All())
    if (page->HasField(controlId)) return page;
  return nullptr;
}
