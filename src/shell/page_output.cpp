#include "shell/page_output.h"

#include <optional>

#include "shell/utf8_text.h"

namespace shell {

bool WritePageFile(Platform& platform, std::wstring_view page, std::wstring_view fileName,
                   std::string& error) {
  // A page ends at its first zero character, as a C string would.
  const std::wstring_view text = page.substr(0, page.find(L'\0'));
  const std::optional<std::string> ansiPage = platform.ConvertToAnsiCodePage(text);
  if (!ansiPage) {
    error = "no converter to code page 950 (Big5)";
    return false;
  }
  return platform.WriteWholeFile(fileName, *ansiPage, error);
}

std::string DocumentAddress(std::string_view workingDirectory, std::wstring_view documentPath) {
  std::string path(workingDirectory);
  if (path.empty() || path.back() != '/') {
    path += '/';
  }
  path += WideToUtf8(documentPath);

  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string address = "file://";
  for (char c : path) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                            byte == '_' || byte == '~' || byte == '/';
    if (unreserved) {
      address += c;
    } else {
      address += '%';
      address += kHexDigits[byte >> 4];
      address += kHexDigits[byte & 0x0F];
    }
  }
  return address;
}

bool OpenPageInBrowser(Platform& platform, std::wstring_view documentPath, std::string& error) {
  const std::string workingDirectory = platform.WorkingDirectory();
  if (workingDirectory.empty()) {
    error = "the working directory cannot be read";
    return false;
  }
  return platform.LaunchDocument(DocumentAddress(workingDirectory, documentPath), error);
}

}  // namespace shell
