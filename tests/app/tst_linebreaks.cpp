#include "app/linebreaks.h"

#include "../support/testenvironment.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTextLayout>

// The student count beside the class chooser wraps between its two parts only.
class TestLineBreaks : public QObject
{
    Q_OBJECT

private:
    // The lines the text falls into at a width too narrow for any two words.
    static QStringList linesAt(const QString &text, qreal width)
    {
        QTextLayout layout(text, QApplication::font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString shown = text.mid(line.textStart(), line.textLength());
            shown.remove(QChar(0x2060));
            shown.replace(QChar(0x00A0), QLatin1Char(' '));
            lines.append(shown.trimmed());
        }
        layout.endLayout();
        return lines;
    }

private slots:
    void theCountBreaksOnlyBeforeTheAbsentPart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("simplified") << QStringLiteral("33 名学生（3 人缺席）")
                                    << QStringList{QStringLiteral("33 名学生"), QStringLiteral("（3 人缺席）")};
        QTest::newRow("traditional") << QStringLiteral("33 名學生（3 人缺席）")
                                     << QStringList{QStringLiteral("33 名學生"), QStringLiteral("（3 人缺席）")};
        QTest::newRow("english") << QStringLiteral("28 Students (2 absent)")
                                 << QStringList{QStringLiteral("28 Students"), QStringLiteral("(2 absent)")};
        QTest::newRow("nobody absent") << QStringLiteral("33 名学生") << QStringList{QStringLiteral("33 名学生")};
    }

    void theCountBreaksOnlyBeforeTheAbsentPart()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const QString shown = breakOnlyBeforeBrackets(text);
        QCOMPARE(linesAt(shown, 1), lines);
        // Wide enough, it stays one line that reads as before.
        QCOMPARE(linesAt(shown, 10000), QStringList{text});
    }
};

ZANDREL_TEST_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
