#include "shell/platform.h"

#include <iconv.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "shell/utf8_text.h"

namespace shell {

namespace {

// The converter of one conversion; iconv keeps a shift state, so each page gets its own.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Iconv() {
    if (IsOpen()) {
      iconv_close(handle_);
    }
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t handle() const { return handle_; }

 private:
  iconv_t handle_;
};

}  // namespace

namespace {

// The Unicode tag characters, which glibc's iconv drops without a trace instead of reporting them
// as characters the code page lacks.
bool IsTagCharacter(wchar_t c) { return c >= 0xE0000 && c <= 0xE007F; }

}  // namespace

std::optional<std::string> ConvertToCodePage950(std::wstring_view text) {
  std::wstring withoutTags;
  if (std::any_of(text.begin(), text.end(), IsTagCharacter)) {
    withoutTags.assign(text);
    std::replace_if(withoutTags.begin(), withoutTags.end(), IsTagCharacter, L'?');
    text = withoutTags;
  }
  Iconv converter("CP950", "WCHAR_T");
  if (!converter.IsOpen()) {
    return std::nullopt;
  }
  // A code page 950 character takes one or two bytes and "?" one, so twice the length always
  // suffices; the loop still grows the buffer rather than trust that.
  std::string out(text.size() * 2 + 16, '\0');
  std::size_t used = 0;
  char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
  std::size_t inLeft = text.size() * sizeof(wchar_t);
  bool flushed = false;
  while (!flushed) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    std::size_t result;
    if (inLeft > 0) {
      result = iconv(converter.handle(), &in, &inLeft, &outPtr, &outLeft);
    } else {
      result = iconv(converter.handle(), nullptr, nullptr, &outPtr, &outLeft);
      flushed = result != static_cast<std::size_t>(-1);
    }
    const int error = errno;
    used = out.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) {
      continue;
    }
    if (error == E2BIG) {
      out.resize(out.size() * 2);
    } else if ((error == EILSEQ || error == EINVAL) && inLeft >= sizeof(wchar_t)) {
      // The code page's default character stands for what it cannot represent.
      if (used == out.size()) {
        out.resize(out.size() * 2);
      }
      out[used++] = '?';
      in += sizeof(wchar_t);
      inLeft -= sizeof(wchar_t);
    } else {
      return std::nullopt;
    }
  }
  out.resize(used);
  return out;
}

std::optional<std::string> SystemPlatform::ConvertToAnsiCodePage(std::wstring_view text) {
  return ConvertToCodePage950(text);
}

namespace {

// While alive, a write past the file size limit fails with EFBIG instead of ending the program
// with SIGXFSZ, so that the failure can be reported and the temporary file removed.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    restore_ = ::sigaction(SIGXFSZ, &ignore, &previous_) == 0;
  }
  ~FileSizeSignalIgnored() {
    if (restore_) {
      ::sigaction(SIGXFSZ, &previous_, nullptr);
    }
  }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction previous_ {};
  bool restore_ = false;
};

}  // namespace

bool SystemPlatform::WriteWholeFile(std::wstring_view name, std::string_view bytes,
                                    std::string& error) {
  const FileSizeSignalIgnored fileSizeSignalIgnored;
  // The page is written whole beside its file and renamed over it on commit: a rename within a
  // folder replaces the file in one step, so a write that fails on the way leaves the previous
  // page as it was. Unbuffered, so that a write cut short (at the file size limit, say) is seen
  // at once: through the buffer, Qt 6.4 commits the part that was written.
  QSaveFile file(QString::fromWCharArray(name.data(), static_cast<qsizetype>(name.size())));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    error = file.errorString().toStdString();
    return false;
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const qint64 n =
        file.write(bytes.data() + written, static_cast<qint64>(bytes.size() - written));
    if (n <= 0) {
      error = file.errorString().toStdString();
      return false;  // the file's destructor removes what was written
    }
    written += static_cast<std::size_t>(n);
  }
  if (!file.commit()) {
    error = file.errorString().toStdString();
    return false;
  }
  return true;
}

std::string SystemPlatform::WorkingDirectory() {
  std::vector<char> buffer(256);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) {
      return {};
    }
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

bool SystemPlatform::LaunchDocument(const std::string& address, std::string& error) {
  const char* named = std::getenv("TAVREL_OPEN");
  const std::string opener = (named != nullptr && named[0] != '\0') ? named : "xdg-open";
  // Qt starts the opener detached in a session of its own (forking twice, so that it is adopted
  // by init and never lingers as a zombie of this process) and reports a failed exec.
  QProcess process;
  process.setProgram(QFile::decodeName(opener.c_str()));
  process.setArguments({QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()))});
  process.setStandardInputFile(QProcess::nullDevice());
  if (process.startDetached()) {
    return true;
  }
  // Qt puts the step that failed before the system's reason ("execv: No such file or
  // directory"); the user is told the reason.
  const QString reason = process.errorString();
  const qsizetype separator = reason.lastIndexOf(QStringLiteral(": "));
  error = "cannot start " + opener + ": " +
          (separator < 0 ? reason : reason.mid(separator + 2)).toStdString();
  return false;
}

bool SystemPlatform::DocumentExists(std::wstring_view documentPath) {
  struct stat status {};
  return ::stat(WideToUtf8(documentPath).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

LocalTime SystemPlatform::CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);  // 64-bit on this platform
  std::tm parts{};
  ::tzset();
  ::localtime_r(&now, &parts);
  LocalTime local;
  local.year = parts.tm_year + 1900;
  local.month = parts.tm_mon + 1;
  local.day = parts.tm_mday;
  local.hour = parts.tm_hour;
  local.minute = parts.tm_min;
  local.second = parts.tm_sec;
  // `timezone` holds the standard offset in seconds west of UTC, without daylight saving.
  local.zoneHoursWest = static_cast<double>(::timezone) / 3600.0;
  return local;
}

}  // namespace shell
