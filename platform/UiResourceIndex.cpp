#include "platform/UiResourceIndex.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace quillmoor {

std::optional<UiResourceIndex> UiResourceIndex::parse(const QByteArray& xml, QString* error) {
  UiResourceIndex index;
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = reader.attributes();
    if (reader.name() == QLatin1String("image"))
      index.images_.insert(a.value(QLatin1String("name")).toString(),
                           a.value(QLatin1String("file")).toString());
    else if (reader.name() == QLatin1String("color"))
      index.colors_.insert(a.value(QLatin1String("name")).toString(),
                           a.value(QLatin1String("value")).toString());
  }
  if (reader.hasError()) {
    if (error)
      *error = QStringLiteral("resource index, line %1: %2")
                   .arg(reader.lineNumber())
                   .arg(reader.errorString());
    return std::nullopt;
  }
  return index;
}

QString UiResourceIndex::applyColors(QString styleSheet) const {
  static const QRegularExpression kColorName(QStringLiteral("@([A-Za-z][A-Za-z0-9-]*)"));
  QString out;
  qsizetype last = 0;
  for (const QRegularExpressionMatch& m : kColorName.globalMatch(styleSheet)) {
    out += QStringView(styleSheet).mid(last, m.capturedStart() - last);
    out += colors_.value(m.captured(1), m.captured(0));
    last = m.capturedEnd();
  }
  out += QStringView(styleSheet).mid(last);
  return out;
}

}  // namespace quillmoor
