#include "recordingservices.h"

#include <QtTest>

RecordingServices::RecordingServices()
{
    installAppServices(this);
}

RecordingServices::~RecordingServices()
{
    installAppServices(nullptr);
}

void RecordingServices::recordScore(const QString &id, char letter)
{
    scores.append({id, letter});
}

void RecordingServices::showBanner(QWidget *target, const QString &text)
{
    banners.append({target, text});
}

void RecordingServices::syncVoiceSwitch(bool on)
{
    switchStates.append(on);
}

QString RecordingServices::dataDirectory() const
{
    return dataDir;
}

void RecordingServices::onWheelStopped()
{
    ++wheelRests;
    if (onRest)
        onRest();
}

bool RecordingServices::isStudentOfClass(const QString &className, const QString &id)
{
    studentQuestions.append({className, id});
    return studentOfClass && studentOfClass(className, id);
}

bool RecordingServices::calculateScores(int aScore, int fScore, int rounding)
{
    calculations.append({aScore, fScore, rounding});
    return scoreFilesWritten;
}

void RecordingServices::exportScoreWorkbook(int aScore, int fScore, int rounding)
{
    workbookExports.append({aScore, fScore, rounding});
}

void RecordingServices::openScoreFiles()
{
    ++scoreFileOpenings;
}

void RecordingServices::openDataDirectory()
{
    ++directoryOpenings;
}

void RecordingServices::averageScores(const QStringList &scoreStrings, std::vector<double> &result)
{
    averagedScores.append(scoreStrings);
    if (averages)
        averages(scoreStrings, result);
    else
        result.assign(size_t(scoreStrings.size()), 0.0);
}

char *toString(const RecordingServices::Score &score)
{
    return QTest::toString(QStringLiteral("%1 %2").arg(score.id, QChar::fromLatin1(score.letter)));
}
