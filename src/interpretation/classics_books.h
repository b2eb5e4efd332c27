#pragma once

#include "interpretation/classics_judgement.h"

// The sentences of the 31 books of the classics judgement, one function per book (仙機賦 one per
// part), each in the order its book gives, written with the chart notation of the classics.
// The books are grouped in files by the chapters they come from.
namespace interpretation {

void WuYanDuBu(CC c, BookText& w);  // 《五言獨步》
void DiTianSui(CC c, BookText& w);  // 《滴天髓》
void BaiZhangGe(CC c, BookText& w);  // 《百章歌》
void LunYongShenSuoJi(CC c, BookText& w);  // 《論用神所忌》
void BiYuanFu(CC c, BookText& w);  // 《碧淵賦》
void LunXiJiZongGe(CC c, BookText& w);  // 《論喜忌總歌》
void ZhuLunKouJue(CC c, BookText& w);  // 《諸論口訣》
void CunJinSouSuiLun(CC c, BookText& w);  // 《寸金搜髓論》
void JinYuFu(CC c, BookText& w);  // 《金玉賦》
void JiShanPian(CC c, BookText& w);  // 《繼善篇》
void SiYanDuBu(CC c, BookText& w);  // 《四言獨步》
void YouWeiFu(CC c, BookText& w);  // 《幽微賦》
void YouWeiTianGanFu(CC c, BookText& w);  // 《幽微天干賦》
void JinBuHuanKanMingShengChi(CC c, BookText& w);  // 《金不換看命繩尺》
void YuanYuanJiShuo(CC c, BookText& w);  // 《淵源集說》
void AiZengFu(CC c, BookText& w);  // 《愛憎賦》
void WuXingYuanLiXiaoXiFu(CC c, BookText& w);  // 《五行元理消息賦》
void XiJi(CC c, BookText& w);  // 《喜忌》
void ZiPingFanLun(CC c, BookText& w);  // 《子平泛論》
void ZiPingJuYao(CC c, BookText& w);  // 《子平舉要》
void JiangMingJieJingFu(CC c, BookText& w);  // 《講命捷徑賦》
void RenJianLun(CC c, BookText& w);  // 《人鑒論》
void XianJiFuForMen(CC c, BookText& w);  // 《仙機賦》
void XianJiFuForWomen(CC c, BookText& w);  // 《仙機賦》, the part for women
void ZiPingZhenQuanPingZhu(CC c, BookText& w);  // 《子平真銓評注》
void XingPingHuiHaiQuanShu(CC c, BookText& w);  // 《星平會海全書》
void QiXiangPian(CC c, BookText& w);  // 《氣象篇》
void YaQuanNuMingFu(CC c, BookText& w);  // 《崖泉女命賦》
void QiTa(CC c, BookText& w);  // 《其他》
void NuMingJianGe(CC c, BookText& w);  // 《女命賤格》
void NuMingZongDuanGe(CC c, BookText& w);  // 《女命總斷歌》
void NuMingShiJue(CC c, BookText& w);  // 《女命詩訣》

}  // namespace interpretation
