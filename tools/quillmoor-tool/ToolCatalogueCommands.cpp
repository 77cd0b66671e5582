// Catalogue commands: build a keyed catalogue database from TSV files, and
// print one back.

#include "tools/quillmoor-tool/ToolCommands.h"

#include "BuildConfig.h"
#include "catalogue/Edition.h"
#include "data/SqliteDatabase.h"
#include "data/SqliteStatement.h"
#include "tools/quillmoor-tool/TsvTable.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillmoor::tool {

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Options = std::map<std::string, std::string>;

enum class Content { Text, Id, IdOrEmpty };

// A column the program reads, its SQL type and what it may hold. Ids go into
// the program's SQL unquoted, so they must be digits.
struct Column {
  std::string name;
  std::string sqlType;
  Content content;
};
using TableShape = std::vector<Column>;

const TableShape kCategoryShape{{"sublibid", "INTEGER", Content::Id},
                                {"sublibname", "TEXT", Content::Text},
                                {"upsublibid", "INTEGER", Content::IdOrEmpty}};  // empty: top
const TableShape kAtlasShape{{"id", "INTEGER", Content::Id},
                             {"title", "TEXT", Content::Text},
                             {"code", "TEXT", Content::Text},
                             {"code2", "NUMERIC", Content::Text},
                             {"ClassID", "INTEGER", Content::Id}};
const TableShape kPathShape{{"id", "INTEGER", Content::Id}, {"path", "TEXT", Content::Text}};

std::vector<std::string> Names(const TableShape& shape) {
  std::vector<std::string> names;
  for (const Column& column : shape) names.push_back(column.name);
  return names;
}

int Fail(const std::string& reason) {
  std::fprintf(stderr, "quillmoor-tool: %s\n", reason.c_str());
  return 1;
}

// "--name value" pairs. Nothing, with `error` set, for an unknown name, a name
// without value, or a missing required one.
std::optional<Options> ParseOptions(const QStringList& args, const std::set<std::string>& required,
                                    const std::set<std::string>& optional, std::string& error) {
  Options options;
  for (qsizetype i = 0; i < args.size(); i += 2) {
    const std::string name = args[i].toStdString();
    const std::string key = name.rfind("--", 0) == 0 ? name.substr(2) : std::string();
    if (!required.count(key) && !optional.count(key)) {
      error = "unknown option '" + name + "'";
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      error = "option " + name + " needs a value";
      return std::nullopt;
    }
    options[key] = args[i + 1].toStdString();
  }
  for (const std::string& name : required) {
    if (!options.count(name)) {
      error = "option --" + name + " is required";
      return std::nullopt;
    }
  }
  return options;
}

// The tables of the edition named by --edition, or of this build's edition.
std::optional<EditionFiles> EditionOf(const Options& options, std::string& error) {
  const auto given = options.find("edition");
  const std::string name = given == options.end() ? std::string(build::kEdition) : given->second;
  EditionFiles files = EditionFilesFor(EditionLabelForName(name));
  if (files.atlasTable.empty()) {
    error = "unknown edition '" + name + "' (structure or architecture)";
    return std::nullopt;
  }
  return files;
}

bool Holds(const std::string& value, Content content) {
  if (content == Content::Text || (content == Content::IdOrEmpty && value.empty())) return true;
  return !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
}

