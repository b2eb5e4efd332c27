#include "interpretation/classics_books.h"

namespace interpretation {

void NuMingJianGe(CC, BookText&) {}
void NuMingZongDuanGe(CC, BookText&) {}
void NuMingShiJue(CC, BookText&) {}

}  // namespace interpretation
