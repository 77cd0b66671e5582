#pragma once
// What the test expects to see, asked of `quillmoor-tool` over the same data
// the program reads: the catalogue's rows in the order the tree shows them,
// and an atlas's page count.

#include <QString>
#include <QStringList>

#include <optional>

namespace quillmoor::e2e {

struct CatalogueRowFacts {
  QString code;  // as the tree shows it, with its mark
  QString file;  // empty for a category or an atlas without a path
};

class CatalogueFacts {
 public:
  // `tool` is a quillmoor-tool, `dataDir` the folder with the catalogue and
  // the path sheet; empty: the tool's own folder, as for the program.
  CatalogueFacts(QString tool, QString dataDir = {});

  // Row `row` of the catalogue with every category unfolded; nothing past the end.
  std::optional<CatalogueRowFacts> row(int row) const;
  // The PDF's page count; 0 when it does not load.
  int pageCount(const QString& pdf) const;
  // The full `tree` listing, for failure messages.
  QString treeText() const;

 private:
  QString tool_;
  QString dataDir_;
};

}  // namespace quillmoor::e2e
