#include "shell/page_request.h"

#include <string>

#include "shell/page_output.h"
#include "shell/utf8_text.h"

namespace shell {

bool WriteRequestPage(Platform& platform, PageControls& controls, std::wstring_view page,
                      std::wstring_view fileName) {
  std::string error;
  if (WritePageFile(platform, page, fileName, error)) {
    return true;
  }
  controls.ShowMessage(L"無法寫入 " + std::wstring(fileName) + L"：" + Utf8ToWide(error));
  return false;
}

void OpenRequestDocument(Platform& platform, PageControls& controls,
                         std::wstring_view documentPath) {
  std::string error;
  if (!OpenPageInBrowser(platform, documentPath, error)) {
    controls.ShowMessage(L"無法開啟 " + std::wstring(documentPath) + L"：" + Utf8ToWide(error));
  }
}

}  // namespace shell
