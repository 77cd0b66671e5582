// The path sheet layer on arbitrary bytes, as the catalogue and the path
// editor use it: open the workbook, open Sheet1, look an atlas id up from the
// top and from where the last search left off, read its two fields.

#include "data/AdoConnection.h"
#include "data/AdoRecordSet.h"
#include "fuzz/FuzzTargets.h"
#include "fuzz/ScratchFile.h"

namespace quillmoor::fuzz {
namespace {

constexpr const char* kSearches[] = {"id=1", "id=2", "id=1", "id=abc", "图集所在文件夹=x", "=1", "id="};

void ReadFields(AdoRecordSet& records) {
  (void)records.FieldText("图集所在文件夹");
  (void)records.FieldText("文件名");
  (void)records.FieldText("");
}

}  // namespace

int SheetInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = WriteScratchFile("input.xls", data, size);
  if (path.empty()) return 0;
  AdoConnection connection;
  if (!connection.OpenExcel(path)) return 0;
  AdoRecordSet records;
  if (!records.OpenSource("[Sheet1$]", connection)) return 0;
  bool backward = false;
  for (const char* criteria : kSearches) {
    records.MoveFirst();
    (void)records.Find(criteria, backward);
    ReadFields(records);
    // Again from where the search stopped, as the editor's second lookup does.
    (void)records.Find(criteria, !backward);
    ReadFields(records);
    backward = !backward;
  }
  return 0;
}

}  // namespace quillmoor::fuzz
