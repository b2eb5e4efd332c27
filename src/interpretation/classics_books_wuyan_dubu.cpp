#include "interpretation/classics_books.h"

namespace interpretation {

void WuYanDuBu(CC, BookText&) {}
void DiTianSui(CC, BookText&) {}
void BaiZhangGe(CC, BookText&) {}
void LunYongShenSuoJi(CC, BookText&) {}

}  // namespace interpretation
