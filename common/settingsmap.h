#ifndef SETTINGSMAP_H
#define SETTINGSMAP_H

#include <QString>
#include <QVariant>

// Every place the program keeps a setting: the organization, its four areas
// and their keys. The stored names are what earlier versions wrote, so they
// must never change.
namespace SettingsMap {

constexpr char kOrganization[] = "Velmor";

// Area "Language": the interface language.
constexpr char kLanguageArea[] = "Language";
constexpr char kLanguage[] = "Language";

// Area "Zandrel_ClassSetting": the roster, an array of classes each with an
// array of students.
constexpr char kRosterArea[] = "Zandrel_ClassSetting";
constexpr char kClasses[] = "Classes";
constexpr char kClassName[] = "Name";
constexpr char kStudents[] = "StudentInfor";
constexpr char kStudentId[] = "ID";
constexpr char kStudentName[] = "Name";
constexpr char kStudentScore[] = "Score";

// Area "Speech": reading drawn IDs aloud.
constexpr char kSpeechArea[] = "Speech";
constexpr char kSpeechEnable[] = "Enable";
constexpr char kSpeechVolume[] = "Volume";
constexpr char kSpeechSpeed[] = "Speed";
constexpr char kSpeechRandom[] = "Random";
constexpr char kSpeechVoice[] = "VoiceLib";
constexpr char kSpeechDigitByDigit[] = "DigitByDigit";
constexpr char kSpeechReadName[] = "ReadName";
constexpr char kSpeechTemplate[] = "Template";
constexpr char kSpeechNameTemplate[] = "NameTemplate";

// Area "Velmor Zandrel": everything else.
constexpr char kProgramArea[] = "Velmor Zandrel";
constexpr char kHomeworkDownloadPath[] = "Homework_DownloadPath";
constexpr char kHomeworkCopy[] = "Homework_Copy";
constexpr char kHomeworkToStudentDir[] = "Homework_ToStudentDir";
// The classroom screen: the zoom of the normal window in percent, and whether
// the drawn students are named below the display.
constexpr char kViewZoom[] = "View_Zoom";
constexpr char kViewShowNames[] = "View_ShowNames";
// The floating draw button over other programs: whether it is shown, and the
// top-left corner of its place on the desktop.
constexpr char kViewFloating[] = "View_Floating";
constexpr char kViewFloatingPos[] = "View_FloatingPos";
// Fair draws: whether a round leaves out those drawn already; per class
// (array "Lottery_Rounds") the IDs drawn in its round, and per class and day
// (array "Absent_Students") the IDs marked absent.
constexpr char kNoRepeat[] = "Lottery_NoRepeat";
constexpr char kRounds[] = "Lottery_Rounds";
constexpr char kRoundDrawn[] = "Drawn";
constexpr char kAbsent[] = "Absent_Students";
constexpr char kAbsentIds[] = "IDs";
constexpr char kEntryClass[] = "Class";
constexpr char kEntryDate[] = "Date";
// The class chosen when the window last closed, so the next start (also the
// one after a language change) begins there.
constexpr char kLastClass[] = "LastClass";

// The file of a settings area, named without opening the area: opening an
// area reads its file, and the settings store tells a problem with the file
// as a whole only to the first reader, which must be the roster store.
QString settingsFileName(const char *area);

// The folder that holds every area's file, and the name of an area's file
// in it: what a backup takes and puts back.
QString settingsFolder();
QString settingsFileBaseName(const char *area);

// Settings are written the moment a control changes, each write opening the
// area afresh, so another copy of the area never holds a stale value for long.
void writeSetting(const char *area, const char *key, const QVariant &value);
QVariant readSetting(const char *area, const char *key, const QVariant &defaultValue = QVariant());

} // namespace SettingsMap

#endif // SETTINGSMAP_H
