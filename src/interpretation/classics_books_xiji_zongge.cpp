#include "interpretation/classics_books.h"

namespace interpretation {

void LunXiJiZongGe(CC, BookText&) {}
void ZhuLunKouJue(CC, BookText&) {}
void CunJinSouSuiLun(CC, BookText&) {}
void JinYuFu(CC, BookText&) {}

}  // namespace interpretation
