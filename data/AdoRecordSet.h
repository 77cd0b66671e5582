#pragma once
// A record set over one worksheet of the Excel path sheet: opened on the sheet
// of an AdoConnection, searched with "column=value" criteria from the current
// record, read field by field. Every operation records its error text.

#include "data/SheetColumnIndex.h"
#include "data/SheetTable.h"

#include <map>
#include <optional>
#include <string>

namespace quillmoor {

class AdoConnection;

class AdoRecordSet {
 public:
  // Recorded when a field read or a search finds the record set past its end
  // (or before its start).
  static constexpr char kNoCurrentRecord[] = "没有当前记录：已越过第一条或最后一条记录";

  AdoRecordSet();
  ~AdoRecordSet();
  AdoRecordSet(const AdoRecordSet&) = delete;
  AdoRecordSet& operator=(const AdoRecordSet&) = delete;

  // True when the last operation left no error text.
  bool FetchError() const { return errorText_.empty(); }
  const std::string& ErrorText() const { return errorText_; }

  // Opens "SELECT * FROM " + source (or source itself when sourceIsSql); the
  // source names a worksheet as "[NAME$]". The sheet's first row gives the
  // column names; the first record becomes the current one.
  bool OpenSource(const std::string& source, const AdoConnection& connection,
                  bool sourceIsSql = false);
  bool IsOpen() const { return table_.has_value(); }

  // Searches from the current record (itself included) for "column=value",
  // forward or backward. A miss is no failure: it leaves the record set past
  // its end (or before its start), where field reads fail. Without a current
  // record, or with criteria it cannot read, the search fails.
  bool Find(const std::string& criteria, bool backward = false);

  // The current record's field as text; "" with an error text when there is
  // no such field or no current record.
  std::string FieldText(const std::string& name);

  bool MoveFirst();

  // The criteria of the last successful Find, and the direction of the last Find.
  const std::string& SearchCriteria() const { return searchCriteria_; }
  bool SearchedBackward() const { return searchedBackward_; }

 private:
  std::optional<std::size_t> ColumnOf(const std::string& name) const;
  // The column of a field read, after the checks that record the field messages.
  std::optional<std::size_t> FieldColumn(const std::string& name);
  bool HasCurrentRecord() const;
  int RecordCount() const { return static_cast<int>(table_->records.size()); }
  const SheetColumnIndex& IndexOf(std::size_t column);
  bool Search(const std::string& criteria, bool backward);
  bool Fail(std::string text);

  std::optional<SheetTable> table_;
  // 0 is before the first record, RecordCount() + 1 past the last.
  int current_ = 0;
  std::map<std::size_t, SheetColumnIndex> indexes_;  // built on first search of a column
  std::string errorText_;
  std::string searchCriteria_;
  bool searchedBackward_ = false;
};

}  // namespace quillmoor
