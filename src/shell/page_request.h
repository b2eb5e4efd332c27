#pragma once

#include <string_view>

#include "shell/control_ids.h"  // kQueryButton, the button that runs a request
#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// Writes a page of a sheet request with WritePageFile; when the file cannot be written, the
// page's message box says which file and why, and false is returned so that the caller opens no
// document as if it were new.
bool WriteRequestPage(Platform& platform, PageControls& controls, std::wstring_view page,
                      std::wstring_view fileName);

// Opens a document of a sheet request (a path relative to the working directory) with
// OpenPageInBrowser; when no opener can be started, the page's message box says which document
// and why, so that a missing browser does not pass in silence.
void OpenRequestDocument(Platform& platform, PageControls& controls,
                         std::wstring_view documentPath);

}  // namespace shell
