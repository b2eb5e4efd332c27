#include "interpretation/classics_books.h"

namespace interpretation {

void JiangMingJieJingFu(CC, BookText&) {}
void RenJianLun(CC, BookText&) {}
void XianJiFuForMen(CC, BookText&) {}
void XianJiFuForWomen(CC, BookText&) {}
void ZiPingZhenQuanPingZhu(CC, BookText&) {}
void XingPingHuiHaiQuanShu(CC, BookText&) {}
void QiXiangPian(CC, BookText&) {}

}  // namespace interpretation
