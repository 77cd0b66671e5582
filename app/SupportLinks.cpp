#include "app/SupportLinks.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace quillmoor {
namespace {

constexpr char kForumHome[] = "https://bbs.quillmoor.example/";
constexpr char kForumSectionPage[] = "forum.php?mod=forumdisplay&fid=2";
constexpr char kSupportContactNumber[] = "800012345";
constexpr char kGroupPage[] = "https://qm.qq.com/cgi-bin/qm/qr?k=QmAtlasUserGroup2026";

}  // namespace

namespace link {

QUrl ForumHome() { return QUrl(QString::fromLatin1(kForumHome)); }

QUrl ForumSection() { return ForumHome().resolved(QUrl(QString::fromLatin1(kForumSectionPage))); }

// The client reads the keys in this order; the second, empty "uin" is part of
// the link form it expects.
QUrl Chat() {
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("uin"), QString::fromLatin1(kSupportContactNumber));
  query.addQueryItem(QStringLiteral("uin"), QStringLiteral(""));
  query.addQueryItem(QStringLiteral("site"), QStringLiteral("qq"));
  query.addQueryItem(QStringLiteral("menu"), QStringLiteral("yes"));
  QUrl url;
  url.setScheme(QStringLiteral("tencent"));
  url.setHost(QStringLiteral("message"));
  url.setPath(QStringLiteral("/"));
  url.setQuery(query);
  return url;
}

QUrl Group() { return QUrl(QString::fromLatin1(kGroupPage)); }

}  // namespace link

void OpenWithShell(const QUrl& target) { QDesktopServices::openUrl(target); }

}  // namespace quillmoor
