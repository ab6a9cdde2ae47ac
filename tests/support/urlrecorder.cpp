#include "urlrecorder.h"

#include <QDesktopServices>

UrlRecorder::UrlRecorder()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void UrlRecorder::open(const QUrl &url)
{
    urls << url;
}
