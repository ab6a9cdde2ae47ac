#include "speech/espeakbackend.h"
#include "speech/pinyintable.h"

#include "../support/testenvironment.h"

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
        mandarinNumber("inner zeros: 2001", "2001", "二千零一");
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
        QTest::newRow("pinyin voice chosen itself") << pinyin << "cmn-latn-pinyin" << false << "1001" << pinyin
                                                    << "一千零一";
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
