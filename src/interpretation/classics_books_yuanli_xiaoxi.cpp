#include "interpretation/classics_books.h"

namespace interpretation {

void WuXingYuanLiXiaoXiFu(CC, BookText&) {}
void XiJi(CC, BookText&) {}
void ZiPingFanLun(CC, BookText&) {}
void ZiPingJuYao(CC, BookText&) {}

}  // namespace interpretation
