#include "rosterseeder.h"

#include <QSettings>

void seedRoster(const QVector<SeedClass> &classes)
{
    QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
    settings.clear();
    settings.beginWriteArray(QStringLiteral("Classes"));
    for (int k = 0; k < classes.size(); ++k) {
        settings.setArrayIndex(k);
        settings.setValue(QStringLiteral("Name"), classes[k].name);
        settings.beginWriteArray(QStringLiteral("StudentInfor"));
        for (int i = 0; i < classes[k].ids.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("ID"), classes[k].ids.value(i));
            settings.setValue(QStringLiteral("Name"), classes[k].names.value(i));
            settings.setValue(QStringLiteral("Score"), classes[k].scores.value(i));
        }
        settings.endArray();
    }
    settings.endArray();
    settings.sync();
}

QVector<SeedClass> storedRoster()
{
    QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
    QVector<SeedClass> classes;
    const int classCount = settings.beginReadArray(QStringLiteral("Classes"));
    for (int k = 0; k < classCount; ++k) {
        settings.setArrayIndex(k);
        SeedClass seeded;
        seeded.name = settings.value(QStringLiteral("Name")).toString();
        const int studentCount = settings.beginReadArray(QStringLiteral("StudentInfor"));
        for (int i = 0; i < studentCount; ++i) {
            settings.setArrayIndex(i);
            seeded.ids << settings.value(QStringLiteral("ID")).toString();
            seeded.names << settings.value(QStringLiteral("Name")).toString();
            seeded.scores << settings.value(QStringLiteral("Score")).toString();
        }
        settings.endArray();
        classes << seeded;
    }
    settings.endArray();
    return classes;
}
