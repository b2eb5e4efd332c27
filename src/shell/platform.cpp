#include "shell/platform.h"

#include <fcntl.h>
#include <iconv.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

std::string ErrorText(int error) { return std::strerror(error); }

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

bool WriteAll(int fd, std::string_view bytes, std::string& error) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      error = ErrorText(errno);
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool SystemPlatform::WriteWholeFile(std::wstring_view name, std::string_view bytes,
                                    std::string& error) {
  const std::string path = WideToUtf8(name);
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  const FileSizeSignalIgnored fileSizeSignalIgnored;

  // The page is written whole beside its file under a name of this process, then renamed over
  // it: a rename within a folder replaces the file in one step, so a write that fails on the way
  // leaves the previous page as it was. O_EXCL never takes over a file that is there already,
  // and the mode 0666 leaves the permissions to the umask as for any new file.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = folder + "." + base + "." + std::to_string(::getpid()) + "-" +
                std::to_string(attempt) + ".tmp";
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 99)) {
      error = ErrorText(errno);
      return false;
    }
  }
  bool written = WriteAll(fd, bytes, error);
  if (written && ::fsync(fd) != 0) {
    error = ErrorText(errno);
    written = false;
  }
  if (::close(fd) != 0 && written) {
    error = ErrorText(errno);
    written = false;
  }
  if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
    error = ErrorText(errno);
    written = false;
  }
  if (!written) {
    ::unlink(temporary.c_str());
  }
  return written;
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
  // Everything the child needs is made before fork: between fork and exec only
  // async-signal-safe calls are allowed.
  std::vector<char> program(opener.begin(), opener.end());
  program.push_back('\0');
  std::vector<char> argument(address.begin(), address.end());
  argument.push_back('\0');
  char* const argv[] = {program.data(), argument.data(), nullptr};

  // The children write the errno of a failed fork or exec into this pipe; a successful exec
  // closes the opener's end (close-on-exec), so the parent reads either a number or the end.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    error = "cannot start " + opener + ": " + ErrorText(errno);
    return false;
  }
  // Fork twice: the middle child ends at once and is reaped here, so the opener runs detached
  // in a session of its own, is adopted by init and never lingers as a zombie of this process.
  const pid_t middle = ::fork();
  if (middle < 0) {
    const int failure = errno;
    ::close(report[0]);
    ::close(report[1]);
    error = "cannot start " + opener + ": " + ErrorText(failure);
    return false;
  }
  if (middle == 0) {
    ::close(report[0]);
    const pid_t openerPid = ::fork();
    if (openerPid == 0) {
      ::setsid();
      const int nullFd = ::open("/dev/null", O_RDONLY);
      if (nullFd >= 0) {
        ::dup2(nullFd, STDIN_FILENO);
      }
      ::execvp(argv[0], argv);
      const int failure = errno;
      [[maybe_unused]] const ssize_t n = ::write(report[1], &failure, sizeof failure);
      ::_exit(127);
    }
    if (openerPid < 0) {
      const int failure = errno;
      [[maybe_unused]] const ssize_t n = ::write(report[1], &failure, sizeof failure);
    }
    ::_exit(0);
  }
  ::close(report[1]);
  int failure = 0;
  ssize_t n;
  do {
    n = ::read(report[0], &failure, sizeof failure);
  } while (n < 0 && errno == EINTR);
  ::close(report[0]);
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  if (n == static_cast<ssize_t>(sizeof failure)) {
    error = "cannot start " + opener + ": " + ErrorText(failure);
    return false;
  }
  return true;
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
