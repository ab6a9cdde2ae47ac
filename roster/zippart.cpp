#include "roster/zippart.h"

// KZip first: the entry headers expect KArchive declared.
#include <KZip>
#include <KArchiveDirectory>
#include <KArchiveFile>

#include <QBuffer>

#include <memory>

ZipPart copyZipPart(const KArchiveFile &file, QIODevice &out, qint64 limit)
{
    const std::unique_ptr<QIODevice> device(file.createDevice());
    if (!device)
        return ZipPart::Damaged;
    char buffer[1 << 16];
    qint64 copied = 0;
    for (;;) {
        const qint64 got = device->read(buffer, sizeof buffer);
        if (got < 0)
            return ZipPart::Damaged;
        if (got == 0)
            return ZipPart::Read;
        copied += got;
        if (copied > limit)
            return ZipPart::TooLarge;
        if (out.write(buffer, got) != got)
            return ZipPart::Damaged;
    }
}

ZipPart readZipPart(const KArchiveDirectory *root, const QString &path, QByteArray &bytes, qint64 limit)
{
    bytes.clear();
    const KArchiveEntry *entry = path.isEmpty() ? nullptr : root->entry(path);
    if (!entry || !entry->isFile())
        return ZipPart::Missing;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return copyZipPart(*static_cast<const KArchiveFile *>(entry), buffer, limit);
}
