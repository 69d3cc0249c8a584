#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

namespace zonivo::test {

// Takes the place of the web browser for http addresses while it lives.
class UrlCatcher final : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

}  // namespace zonivo::test
