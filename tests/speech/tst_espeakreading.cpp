#include "speech/espeakbackend.h"
#include "speech/espeakreading.h"
#include "speech/pinyintable.h"

#include "../support/testenvironment.h"

#include <QFile>
#include <QRegularExpression>

#include <memory>

namespace {
// The sounds and tones said. espeak-ng's stress and pause marks differ
// between a number and the same words written out, and between its voices.
QString sounds(const std::string &phonemes)
{
    QString said = QString::fromStdString(phonemes);
    said.remove(QRegularExpression(QStringLiteral("[',]|_[|!:]")));
    return said.simplified();
}

// espeak-ng's Cantonese sounds as Jyutping: it writes the tone after the
// vowel, before a final consonant ("si6n"), and the initial ng as N.
QString jyutping(const QString &sounds)
{
    QString syllables = sounds;
    syllables.remove(QLatin1Char(' '));
    syllables.replace(QLatin1Char('N'), QStringLiteral("ng"));
    syllables.replace(QRegularExpression(QStringLiteral("(\\d)([mnptk])")), QStringLiteral("\\2\\1"));
    syllables.replace(QRegularExpression(QStringLiteral("(\\d)(?!$)")), QStringLiteral("\\1 "));
    return syllables;
}
}

// What espeak-ng says for the texts the program reads, checked against
// espeak-ng's own phonemes for the reading a teacher expects, written in the
// characters or words that espeak-ng reads right by itself: the pinyin voice
// reads characters from its own dictionary, not from the program's table.
class TestEspeakReading : public QObject
{
    Q_OBJECT

private:
    // Readings go to memory: no test reaches the speakers.
    EspeakBackend m_backend{[](const short *, int) {}};
    std::unique_ptr<SpeechBackend::Voice> m_voice;

    QString soundsAs(const QString &voice, const QString &language, bool digitByDigit, const QString &text)
    {
        m_voice->setVoice(SpeechBackend::Token(voice.toStdString(), language.toStdString(), false));
        m_voice->setDigitByDigit(digitByDigit);
        return sounds(EspeakBackend::phonemes(text.toStdString()));
    }

