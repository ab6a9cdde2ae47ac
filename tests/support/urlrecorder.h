#ifndef URLRECORDER_H
#define URLRECORDER_H

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the place of the desktop's handler for file URLs for as long as it
// lives, so that no test opens a real file manager or viewer, and keeps the
// URLs the program asked to open, in order.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> urls;

public slots:
    // Called by name through QDesktopServices.
    void open(const QUrl &url);
};

#endif // URLRECORDER_H
