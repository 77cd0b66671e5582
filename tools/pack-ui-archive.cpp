// Packs the UI resources into an AES-256 encrypted zip archive.
// usage: pack-ui-archive OUTPUT.zip SOURCE_DIR PASSWORD ENTRY...
// Each ENTRY is a path relative to SOURCE_DIR and keeps that name in the archive.

#include <zip.h>

#include <cstdio>
#include <string>

namespace {

// A fixed time stamp keeps the archive, and so the executable, reproducible.
constexpr time_t kEntryTime = 1767225600;  // 2026-01-01

bool AddEntry(zip_t* archive, const std::string& sourceDir, const char* entry, const char* password) {
  const std::string path = sourceDir + "/" + entry;
  zip_source_t* source = zip_source_file(archive, path.c_str(), 0, -1);
  if (!source) {
    std::fprintf(stderr, "pack-ui-archive: %s: %s\n", path.c_str(), zip_strerror(archive));
    return false;
  }
  const zip_int64_t index = zip_file_add(archive, entry, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    std::fprintf(stderr, "pack-ui-archive: %s: %s\n", entry, zip_strerror(archive));
    return false;
  }
  const auto i = static_cast<zip_uint64_t>(index);
  if (zip_file_set_encryption(archive, i, ZIP_EM_AES_256, password) != 0 ||
      zip_file_set_mtime(archive, i, kEntryTime, 0) != 0) {
    std::fprintf(stderr, "pack-ui-archive: %s: %s\n", entry, zip_strerror(archive));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: pack-ui-archive OUTPUT.zip SOURCE_DIR PASSWORD ENTRY...\n");
    return 2;
  }
  int error = 0;
  zip_t* archive = zip_open(argv[1], ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) {
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, error);
    std::fprintf(stderr, "pack-ui-archive: %s: %s\n", argv[1], zip_error_strerror(&zipError));
    zip_error_fini(&zipError);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    if (!AddEntry(archive, argv[2], argv[i], argv[3])) {
      zip_discard(archive);
      return 1;
    }
  }
  if (zip_close(archive) != 0) {
    std::fprintf(stderr, "pack-ui-archive: %s: %s\n", argv[1], zip_strerror(archive));
    zip_discard(archive);
    return 1;
  }
  return 0;
}
