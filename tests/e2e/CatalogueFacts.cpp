#include "tests/e2e/CatalogueFacts.h"

#include "tests/common/TestSupport.h"

namespace quillmoor::e2e {

CatalogueFacts::CatalogueFacts(QString tool, QString dataDir) : tool_(std::move(tool)), dataDir_(std::move(dataDir)) {}

QString CatalogueFacts::treeText() const {
  QStringList args{QStringLiteral("tree")};
  if (!dataDir_.isEmpty()) args << QStringLiteral("--data-dir") << dataDir_;
  return QString::fromUtf8(test::runProcess(tool_, args).out);
}

// Lines of `tree`: indentation, then "C<TAB>name<TAB>id" for a category or
// "A<TAB>code<TAB>title<TAB>file<TAB>id" for an atlas.
std::optional<CatalogueRowFacts> CatalogueFacts::row(int row) const {
  const QStringList lines = treeText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  if (row < 0 || row >= lines.size()) return std::nullopt;
  const QStringList fields = lines[row].trimmed().split(QLatin1Char('\t'));
  CatalogueRowFacts facts;
  facts.code = fields.value(1);
  if (fields.value(0) == QLatin1String("A")) facts.file = fields.value(3);
  return facts;
}

int CatalogueFacts::pageCount(const QString& pdf) const {
  const test::ProcessResult info = test::runProcess(tool_, {QStringLiteral("info"), pdf});
  for (const QByteArray& line : info.out.split('\n')) {
    if (line.startsWith("pages: ")) return line.mid(7).toInt();
  }
  return 0;
}

}  // namespace quillmoor::e2e
