#include "interpretation/classics_books.h"

namespace interpretation {

void JiShanPian(CC, BookText&) {}
void SiYanDuBu(CC, BookText&) {}

}  // namespace interpretation
