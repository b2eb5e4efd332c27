#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// A civil date and time of the computer's clock, with the zone's standard offset.
struct LocalTime {
  int year = 2000;  // Gregorian, e.g. 2026
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;   // 0..59
  int second = 0;   // 0..60
  // Standard offset of the local zone in hours west of UTC (UTC+8 gives -8.0); daylight saving
  // is never added.
  double zoneHoursWest = 0;
};

// Everything the program asks of the operating system. The shell reaches the platform only
// through this interface, so tests can put a recording fake in place of any part of it.
class Platform {
 public:
  virtual ~Platform() = default;

  // The text in the ANSI code page of the pages (code page 950, Big5) with no byte-order mark
  // and no line-end translation; a character the code page lacks becomes "?". Empty when the
  // converter itself is unavailable.
  virtual std::optional<std::string> ConvertToAnsiCodePage(std::wstring_view text) = 0;

  // Creates or replaces the file `name` (a name without a folder lands in the working
  // directory) so that it holds exactly `bytes`. The file is replaced as a whole: a reader sees
  // the previous file or the new one, never a part. False, with the reason in `error`, when the
  // file cannot be created or written whole; the previous file then stays as it was.
  virtual bool WriteWholeFile(std::wstring_view name, std::string_view bytes,
                              std::string& error) = 0;

  // The absolute working directory as the file system spells it (UTF-8 bytes); empty when it
  // cannot be read (it was removed, say).
  virtual std::string WorkingDirectory() = 0;

  // Starts the document opener on `address` as a process of its own and returns without
  // waiting for it. False, with the reason in `error`, when the opener could not be started (no
  // such program, one that cannot be executed, no process left); what a started opener then
  // does is its own affair.
  virtual bool LaunchDocument(const std::string& address, std::string& error) = 0;

  // Whether the document (a path relative to the working directory, "/" between folder and
  // file) is a file that exists.
  virtual bool DocumentExists(std::wstring_view documentPath) = 0;

  // The current local date and time.
  virtual LocalTime CurrentLocalTime() = 0;
};

// The platform of this computer: glibc iconv, Qt's save file (a page goes to a temporary file in
// its folder, which is then renamed over the page), the opener named by the environment
// variable TAVREL_OPEN (a program taking the address as its one argument, looked up on the PATH
// like xdg-open) or else xdg-open, started as a detached Qt process, and the system clock with
// the zone of TZ. Nothing of it needs a display or a Qt application object.
class SystemPlatform : public Platform {
 public:
  std::optional<std::string> ConvertToAnsiCodePage(std::wstring_view text) override;
  bool WriteWholeFile(std::wstring_view name, std::string_view bytes, std::string& error) override;
  std::string WorkingDirectory() override;
  bool LaunchDocument(const std::string& address, std::string& error) override;
  bool DocumentExists(std::wstring_view documentPath) override;
  LocalTime CurrentLocalTime() override;
};

// Code page 950 (Big5 with the Windows extensions, such as the euro sign at A3 E1) bytes of a
// text through iconv; a character outside the code page, or a value that is no Unicode scalar,
// becomes "?" and the rest converts on. Empty only when iconv has no converter for it.
std::optional<std::string> ConvertToCodePage950(std::wstring_view text);

}  // namespace shell
