#include "shell/study_pages.h"

#include "shell/page_request.h"

namespace shell {

// Each table is sized by the header; a row too many or too few does not compile.

// Two captions name their documents differently: "春年經" opens 春牛經 and "廿四節氣" 氣候.
const std::array<StudyButton, 2 * 6> kDateSelectionStudyButtons = std::to_array<StudyButton>({
    // id, column, row, caption, document
    {1015, 1, 1, L"擇日用事種類", L"擇日用事種類.htm"},
    {1017, 1, 2, L"五行天干地支", L"五行天干地支.htm"},
    {1018, 1, 3, L"廿八星宿", L"廿八星宿.htm"},
    {1019, 1, 4, L"六十花甲子納音表", L"六十花甲子納音表.htm"},
    {1020, 1, 5, L"黃帝地母經", L"黃帝地母經.htm"},
    {1021, 1, 6, L"春年經", L"春牛經.htm"},
    {1022, 2, 1, L"歲時紀事", L"歲時紀事.htm"},
    {1023, 2, 2, L"廿四節氣", L"氣候.htm"},
    {1024, 2, 3, L"周公解夢", L"周公解夢.htm"},
    {1025, 2, 4, L"諸神仙佛誕辰千秋", L"諸神仙佛誕辰千秋.htm"},
    {1027, 2, 5, L"太上感應篇", L"太上感應篇.htm"},
    {1028, 2, 6, L"關於本程式", L"關於本程式.htm"},
});

// The second column's ids do not follow its rows; 1053, 1054 and 1057 are hidden buttons, the
// first two naming the documents of 1050 and 1043 again.
const std::array<StudyButton, 4 * 10> kFourPillarsStudyButtons = std::to_array<StudyButton>({
    // id, column, row, caption, document
    {1015, 1, 1, L"八字基礎", L"八字基礎.htm"},
    {1017, 1, 2, L"月令分日用事", L"月令分日用事.htm"},
    {1018, 1, 3, L"合化", L"論合化.htm"},
    {1019, 1, 4, L"論十神", L"論十神.htm"},
    {1020, 1, 5, L"十神與雜格", L"子平真銓十神.htm"},
    {1021, 1, 6, L"取格", L"格局.htm"},
    {1022, 1, 7, L"神煞", L"神煞.htm"},
    {1023, 1, 8, L"六親總論", L"六親總論.htm"},
    {1024, 1, 9, L"論疾病", L"論疾病.htm"},
    {1025, 1, 10, L"論性情相心賦", L"論性情相心賦.htm"},
    {1027, 2, 1, L"論大運太歲", L"論大運太歲.htm"},
    {1028, 2, 2, L"論十神取運", L"論十神取運.htm"},
    {1026, 2, 3, L"六神篇", L"六神篇.htm"},
    {1029, 2, 4, L"氣象篇", L"氣象篇.htm"},
    {1030, 2, 5, L"繼善篇", L"繼善篇.htm"},
    {1031, 2, 6, L"百章歌", L"百章歌.htm"},
    {1032, 2, 7, L"涯泉摘錦", L"涯泉摘錦.htm"},
    {1033, 2, 8, L"碧淵賦", L"碧淵賦.htm"},
    {1034, 2, 9, L"捷馳玄妙訣", L"挈要捷馳玄妙訣.htm"},
    {1040, 2, 10, L"五行消息賦", L"五行元理消息賦.htm"},
    {1041, 3, 1, L"五行生剋賦", L"五行生剋賦.htm"},
    {1042, 3, 2, L"幽微天干賦", L"幽微天干賦.htm"},
    {1043, 3, 3, L"珞琭子消息賦", L"珞琭子消息賦.htm"},
    {1044, 3, 4, L"玄機賦", L"玄機賦.htm"},
    {1045, 3, 5, L"金玉賦", L"金玉賦.htm"},
    {1046, 3, 6, L"愛憎賦", L"愛憎賦.htm"},
    {1047, 3, 7, L"淵源集說", L"淵源集說.htm"},
    {1048, 3, 8, L"造微論", L"造微論.htm"},
    {1049, 3, 9, L"人鑑論", L"人鑑論.htm"},
    {1050, 3, 10, L"寸金搜髓論", L"寸金搜髓論.htm"},
    {1051, 4, 1, L"滴天髓", L"滴天髓.htm"},
    {1052, 4, 2, L"骨髓歌斷", L"金不換骨髓歌斷.htm"},
    {1053, 4, 3, L"", L"寸金搜髓論.htm"},
    {1054, 4, 4, L"", L"珞琭子消息賦.htm"},
    {1055, 4, 5, L"四言獨步", L"四言獨步.htm"},
    {1056, 4, 6, L"五言獨步", L"五言獨步.htm"},
    {1057, 4, 7, L"", L"論喜忌總歌.htm"},
    {1058, 4, 8, L"論用神所忌等", L"論用神所忌.htm"},
    {1059, 4, 9, L"女命總論", L"論婦人總訣.htm"},
    {1060, 4, 10, L"關於本程式", L"關於本程式.htm"},
});

void StudyPage::Command(int controlId, ControlEvent /*event*/) {
  for (std::size_t i = 0; i < count_; ++i) {
    if (buttons_[i].id == controlId) {
      const std::wstring path = std::wstring(folder_) + L"/" + buttons_[i].document;
      if (!platform_.DocumentExists(path)) {
        controls_.ShowMessage(L"找不到文件 " + path);
        return;
      }
      OpenRequestDocument(platform_, controls_, path);
      return;
    }
  }
}

}  // namespace shell
