#pragma once
// Loads layouts (Qt Designer XML) and item templates by name from the UI
// resources, and resolves the named images and colours they refer to.

#include "platform/UiItemTemplate.h"
#include "platform/UiResourceIndex.h"
#include "platform/UiResources.h"

#include <QPixmap>
#include <QString>

#include <memory>

class QWidget;

namespace quillmoor {

class UiLayoutLoader {
 public:
  // Reads the resource index; null with `error` set when it is not sound.
  static std::unique_ptr<UiLayoutLoader> create(const UiResources& resources, QString* error);

  // The root window of the layout with `parent` as its parent (none when null).
  // Every element that names an image in the dynamic property "image" shows it.
  // Null with `error` set when the layout is missing or not a layout.
  QWidget* loadLayout(const QString& name, QWidget* parent, QString* error = nullptr) const;

  std::shared_ptr<const UiItemTemplate> loadTemplate(const QString& name,
                                                     QString* error = nullptr) const;

  // A named image of the resource index; null when unknown or unreadable.
  QPixmap image(const QString& name) const;
  // "style.css" with its colour names resolved; empty when there is none.
  QString styleSheet() const;

 private:
  UiLayoutLoader(const UiResources& resources, UiResourceIndex index);
  void applyImages(QWidget* root) const;

  const UiResources& resources_;
  UiResourceIndex index_;
};

inline constexpr char kImageProperty[] = "image";

}  // namespace quillmoor
