#include "data/AdoRecordSet.h"

#include "data/AdoConnection.h"
#include "data/AsciiText.h"
#include "data/ExcelWorkbook.h"

#include <sstream>

namespace quillmoor {

namespace {

using ascii_text::Trimmed;

constexpr char kEmptyFieldName[] = "字段名为空";
constexpr char kNoRecords[] = "找不到记录";
constexpr char kNoSuchField[] = "找不到字段";
constexpr char kNotOpen[] = "记录集未打开";

// The worksheet name of "SELECT * FROM [NAME$]", the only query a sheet answers.
std::optional<std::string> SheetOfStatement(const std::string& statement) {
  const auto open = statement.find('[');
  const auto close = statement.rfind(']');
  if (open == std::string::npos || close == std::string::npos || close < open + 2 ||
      statement[close - 1] != '$' || !Trimmed(statement.substr(close + 1)).empty())
    return std::nullopt;
  std::istringstream words(statement.substr(0, open));
  std::string word;
  std::string keywords;
  while (words >> word) keywords += (keywords.empty() ? "" : " ") + word;
  if (!ascii_text::EqualIgnoringCase(keywords, "SELECT * FROM")) return std::nullopt;
  return statement.substr(open + 1, close - open - 2);
}

struct Criterion {
  std::string column;
  std::string value;
};

// "column=value", blanks around either allowed, the value optionally in
// single quotes.
std::optional<Criterion> ReadCriterion(const std::string& criteria) {
  const auto equals = criteria.find('=');
  if (equals == std::string::npos) return std::nullopt;
  Criterion criterion{Trimmed(criteria.substr(0, equals)), Trimmed(criteria.substr(equals + 1))};
  const std::string& value = criterion.value;
  if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
    criterion.value = value.substr(1, value.size() - 2);
  if (criterion.column.empty() || criterion.value.empty()) return std::nullopt;
  return criterion;
}

}  // namespace

AdoRecordSet::AdoRecordSet() = default;
AdoRecordSet::~AdoRecordSet() = default;

bool AdoRecordSet::Fail(std::string text) {
  errorText_ = std::move(text);
  return false;
}

bool AdoRecordSet::OpenSource(const std::string& source, const AdoConnection& connection,
                              bool sourceIsSql) {
  table_.reset();
  indexes_.clear();
  const std::shared_ptr<ExcelWorkbook> workbook = connection.GetObject();
  if (!workbook) return Fail("连接未打开");
  const std::string statement = sourceIsSql ? source : "SELECT * FROM " + source;
  const std::optional<std::string> sheet = SheetOfStatement(statement);
  if (!sheet)
    return Fail("不支持的查询（只能读整张工作表，如 SELECT * FROM [Sheet1$]）：" + statement);
  std::string error;
  table_ = workbook->ReadSheet(*sheet, error);
  if (!table_) return Fail(error);
  current_ = 1;  // past the end already when the sheet holds no record
  errorText_.clear();
  return true;
}

std::optional<std::size_t> AdoRecordSet::ColumnOf(const std::string& name) const {
  const std::vector<std::string>& names = table_->columnNames;
  for (std::size_t column = 0; column < names.size(); ++column) {
    if (ascii_text::EqualIgnoringCase(names[column], name)) return column;
  }
  return std::nullopt;
}

bool AdoRecordSet::HasCurrentRecord() const { return current_ >= 1 && current_ <= RecordCount(); }

const SheetColumnIndex& AdoRecordSet::IndexOf(std::size_t column) {
  return indexes_.try_emplace(column, *table_, column).first->second;
}

bool AdoRecordSet::Find(const std::string& criteria, bool backward) {
  const bool searched = Search(criteria, backward);
  searchCriteria_ = searched ? criteria : std::string();
  searchedBackward_ = backward;
  return searched;
}

bool AdoRecordSet::Search(const std::string& criteria, bool backward) {
  if (!table_) return Fail(kNotOpen);
  const std::optional<Criterion> criterion = ReadCriterion(criteria);
  if (!criterion) return Fail("无法识别的查找条件（应为 字段=值）：" + criteria);
  const std::optional<std::size_t> column = ColumnOf(criterion->column);
  if (!column) return Fail("查找条件中的字段不存在：" + criterion->column);
  if (!HasCurrentRecord()) return Fail(kNoCurrentRecord);
  const SheetColumnIndex& index = IndexOf(*column);
  const std::optional<int> found = backward ? index.LastAtOrBefore(criterion->value, current_)
                                            : index.FirstAtOrAfter(criterion->value, current_);
  current_ = found ? *found : backward ? 0 : RecordCount() + 1;
  errorText_.clear();
  return true;
}

std::optional<std::size_t> AdoRecordSet::FieldColumn(const std::string& name) {
  const char* failure = nullptr;
  std::optional<std::size_t> column;
  if (name.empty())
    failure = kEmptyFieldName;
  else if (!table_)
    failure = kNoRecords;
  else if (!(column = ColumnOf(name)))
    failure = kNoSuchField;
  else if (!HasCurrentRecord())
    failure = kNoCurrentRecord;
  if (!failure) return column;
  Fail(failure);
  return std::nullopt;
}

std::string AdoRecordSet::FieldText(const std::string& name) {
  const std::optional<std::size_t> column = FieldColumn(name);
  if (!column) return {};
  errorText_.clear();
  return CellText(table_->records[current_ - 1][*column]);
}

bool AdoRecordSet::MoveFirst() {
  if (!table_) return Fail(kNotOpen);
  if (RecordCount() == 0) return Fail("记录集中没有记录");
  current_ = 1;
  errorText_.clear();
  return true;
}

}  // namespace quillmoor
