#include "base/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "base/stored_files.hpp"

namespace zaldrun {
namespace {

std::string Describe(const std::filesystem::path& path, const std::string& what, int err) {
  return what + " " + path.string() + ": " + std::strerror(err);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Makes `backup` a second name of the file at `path`: a hard link, replacing an older backup in
// one step. A file system without hard links gets a copy.
void KeepBackup(const std::filesystem::path& path, const std::filesystem::path& backup) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;
  std::filesystem::path temp = backup;
  temp += ".tmp";
  ::unlink(temp.c_str());
  if (::link(path.c_str(), temp.c_str()) != 0 &&
      !std::filesystem::copy_file(path, temp, std::filesystem::copy_options::overwrite_existing,
                                  ec)) {
    return;
  }
  if (::rename(temp.c_str(), backup.c_str()) != 0) ::unlink(temp.c_str());
}

}  // namespace

bool AppendWholeFile(const std::filesystem::path& path, size_t max_bytes,
                     std::vector<uint8_t>* out, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = Describe(path, "Не удалось открыть файл", errno);
    return false;
  }
  // A save of a hundred levels is megabytes: sized once from the file, read in one go. Whatever
  // the size said, the file is read to its end, a byte past the limit being too much.
  struct stat status {};
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  const size_t start = out->size();
  out->resize(start + (regular ? std::min(static_cast<size_t>(status.st_size), max_bytes) + 1
                               : 65536));
  size_t filled = 0;
  int err = 0;
  while (true) {
    if (start + filled == out->size()) {
      if (filled > max_bytes) break;
      out->resize(start + std::min(filled * 2, max_bytes + 1));
    }
    const ssize_t got = ::read(fd, out->data() + start + filled, out->size() - start - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) err = errno;
    if (got <= 0) break;
    filled += static_cast<size_t>(got);
  }
  ::close(fd);
  out->resize(start + std::min(filled, max_bytes));
  if (err != 0) {
    out->resize(start);
    if (error) *error = Describe(path, "Не удалось прочитать файл", err);
    return false;
  }
  if (filled > max_bytes) {
    out->resize(start);
    if (error) *error = "Файл " + path.string() + " слишком велик";
    return false;
  }
  return true;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                  size_t max_bytes, std::string* error) {
  std::vector<uint8_t> bytes;
  if (!AppendWholeFile(path, max_bytes, &bytes, error)) return std::nullopt;
  return bytes;
}

namespace {

// Writes a temporary file beside the target and renames it over the target; with `to_disk` the
// data and the folder are flushed to the disk as well. With a backup path, the old target (when
// there is one) is kept there too, made before the rename.
bool WriteAndRename(const std::filesystem::path& path, std::span<const uint8_t> bytes, bool to_disk,
                    std::string* error, const std::filesystem::path& backup = {}) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = Describe(path, "Не удалось записать файл", errno);
    return false;
  }
  bool ok = WriteAll(fd, bytes.data(), bytes.size()) && (!to_disk || ::fsync(fd) == 0);
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && !backup.empty()) KeepBackup(path, backup);
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    if (error) *error = Describe(path, "Не удалось записать файл", err);
    return false;
  }
  if (to_disk) {
    SyncFolder(path.parent_path());
    KeepWrittenFiles();
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string* error, const std::filesystem::path& backup) {
  return WriteAndRename(path, bytes, true, error, backup);
}

bool ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                 std::string* error) {
  return WriteAndRename(path, bytes, false, error);
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error) {
  return WriteFileAtomically(
      path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
      error);
}

bool AppendToFile(const std::filesystem::path& path, std::string_view bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = Describe(path, "Не удалось открыть файл", errno);
    return false;
  }
  const bool ok = WriteAll(fd, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  const int err = errno;
  const bool closed = ::close(fd) == 0;
  if (!ok || !closed) {
    if (error) *error = Describe(path, "Не удалось записать в файл", ok ? errno : err);
    return false;
  }
  return true;
}

int DeleteFilesWithExtension(const std::filesystem::path& folder, std::string_view extension) {
  std::error_code ec;
  int deleted = 0;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return 0;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= extension.size() || !name.ends_with(extension)) continue;
    if (!entry.is_regular_file(ec)) continue;
    if (std::filesystem::remove(entry.path(), ec)) ++deleted;
  }
  return deleted;
}

bool FolderIsWritable(const std::filesystem::path& folder, std::string* error) {
  const std::filesystem::path probe = folder / ".zaldrun-write-test";
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = Describe(folder, "Нельзя писать в папку", errno);
    return false;
  }
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

}  // namespace zaldrun