// The rows of a TSV file for `shape`, their ids checked.
std::optional<Rows> ReadRows(const std::string& path, const TableShape& shape, std::string& error) {
  std::optional<TsvTable> table = ReadTsv(path, error);
  std::optional<Rows> rows;
  if (table) rows = SelectColumns(*table, Names(shape), error);
  if (!rows) {
    error = path + ": " + error;
    return std::nullopt;
  }
  for (std::size_t r = 0; r < rows->size(); ++r) {
    for (std::size_t c = 0; c < shape.size(); ++c) {
      if (Holds((*rows)[r][c], shape[c].content)) continue;
      error = path + ": data row " + std::to_string(r + 1) + ": " + shape[c].name +
              " is not a number: '" + (*rows)[r][c] + "'";
      return std::nullopt;
    }
  }
  return rows;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

bool CreateTable(SqliteDatabase& database, const std::string& table, const TableShape& shape) {
  std::vector<std::string> definitions;
  for (const Column& column : shape) definitions.push_back(column.name + " " + column.sqlType);
  return database.Exec("CREATE TABLE " + table + "(" + Joined(definitions, ", ") + ")");
}

bool InsertRows(SqliteDatabase& database, const std::string& table, const TableShape& shape,
                const Rows& rows) {
  const std::vector<std::string> placeholders(shape.size(), "?");
  return database.ExecWithValues("INSERT INTO " + table + "(" + Joined(Names(shape), ",") +
                                     ") VALUES (" + Joined(placeholders, ",") + ")",
                                 rows);
}

// The program reads atlases by category in code2 order and categories by
// parent, once per category at every start: indexes keep each query from
// reading the whole table.
bool CreateLookupIndexes(SqliteDatabase& database, const EditionFiles& edition) {
  return database.Exec("CREATE INDEX " + edition.atlasTable + "_by_category ON " + edition.atlasTable +
                       "(ClassID, code2)") &&
         database.Exec("CREATE INDEX " + edition.categoryTable + "_by_parent ON " + edition.categoryTable +
                       "(upsublibid)");
}

// Writes the three tables in one transaction; the reason on failure.
std::optional<std::string> WriteCatalogue(const std::string& path, const EditionFiles& edition,
                                          const Rows& categories, const Rows& atlases) {
  SqliteDatabase database;
  const bool written =
      database.OpenWithKey(path, true, build::kResourcePassword) && database.Exec("BEGIN") &&
      CreateTable(database, edition.categoryTable, kCategoryShape) &&
      CreateTable(database, edition.atlasTable, kAtlasShape) &&
      CreateTable(database, "Filepath", kPathShape) &&
      InsertRows(database, edition.categoryTable, kCategoryShape, categories) &&
      InsertRows(database, edition.atlasTable, kAtlasShape, atlases) &&
      CreateLookupIndexes(database, edition) && database.Exec("COMMIT");
  if (written) return std::nullopt;
  return "cannot write " + path + ": " + database.ErrorText();
}

int CreateCatalogue(const QStringList& args) {
  std::string error;
  const std::optional<Options> options =
      ParseOptions(args, {"db", "categories", "atlases"}, {"edition"}, error);
  if (!options) return Fail(error);
  const std::optional<EditionFiles> edition = EditionOf(*options, error);
  if (!edition) return Fail(error);
  const std::optional<Rows> categories = ReadRows(options->at("categories"), kCategoryShape, error);
  if (!categories) return Fail(error);
  const std::optional<Rows> atlases = ReadRows(options->at("atlases"), kAtlasShape, error);
  if (!atlases) return Fail(error);
  const std::string& path = options->at("db");
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored))
    return Fail(path + " already exists; not overwriting it (remove it first)");
  const std::optional<std::string> failure = WriteCatalogue(path, *edition, *categories, *atlases);
  if (failure) {
    std::filesystem::remove(path, ignored);  // ours, half-written
    return Fail(*failure);
  }
  return 0;
}

// Appends every row of `sql` to `lines` as `kind` and its values, tab-separated.
bool AppendRows(SqliteStatement& statement, const std::string& kind, const std::string& sql,
                std::string& lines) {
  TextGrid grid;
  int rowCount = 0;
  if (!statement.QueryToGrid(sql, grid, &rowCount)) return false;
  for (int r = 2; r <= rowCount; ++r) {
    lines += kind;
    for (int c = 1; c <= grid.ColumnCount(); ++c) lines += "\t" + grid[r][c];
    lines += "\n";
  }
  return true;
}

std::string SelectAll(const TableShape& shape, const std::string& table) {
  return "select " + Joined(Names(shape), ",") + " from " + table;
}

int Dump(const QStringList& args) {
  std::string error;
  const std::optional<Options> options = ParseOptions(args, {"db"}, {"edition"}, error);
  if (!options) return Fail(error);
  const std::optional<EditionFiles> edition = EditionOf(*options, error);
  if (!edition) return Fail(error);
  SqliteDatabase database;
  SqliteStatement statement;
  const std::string& path = options->at("db");
  std::string lines;
  const bool read =
      database.OpenWithKey(path, build::kResourcePassword) && statement.BindDatabase(database) &&
      AppendRows(statement, "category", SelectAll(kCategoryShape, edition->categoryTable), lines) &&
      AppendRows(statement, "atlas", SelectAll(kAtlasShape, edition->atlasTable), lines);
  if (!read) return Fail("cannot read " + path + ": " + database.ErrorText());
  std::fputs(lines.c_str(), stdout);
  return 0;
}

}  // namespace

std::vector<ToolCommand> catalogueCommands() {
  return {
      {"create-catalogue",
       "--db FILE --categories CATEGORIES.tsv --atlases ATLASES.tsv [--edition "
       "structure|architecture]",
       CreateCatalogue},
      {"dump", "--db FILE [--edition structure|architecture]", Dump},
  };
}

}  // namespace quillmoor::tool
