#include "interpretation/classics_books.h"

namespace interpretation {

void YaQuanNuMingFu(CC, BookText&) {}
void QiTa(CC, BookText&) {}

}  // namespace interpretation
