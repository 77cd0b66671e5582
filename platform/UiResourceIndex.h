#pragma once
// The resource index "resource.res": the named images and colours that the
// layouts, item templates and style sheet refer to.
//
//   <resources>
//     <color name="accent" value="#1f5f99"/>
//     <image name="print" file="image/button/print.svg"/>
//   </resources>

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace quillmoor {

class UiResourceIndex {
 public:
  static std::optional<UiResourceIndex> parse(const QByteArray& xml, QString* error);

  // The resource file of a named image; empty for an unknown name.
  QString imageFile(const QString& name) const { return images_.value(name); }
  // A colour value; a value that is not a name is returned as it stands.
  QString color(const QString& nameOrValue) const { return colors_.value(nameOrValue, nameOrValue); }
  // The style sheet with every "@name" of a known colour replaced by its value.
  QString applyColors(QString styleSheet) const;

 private:
  QHash<QString, QString> images_;
  QHash<QString, QString> colors_;
};

}  // namespace quillmoor
