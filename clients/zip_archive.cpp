#include "zip_archive.h"

#include <zip.h>

#include <ctime>
#include <memory>

namespace clients {

namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
struct SourceFreer {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;
using Source = std::unique_ptr<zip_source_t, SourceFreer>;

// Opening an archive from a buffer source hands the source over to the archive
// on success only.
Archive OpenArchive(zip_source_t* source, int flags) {
  zip_error_t error;
  zip_error_init(&error);
  zip_t* archive = zip_open_from_source(source, flags, &error);
  zip_error_fini(&error);
  return Archive(archive);
}

std::optional<std::string> ReadEntry(zip_file_t* entry) {
  std::string content;
  char buffer[65536];
  for (;;) {
    const zip_int64_t count = zip_fread(entry, buffer, sizeof buffer);
    if (count < 0) return std::nullopt;  // damaged data or, late, a wrong password
    if (count == 0) return content;
    if (content.size() + static_cast<std::size_t>(count) > kMaxZipEntrySize) return std::nullopt;
    content.append(buffer, static_cast<std::size_t>(count));
  }
}

// Methods are checked beforehand: this libzip leaks when opening an entry
// whose method it does not support.
bool CanExtract(const zip_stat_t& stat) {
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > kMaxZipEntrySize) return false;
  if (!(stat.valid & ZIP_STAT_COMP_METHOD) || !(stat.valid & ZIP_STAT_ENCRYPTION_METHOD)) return false;
  return zip_compression_method_supported(static_cast<zip_int32_t>(stat.comp_method), 0) &&
         (stat.encryption_method == ZIP_EM_NONE || zip_encryption_method_supported(stat.encryption_method, 0));
}

std::optional<std::string> ReadSource(zip_source_t* source) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_source_stat(source, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE)) return std::nullopt;
  if (zip_source_open(source) < 0) return std::nullopt;
  std::string bytes(stat.size, '\0');
  const zip_int64_t count = zip_source_read(source, bytes.data(), bytes.size());
  zip_source_close(source);
  if (count < 0 || static_cast<zip_uint64_t>(count) != stat.size) return std::nullopt;
  return bytes;
}

}  // namespace

TZipExtraction ExtractZipEntry(std::string_view archiveBytes, const std::string& entryName,
                               const std::string& password) {
  TZipExtraction result;
  result.failed = true;
  zip_error_t error;
  zip_error_init(&error);
  Source source(zip_source_buffer_create(archiveBytes.data(), archiveBytes.size(), 0, &error));
  zip_error_fini(&error);
  if (!source) return result;
  const Archive archive = OpenArchive(source.get(), ZIP_RDONLY);
  if (!archive) return result;
  source.release();

  const zip_int64_t index = zip_name_locate(archive.get(), entryName.c_str(), ZIP_FL_NOCASE | ZIP_FL_NODIR);
  result.failed = false;
  if (index < 0) return result;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) < 0 || !CanExtract(stat)) {
    result.failed = true;
    return result;
  }
  const Entry entry(zip_fopen_index_encrypted(archive.get(), static_cast<zip_uint64_t>(index), 0,
                                              password.empty() ? nullptr : password.c_str()));
  if (entry) result.content = ReadEntry(entry.get());
  result.failed = !result.content;
  return result;
}

std::optional<std::string> PackZipEntry(const std::string& entryName, std::string_view content,
                                        const std::string& password) {
  zip_error_t error;
  zip_error_init(&error);
  const Source target(zip_source_buffer_create(nullptr, 0, 0, &error));
  zip_error_fini(&error);
  if (!target) return std::nullopt;
  Archive archive = OpenArchive(target.get(), ZIP_TRUNCATE);
  if (!archive) return std::nullopt;
  zip_source_keep(target.get());  // the archive releases its own reference when it closes

  Source data(zip_source_buffer(archive.get(), content.data(), content.size(), 0));
  if (!data) return std::nullopt;
  const zip_int64_t index = zip_file_add(archive.get(), entryName.c_str(), data.get(), ZIP_FL_ENC_GUESS);
  if (index < 0) return std::nullopt;
  data.release();
  const auto entry = static_cast<zip_uint64_t>(index);
  if (zip_set_file_compression(archive.get(), entry, ZIP_CM_DEFLATE, 9) < 0) return std::nullopt;
  if (!password.empty() &&
      zip_file_set_encryption(archive.get(), entry, ZIP_EM_TRAD_PKWARE, password.c_str()) < 0)
    return std::nullopt;
  zip_file_set_mtime(archive.get(), entry, std::time(nullptr), 0);
  if (zip_close(archive.get()) < 0) return std::nullopt;
  archive.release();  // closed
  return ReadSource(target.get());
}

}  // namespace clients
