#pragma once
// An item template: which adapter columns a tree item shows, and how.
//
//   <itemTemplate height="24">
//     <image name="tree-book"/>
//     <text column="bookcode" bold="true" color="accent" marks="true" present="ok" missing="warn" width="120"/>
//     <text column="bookname" color="muted"/>
//   </itemTemplate>
//
// Colours and images are names from the resource index. `marks` colours a
// leading "[√]" or "[×]" so that present and missing files stand apart.

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace quillmoor {

struct UiTemplateField {
  QString column;
  bool bold = false;
  QColor color;      // invalid: the view's text colour
  bool marks = false;
  QColor presentColor;  // the "[√]" mark
  QColor missingColor;  // the "[×]" mark
  int width = 0;     // minimum width in pixels; 0: as wide as the text
};

struct UiItemTemplate {
  QString name;
  int height = 20;
  QPixmap image;
  std::vector<UiTemplateField> fields;

  using ImageLookup = std::function<QPixmap(const QString& name)>;
  using ColorLookup = std::function<QColor(const QString& name)>;
  static std::optional<UiItemTemplate> parse(const QString& name, const QByteArray& xml,
                                             const ImageLookup& image, const ColorLookup& color,
                                             QString* error);
};

}  // namespace quillmoor
