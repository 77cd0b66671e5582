#include "data/WorkbookContent.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quillmoor {

namespace {

enum CellKind : std::uint8_t { kEmptyCell = 0, kNumberCell = 1, kTextCell = 2 };

template <typename Value>
void Append(std::string& bytes, Value value) {
  bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendText(std::string& bytes, const std::string& text) {
  Append(bytes, static_cast<std::uint32_t>(text.size()));
  bytes += text;
}

void AppendCell(std::string& bytes, const SheetCell& cell) {
  if (const auto* number = std::get_if<double>(&cell)) {
    Append(bytes, kNumberCell);
    Append(bytes, *number);
  } else if (const auto* text = std::get_if<std::string>(&cell)) {
    Append(bytes, kTextCell);
    AppendText(bytes, *text);
  } else {
    Append(bytes, kEmptyCell);
  }
}

// Reads values back in order; once anything is out of place, `ok` stays false.
class ByteReader {
 public:
  explicit ByteReader(const std::string& bytes) : bytes_(bytes) {}

  template <typename Value>
  Value Read() {
    Value value{};
    if (Remaining() < sizeof value) return Failed(value);
    std::memcpy(&value, bytes_.data() + position_, sizeof value);
    position_ += sizeof value;
    return value;
  }

  std::string ReadText() {
    const auto size = Read<std::uint32_t>();
    if (Remaining() < size) return Failed(std::string());
    position_ += size;
    return bytes_.substr(position_ - size, size);
  }

  SheetCell ReadCell() {
    switch (Read<std::uint8_t>()) {
      case kEmptyCell:
        return {};
      case kNumberCell:
        return Read<double>();
      case kTextCell:
        return ReadText();
      default:
        return Failed(SheetCell());
    }
  }

  std::size_t Remaining() const { return ok_ ? bytes_.size() - position_ : 0; }
  bool ok() const { return ok_; }

 private:
  template <typename Value>
  Value Failed(Value value) {
    ok_ = false;
    return value;
  }

  const std::string& bytes_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace

std::string Serialize(const WorkbookContent& workbook) {
  std::string bytes;
  Append(bytes, static_cast<std::uint32_t>(workbook.sheets.size()));
  for (const WorksheetContent& sheet : workbook.sheets) {
    AppendText(bytes, sheet.name);
    const std::size_t columns = sheet.rows.empty() ? 0 : sheet.rows.front().size();
    Append(bytes, static_cast<std::uint32_t>(columns ? sheet.rows.size() : 0));
    Append(bytes, static_cast<std::uint32_t>(columns));
    for (const std::vector<SheetCell>& row : sheet.rows) {
      for (const SheetCell& cell : row) AppendCell(bytes, cell);
    }
  }
  return bytes;
}

std::optional<WorkbookContent> Deserialize(const std::string& bytes) {
  ByteReader reader(bytes);
  WorkbookContent workbook;
  const auto sheetCount = reader.Read<std::uint32_t>();
  for (std::uint32_t s = 0; reader.ok() && s < sheetCount; ++s) {
    WorksheetContent& sheet = workbook.sheets.emplace_back();
    sheet.name = reader.ReadText();
    const auto rows = reader.Read<std::uint32_t>();
    const auto columns = reader.Read<std::uint32_t>();
    // Every cell takes at least one byte, and rows have cells: more than the
    // bytes left is damage.
    if (static_cast<std::uint64_t>(rows) * std::max<std::uint32_t>(columns, 1) > reader.Remaining())
      return std::nullopt;
    sheet.rows.assign(rows, std::vector<SheetCell>(columns));
    for (std::vector<SheetCell>& row : sheet.rows) {
      for (SheetCell& cell : row) cell = reader.ReadCell();
    }
  }
  if (!reader.ok() || reader.Remaining() != 0) return std::nullopt;
  return workbook;
}

}  // namespace quillmoor
