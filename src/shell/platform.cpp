#include "shell/platform.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

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

std::optional<std::string> ConvertToCodePage950(std::wstring_view text) {
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

bool SystemPlatform::WriteWholeFile(std::wstring_view name, std::string_view bytes,
                                    std::string& error) {
  const std::string path = WideToUtf8(name);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = ErrorText(errno);
    return false;
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      error = ErrorText(errno);
      ::close(fd);
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) {
    error = ErrorText(errno);
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

bool SystemPlatform::LaunchDocument(const std::string& address) {
  const char* named = std::getenv("TAVREL_OPEN");
  const std::string opener = (named != nullptr && named[0] != '\0') ? named : "xdg-open";
  // Everything the child needs is made before fork: between fork and exec only
  // async-signal-safe calls are allowed.
  std::vector<char> program(opener.begin(), opener.end());
  program.push_back('\0');
  std::vector<char> argument(address.begin(), address.end());
  argument.push_back('\0');
  char* const argv[] = {program.data(), argument.data(), nullptr};

  // Fork twice: the middle child ends at once and is reaped here, so the opener runs detached
  // in a session of its own, is adopted by init and never lingers as a zombie of this process.
  const pid_t middle = ::fork();
  if (middle < 0) {
    return false;
  }
  if (middle == 0) {
    const pid_t openerPid = ::fork();
    if (openerPid == 0) {
      ::setsid();
      const int nullFd = ::open("/dev/null", O_RDONLY);
      if (nullFd >= 0) {
        ::dup2(nullFd, STDIN_FILENO);
      }
      ::execvp(argv[0], argv);
      ::_exit(127);
    }
    ::_exit(openerPid < 0 ? 1 : 0);
  }
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
