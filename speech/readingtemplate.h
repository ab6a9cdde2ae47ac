#ifndef READINGTEMPLATE_H
#define READINGTEMPLATE_H

#include <QString>

// The sentence read for an announcement: the teacher's template with every
// %1 replaced by what is announced ("请%1号同学回答"). A template without %1
// is followed by it, so the ID or name is never lost; an empty template reads
// it alone, and an announcement of nothing stays empty.
QString fillReadingTemplate(const QString &pattern, const QString &announced);

#endif // READINGTEMPLATE_H
