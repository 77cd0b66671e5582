#pragma once
// Stands in for the desktop's URL handlers while it lives: every link the
// program hands over is recorded instead of opening a browser or a client.

#include <QList>
#include <QObject>
#include <QUrl>

namespace quillmoor::test {

class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  UrlRecorder();
  ~UrlRecorder() override;

  const QList<QUrl>& urls() const { return urls_; }

 public slots:
  void open(const QUrl& url) { urls_ << url; }

 private:
  QList<QUrl> urls_;
};

}  // namespace quillmoor::test