    // espeak-ng reading the text as it stands, with a voice of no language
    // the program treats apart.
    QString plainSounds(const QString &voice, const QString &text)
    {
        return soundsAs(voice, QStringLiteral("reference"), false, text);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_backend.initialize());
        m_voice = m_backend.createVoice();
        QVERIFY(m_voice);
    }

    void cleanupTestCase()
    {
        m_voice.reset();
        m_backend.shutdown();
    }

    void textsAreReadAsATeacherReadsThem_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("digitByDigit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("referenceVoice");
        QTest::addColumn<QString>("reference");

        const QString mandarin = QStringLiteral("sit/cmn");
        const QString pinyin = QStringLiteral("sit/cmn-Latn-pinyin");
        const QString cantonese = QStringLiteral("sit/yue");
        const QString english = QStringLiteral("gmw/en-US");
        auto mandarinNumber = [&](const char *row, const char *digits, const char *reading) {
            QTest::newRow(row) << mandarin << "cmn" << false << digits << pinyin << reading;
        };
        mandarinNumber("inner zeros: 1001", "1001", "一千零一");
        mandarinNumber("two thousand is 两千", "2001", "两千零一");
        mandarinNumber("two ten thousands is 两万", "20000", "两万");
        mandarinNumber("two hundred million is 两亿", "200000000", "两亿");
        mandarinNumber("两 before 万 and before 千", "22000", "两万两千");
        mandarinNumber("two hundred stays 二百", "200", "二百");
        mandarinNumber("twenty stays 二十", "20", "二十");
        mandarinNumber("two alone stays 二", "2", "二");
        mandarinNumber("twelve ten thousands stays 二", "120000", "十二万");
        mandarinNumber("twenty ten thousands stays 二", "200000", "二十万");
        mandarinNumber("two thousand ten thousands", "20000000", "两千万");
        mandarinNumber("inner zero before tens", "3050", "三千零五十");
        mandarinNumber("one ten after a zero", "1010", "一千零一十");
        mandarinNumber("leading zeros read as a code", "0012", "零零一二");
        mandarinNumber("zero alone", "0", "零");
        mandarinNumber("ten", "10", "十");
        mandarinNumber("teens", "17", "十七");
        mandarinNumber("hundreds", "105", "一百零五");
        mandarinNumber("zeros at the end", "1100", "一千一百");
        mandarinNumber("ten thousands", "100000", "十万");
        mandarinNumber("zeros at a group's end unsaid", "10001000", "一千万一千");
        mandarinNumber("group of zeros said once", "100001000", "一亿零一千");
        mandarinNumber("beyond 9999亿 read as a code", "1234567890123", "一二三四五六七八九零一二三");
        QTest::newRow("Mandarin digit by digit") << mandarin << "cmn" << true << "1001" << pinyin << "一零零一";
        QTest::newRow("Mandarin digit by digit, code") << mandarin << "cmn" << true << "0012" << pinyin
                                                       << "零零一二";
        QTest::newRow("Mandarin sentence with a number") << mandarin << "cmn" << false << "请1001号同学回答"
                                                         << pinyin << "请一千零一号同学回答";
        QTest::newRow("Mandarin name") << mandarin << "cmn" << true << "张伟" << pinyin << "张伟";
        QTest::newRow("Mandarin name with rare characters") << mandarin << "cmn" << true << "李堃喆" << pinyin
                                                            << "李堃喆";
        QTest::newRow("traditional characters") << mandarin << "cmn" << true << "張偉" << pinyin << "张伟";
        // U+2000B has no Mandarin reading; espeak-ng would spell its code.
        QTest::newRow("character without a reading left out")
            << mandarin << "cmn" << true << QString::fromUcs4(U"张\U0002000B伟") << pinyin << "张伟";
        // U+20BB7 has no reading of its own; Unihan links it to 吉 only as a
        // spoofing variant.
        QTest::newRow("character read as its variant")
            << mandarin << "cmn" << true << QString::fromUcs4(U"\U00020BB7祥") << pinyin << "吉祥";
        QTest::newRow("Cantonese character read as its variant")
            << cantonese << "yue" << true << QString::fromUcs4(U"\U00020BB7祥") << cantonese << "吉祥";
        QTest::newRow("pinyin voice chosen itself") << pinyin << "cmn-latn-pinyin" << false << "1001" << pinyin
                                                    << "一千零一";
        QTest::newRow("Cantonese 两千") << cantonese << "yue" << false << "2001" << cantonese << "两千零一";
        QTest::newRow("Cantonese inner zero") << cantonese << "yue" << false << "3050" << cantonese << "三千零五十";
        QTest::newRow("Cantonese digit by digit") << cantonese << "yue" << true << "1001" << cantonese
                                                  << "一零零一";
        QTest::newRow("English digit by digit") << english << "en-us" << true << "Tom 1001" << english
                                                << "Tom one zero zero one";
        QTest::newRow("English number") << english << "en-us" << false << "1001" << english << "one thousand one";
    }

    void textsAreReadAsATeacherReadsThem()
    {
        QFETCH(QString, voice);
        QFETCH(QString, language);
        QFETCH(bool, digitByDigit);
        QFETCH(QString, text);
        QFETCH(QString, referenceVoice);
        QFETCH(QString, reference);
        const QString expected = plainSounds(referenceVoice, reference);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(soundsAs(voice, language, digitByDigit, text), expected);
    }

    // Every surname of speech/surnames.tsv, with a given name after it in
    // Mandarin and alone in Cantonese, against espeak-ng reading the pinyin
    // and the Jyutping of the table.
    void surnamesAreReadAsSurnames_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("mandarin");
        QTest::addColumn<QString>("cantonese");
        QFile table(QStringLiteral(ZANDREL_SURNAMES));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        int rows = 0;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList columns = line.split(QLatin1Char('\t'));
            QTest::newRow(qPrintable(columns.value(0))) << columns.value(0) << columns.value(1) << columns.value(2);
            ++rows;
        }
        QCOMPARE(static_cast<std::size_t>(rows), PinyinTable::surnames().size());
    }

    void surnamesAreReadAsSurnames()
    {
        QFETCH(QString, surname);
        QFETCH(QString, mandarin);
        QFETCH(QString, cantonese);
        const QString name = surname + QStringLiteral("明");
        const std::string inMandarin = espeakNameText(name.toStdString(), ChineseReading::Mandarin);
        QCOMPARE(soundsAs(QStringLiteral("sit/cmn"), QStringLiteral("cmn"), true, QString::fromStdString(inMandarin)),
                 plainSounds(QStringLiteral("sit/cmn-Latn-pinyin"), mandarin + QStringLiteral(" ming2")));
        const std::string inCantonese = espeakNameText(surname.toStdString(), ChineseReading::Cantonese);
        QCOMPARE(jyutping(soundsAs(QStringLiteral("sit/yue"), QStringLiteral("yue"), true,
                                   QString::fromStdString(inCantonese))),
                 cantonese);
    }

    void namesTheVoiceCannotReadAreNotRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("reading");
        QTest::addColumn<bool>("read");
        const int none = int(ChineseReading::None);
        const int mandarin = int(ChineseReading::Mandarin);
        const int cantonese = int(ChineseReading::Cantonese);
        QTest::newRow("Chinese name, Mandarin") << "张伟" << mandarin << true;
        QTest::newRow("Chinese name, Cantonese") << "张伟" << cantonese << true;
        QTest::newRow("Chinese name, English") << "张伟" << none << false;
        QTest::newRow("Latin name, English") << "Anna Li" << none << true;
        QTest::newRow("variant read instead") << QString::fromUcs4(U"\U00020BB7祥") << mandarin << true;
        QTest::newRow("no reading and no variant") << QString::fromUcs4(U"张\U0002000B") << mandarin << false;
        QTest::newRow("no reading and no variant, Cantonese")
            << QString::fromUcs4(U"张\U0002000B") << cantonese << false;
    }

    void namesTheVoiceCannotReadAreNotRead()
    {
        QFETCH(QString, name);
        QFETCH(int, reading);
        QFETCH(bool, read);
        QCOMPARE(!espeakNameText(name.toStdString(), ChineseReading(reading)).empty(), read);
    }

    void variantsStandInForCharactersWithoutAReading_data()
    {
        QTest::addColumn<uint>("character");
        QTest::addColumn<uint>("readAs");
        QTest::newRow("spoofing variant") << uint(0x20BB7) << uint(0x5409);
        QTest::newRow("has a reading of its own") << uint(0x5409) << uint(0x5409);
        QTest::newRow("neither reading nor variant") << uint(0x2000B) << uint(0);
        QTest::newRow("no ideograph") << uint('A') << uint('A');
    }

    void variantsStandInForCharactersWithoutAReading()
    {
        QFETCH(uint, character);
        QFETCH(uint, readAs);
        QCOMPARE(uint(PinyinTable::readableForm(character)), readAs);
    }

    void mandarinVoiceAloneWouldDropTheZero()
    {
        // Why the program writes numbers out: espeak-ng's own reading of 1001.
        QCOMPARE(plainSounds(QStringLiteral("sit/cmn"), QStringLiteral("1001")),
                 plainSounds(QStringLiteral("sit/cmn-Latn-pinyin"), QStringLiteral("一千一")));
    }

    void readingsComeFromUnihan_data()
    {
        QTest::addColumn<uint>("character");
        QTest::addColumn<QString>("reading");
        QTest::newRow("first tone") << uint(0x5F20) << "zhang1";   // 张
        QTest::newRow("u with diaeresis") << uint(0x5415) << "lv3"; // 吕
        QTest::newRow("neutral tone") << uint(0x7684) << "de5";     // 的
        QTest::newRow("compatibility ideograph reads as its unified one") << uint(0xF900) << "qi3";
        QTest::newRow("extension B") << uint(0x20000) << "he1";
        QTest::newRow("ideograph without a reading") << uint(0x2000B) << "";
        QTest::newRow("ideographic zero is no Unihan ideograph") << uint(0x3007) << "";
        QTest::newRow("Latin letter") << uint('A') << "";
    }

    void readingsComeFromUnihan()
    {
        QFETCH(uint, character);
        QFETCH(QString, reading);
        const char *found = PinyinTable::reading(character);
        QCOMPARE(found ? QString::fromLatin1(found) : QString(), reading);
    }

    void ideographBlocksAreKnown()
    {
        QVERIFY(PinyinTable::isIdeograph(0x4E00));
        QVERIFY(PinyinTable::isIdeograph(0x2000B));
        QVERIFY(PinyinTable::isIdeograph(0xFA11));
        QVERIFY(!PinyinTable::isIdeograph(0x3007));
        QVERIFY(!PinyinTable::isIdeograph('1'));
    }

    void everySpeedStepIsFasterThanTheOneBefore()
    {
        m_voice->setVoice(*m_backend.findBestVoice("language=804"));
        m_voice->setVolume(100);
        m_voice->setDigitByDigit(true);
        std::size_t previous = 0;
        for (int rate = -10; rate <= 10; ++rate) {
            m_voice->setRate(rate);
            const std::size_t length = EspeakBackend::synthesizeToMemory("1001 2015").size();
            if (rate > -10)
                QVERIFY2(length < previous, qPrintable(QStringLiteral("rate %1").arg(rate)));
            previous = length;
        }
    }
};

ZANDREL_TEST_MAIN(TestEspeakReading)
#include "tst_espeakreading.moc"
