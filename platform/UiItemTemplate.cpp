#include "platform/UiItemTemplate.h"

#include <QXmlStreamReader>

namespace quillmoor {
namespace {

bool IsTrue(QStringView value) { return value == QLatin1String("true") || value == QLatin1String("1"); }

UiTemplateField ReadField(const QXmlStreamAttributes& a, const UiItemTemplate::ColorLookup& color) {
  UiTemplateField field;
  field.column = a.value(QLatin1String("column")).toString();
  field.bold = IsTrue(a.value(QLatin1String("bold")));
  field.marks = IsTrue(a.value(QLatin1String("marks")));
  field.width = a.value(QLatin1String("width")).toInt();
  const auto colorOf = [&](const char* attribute) {
    return a.hasAttribute(QLatin1String(attribute)) ? color(a.value(QLatin1String(attribute)).toString())
                                                    : QColor();
  };
  field.color = colorOf("color");
  field.presentColor = colorOf("present");
  field.missingColor = colorOf("missing");
  return field;
}

}  // namespace

std::optional<UiItemTemplate> UiItemTemplate::parse(const QString& name, const QByteArray& xml,
                                                    const ImageLookup& image,
                                                    const ColorLookup& color, QString* error) {
  UiItemTemplate result;
  result.name = name;
  QXmlStreamReader reader(xml);
  bool sawRoot = false;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = reader.attributes();
    if (reader.name() == QLatin1String("itemTemplate")) {
      sawRoot = true;
      if (a.hasAttribute(QLatin1String("height"))) result.height = a.value(QLatin1String("height")).toInt();
    } else if (reader.name() == QLatin1String("image")) {
      result.image = image(a.value(QLatin1String("name")).toString());
    } else if (reader.name() == QLatin1String("text")) {
      result.fields.push_back(ReadField(a, color));
    }
  }
  if (reader.hasError() || !sawRoot) {
    if (error)
      *error = QStringLiteral("item template %1: %2")
                   .arg(name, reader.hasError() ? reader.errorString() : QStringLiteral("no itemTemplate element"));
    return std::nullopt;
  }
  if (result.height <= 0) result.height = 20;
  return result;
}

}  // namespace quillmoor
