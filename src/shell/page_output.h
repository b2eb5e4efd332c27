#pragma once

#include <string>
#include <string_view>

#include "shell/platform.h"

namespace shell {

// Converts a page to the ANSI code page and writes it whole under `fileName` (a fixed name such
// as L"萬年曆.htm") in the working directory, replacing any earlier file: the file holds exactly
// the converted bytes of the page up to its first zero character, with no byte-order mark and
// no added line end; an empty page leaves an empty file. The converted page is sized to the page,
// so a page of any length is written whole. False, with the reason in `error`, when the page
// could not be converted or the file could not be created or written.
bool WritePageFile(Platform& platform, std::wstring_view page, std::wstring_view fileName,
                   std::string& error);

// The address that opens `documentPath` (relative to the working directory, "/" between folder
// and file, e.g. L"擇日學/春牛經.htm"): "file://" and the percent-encoded UTF-8 absolute path.
// Only letters, digits, "-", ".", "_", "~" and "/" stay as they are; a space becomes %20,
// "#" %23, "%" %25, and each byte of a non-ASCII character its own %XX.
std::string DocumentAddress(std::string_view workingDirectory, std::wstring_view documentPath);

// Starts the document opener on `documentPath` in the working directory and returns without
// waiting for it. False, with the reason in `error`, when the working directory is unknown or no
// opener could be started; whether the document exists is not looked at.
bool OpenPageInBrowser(Platform& platform, std::wstring_view documentPath, std::string& error);

}  // namespace shell
