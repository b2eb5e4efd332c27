#include "interpretation/classics_books.h"

namespace interpretation {

void BiYuanFu(CC, BookText&) {}

}  // namespace interpretation
