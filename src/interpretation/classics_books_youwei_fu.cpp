#include "interpretation/classics_books.h"

namespace interpretation {

void YouWeiFu(CC, BookText&) {}
void YouWeiTianGanFu(CC, BookText&) {}
void JinBuHuanKanMingShengChi(CC, BookText&) {}
void YuanYuanJiShuo(CC, BookText&) {}
void AiZengFu(CC, BookText&) {}

}  // namespace interpretation
