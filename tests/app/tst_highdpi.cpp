#include "app/highdpi.h"
#include "app/interfacelanguage.h"
#include "app/mainwindow.h"
#include "homework/movehomeworkdialog.h"
#include "roster/calculateavescoredialog.h"
#include "roster/classsettingdialog.h"
#include "speech/speechdialog.h"

#include "../support/modalanswerer.h"
#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// With the toolkit's high-DPI scaling a screen of 192 dpi shows the form at
// twice the size in every direction, so what fits at the logical size fits
// there. The form must fit it in every language: no label, button text,
// box or field smaller than what it needs to show.
class TestHighDpi : public QObject
{
    Q_OBJECT

private:
    // What the widget needs: its size hint, but for a button only its text
    // (the form keeps the score buttons narrower than the style's width for
    // a button), and for a field only its height (the score boxes hold one letter).
    static QSize neededSize(const QWidget *widget)
    {
        if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            return QSize(text.width() + 4, text.height());
        }
        if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget))
            return QSize(0, widget->minimumSizeHint().height());
        return widget->sizeHint();
    }

    static QStringList clippedWidgets(QWidget &top)
    {
        QStringList clipped;
        const QList<QWidget *> widgets = top.findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(&top) || widget->window() != &top)
                continue;
            const bool shows = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)
                               || qobject_cast<QComboBox *>(widget) || qobject_cast<QLineEdit *>(widget)
                               || qobject_cast<QAbstractSpinBox *>(widget);
            if (!shows || widget->inherits("QToolButton"))
                continue;
            if (const auto *label = qobject_cast<QLabel *>(widget); label && label->text().isEmpty())
                continue;
            const QSize needed = neededSize(widget);
            if (widget->width() < needed.width() || widget->height() < needed.height())
                clipped << QStringLiteral("%1 %2 \"%3\": %4x%5 < %6x%7")
                               .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                                    widget->property("text").toString())
                               .arg(widget->width()).arg(widget->height()).arg(needed.width()).arg(needed.height());
        }
        return clipped;
    }

    static void check(QWidget &top)
    {
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        const QStringList clipped = clippedWidgets(top);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void scalingIsOn()
    {
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling));
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps));
        QCOMPARE(QGuiApplication::highDpiScaleFactorRoundingPolicy(), Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
        // The platform's own factor (here 100 dpi over 96) comes through unrounded.
        QVERIFY(qApp->devicePixelRatio() > 2.0);
    }

    void nothingIsClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("display");
        for (const char *language : {"simplify", "english", "traditional"})
            for (const char *display : {"actionLED", "actionWheel", "actionMicro_Tile", "actionTV_Roller"})
                QTest::addRow("%s %s", language, display) << language << display;
    }

    void nothingIsClipped()
    {
        QFETCH(QString, language);
        QFETCH(QString, display);
        InterfaceLanguage::store(language);
        seedRoster({{QStringLiteral("三年二班"), {"20240301", "20240302", "20240303", "20240304"}, {}, {}}});
        MainWindow window;
        window.findChild<QAction *>(display)->trigger();
        check(window);
    }

    void nothingIsClippedInTheDialogs_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"simplify", "english", "traditional"})
            QTest::newRow(language) << language;
    }

    void nothingIsClippedInTheDialogs()
    {
        QFETCH(QString, language);
        InterfaceLanguage::store(language);
        MainWindow window;
        for (QDialog *dialog : window.findChildren<QDialog *>()) {
            check(*dialog);
            dialog->hide();
        }
    }
};

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    // Twice the logical size, as on a screen of 192 dpi.
    qputenv("QT_SCALE_FACTOR", "2");
    enableHighDpiScaling();
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestHighDpi tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_highdpi.moc"
