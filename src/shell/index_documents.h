#pragma once

#include <string>
#include <string_view>

#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// The documents that two queries open to show the pages they have just written: "index1.htm"
// (the "農民曆" query) shows "陰曆.htm" and "農民曆.htm" side by side, "index2.htm" (the
// "袁天罡稱骨術" query) shows "八字重.htm". A document of the user's own under such a name is
// never replaced; where there is none, the program writes its default.

// The default text of "index1.htm" or "index2.htm"; empty for any other document.
std::wstring DefaultIndexDocument(std::wstring_view documentPath);

// Writes the default of `documentPath` in the pages' code page when the working directory has no
// such document. False, with the reason in `error`, when it was missing and could not be written.
bool ProvideIndexDocument(Platform& platform, std::wstring_view documentPath, std::string& error);

// ProvideIndexDocument for a sheet request: when the document cannot be written, the page's
// message box says which and why, and false is returned so that the caller opens nothing.
bool ProvideRequestIndexDocument(Platform& platform, PageControls& controls,
                                 std::wstring_view documentPath);

}  // namespace shell
