#include "platform/UiLayoutLoader.h"

#include "platform/UiPictureShape.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QLabel>
#include <QUiLoader>

namespace quillmoor {
namespace {

// Knows the program's own widgets and loads no designer plugins: no code is
// ever loaded from the directories Qt would otherwise search.
class Loader : public QUiLoader {
 public:
  Loader() { clearPluginPaths(); }

  QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
    if (className == QLatin1String("quillmoor::UiPictureShape") || className == QLatin1String("UiPictureShape")) {
      auto* shape = new UiPictureShape(parent);
      shape->setObjectName(name);
      return shape;
    }
    return QUiLoader::createWidget(className, parent, name);
  }
};

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

}  // namespace

UiLayoutLoader::UiLayoutLoader(const UiResources& resources, UiResourceIndex index)
    : resources_(resources), index_(std::move(index)) {}

std::unique_ptr<UiLayoutLoader> UiLayoutLoader::create(const UiResources& resources, QString* error) {
  const std::optional<QByteArray> bytes = resources.read(QString::fromLatin1(kResourceIndexName), error);
  if (!bytes) return nullptr;
  std::optional<UiResourceIndex> index = UiResourceIndex::parse(*bytes, error);
  if (!index) return nullptr;
  return std::unique_ptr<UiLayoutLoader>(new UiLayoutLoader(resources, std::move(*index)));
}

QWidget* UiLayoutLoader::loadLayout(const QString& name, QWidget* parent, QString* error) const {
  std::optional<QByteArray> bytes = resources_.read(name, error);
  if (!bytes) return nullptr;
  QBuffer buffer(&*bytes);
  buffer.open(QIODevice::ReadOnly);
  Loader loader;
  QWidget* root = loader.load(&buffer, parent);
  if (!root) {
    SetError(error, QStringLiteral("layout %1: %2").arg(name, loader.errorString()));
    return nullptr;
  }
  applyImages(root);
  return root;
}

std::shared_ptr<const UiItemTemplate> UiLayoutLoader::loadTemplate(const QString& name,
                                                                   QString* error) const {
  const std::optional<QByteArray> bytes = resources_.read(name, error);
  if (!bytes) return nullptr;
  std::optional<UiItemTemplate> parsed = UiItemTemplate::parse(
      name, *bytes, [this](const QString& image) { return this->image(image); },
      [this](const QString& color) { return QColor(index_.color(color)); }, error);
  if (!parsed) return nullptr;
  return std::make_shared<const UiItemTemplate>(std::move(*parsed));
}

QPixmap UiLayoutLoader::image(const QString& name) const {
  const QString file = index_.imageFile(name);
  if (file.isEmpty()) return {};
  const std::optional<QByteArray> bytes = resources_.read(file);
  QPixmap pixmap;
  if (bytes) pixmap.loadFromData(*bytes);
  return pixmap;
}

QString UiLayoutLoader::styleSheet() const {
  const std::optional<QByteArray> bytes = resources_.read(QStringLiteral("style.css"));
  return bytes ? index_.applyColors(QString::fromUtf8(*bytes)) : QString();
}

void UiLayoutLoader::applyImages(QWidget* root) const {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* widget : widgets) {
    const QString name = widget->property(kImageProperty).toString();
    if (name.isEmpty()) continue;
    const QPixmap pixmap = image(name);
    if (pixmap.isNull()) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
      button->setIcon(QIcon(pixmap));
    else if (auto* label = qobject_cast<QLabel*>(widget))
      label->setPixmap(pixmap);
    else if (widget->isWindow())
      widget->setWindowIcon(QIcon(pixmap));
  }
}

}  // namespace quillmoor
