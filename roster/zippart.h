#ifndef ZIPPART_H
#define ZIPPART_H

#include <QByteArray>
#include <QString>

class KArchiveDirectory;
class KArchiveFile;
class QIODevice;

// Reading one part of a zip file that may come from anywhere: the size the
// zip declares may lie, so a part is read in pieces and refused as soon as
// it grows beyond the limit; a zip bomb costs no more than an honest part of
// that size.
enum class ZipPart { Read, Missing, TooLarge, Damaged };

// Copies the part into out.
ZipPart copyZipPart(const KArchiveFile &file, QIODevice &out, qint64 limit);

// The part at path, whole in memory; Missing when there is no file there.
ZipPart readZipPart(const KArchiveDirectory *root, const QString &path, QByteArray &bytes, qint64 limit);

#endif // ZIPPART_H
