#include "shell/index_documents.h"

#include "shell/page_output.h"
#include "shell/utf8_text.h"

namespace shell {

namespace {

constexpr wchar_t kDocumentHead[] =
    LR"(<html><head lang="zh-tw"><META content="text/html; charset=big5" http-equiv=Content-Type></head>)";

}  // namespace

std::wstring DefaultIndexDocument(std::wstring_view documentPath) {
  if (documentPath == L"index1.htm") {
    return std::wstring(kDocumentHead) +
           LR"(<frameset cols="50%,50%"><frame src="陰曆.htm"><frame src="農民曆.htm"></frameset></html>)";
  }
  if (documentPath == L"index2.htm") {
    return std::wstring(kDocumentHead) +
           LR"(<frameset rows="100%"><frame src="八字重.htm"></frameset></html>)";
  }
  return {};
}

bool ProvideIndexDocument(Platform& platform, std::wstring_view documentPath, std::string& error) {
  if (platform.DocumentExists(documentPath)) {
    return true;
  }
  return WritePageFile(platform, DefaultIndexDocument(documentPath), documentPath, error);
}

bool ProvideRequestIndexDocument(Platform& platform, PageControls& controls,
                                 std::wstring_view documentPath) {
  std::string error;
  if (ProvideIndexDocument(platform, documentPath, error)) {
    return true;
  }
  controls.ShowMessage(L"無法寫入 " + std::wstring(documentPath) + L"：" + Utf8ToWide(error));
  return false;
}

}  // namespace shell
