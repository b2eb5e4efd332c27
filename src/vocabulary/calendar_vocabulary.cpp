#include "vocabulary/calendar_vocabulary.h"

namespace vocabulary {

CalendarVocabulary::CalendarVocabulary()
    : monthNames{L"十一", L"十二", L"正", L"二", L"三", L"四",
                 L"五",   L"六",   L"七", L"八", L"九", L"十"},
      termNames{L"冬至", L"小寒", L"大寒", L"立春", L"雨水", L"驚蟄", L"春分", L"清明",
                L"穀雨", L"立夏", L"小滿", L"芒種", L"夏至", L"小暑", L"大暑", L"立秋",
                L"處暑", L"白露", L"秋分", L"寒露", L"霜降", L"立冬", L"小雪", L"大雪"},
      stems{L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸"},
      branches{L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"},
      dayNames{L"初一", L"初二", L"初三", L"初四", L"初五", L"初六", L"初七", L"初八",
               L"初九", L"初十", L"十一", L"十二", L"十三", L"十四", L"十五", L"十六",
               L"十七", L"十八", L"十九", L"二十", L"廿一", L"廿二", L"廿三", L"廿四",
               L"廿五", L"廿六", L"廿七", L"廿八", L"廿九", L"三十", L"卅一"},
      animals{L"鼠", L"牛", L"虎", L"兔", L"龍", L"蛇", L"馬", L"羊", L"猴", L"雞", L"狗", L"豬"},
      phaseNames{L"朔", L"上弦", L"望", L"下弦"},
      signNames{L"摩羯", L"水瓶", L"雙魚", L"白羊", L"金牛", L"雙子",
                L"巨蟹", L"獅子", L"處女", L"天秤", L"天蠍", L"射手"},
      digitNames{L"零", L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十"} {}

}  // namespace vocabulary
