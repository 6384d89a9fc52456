// Numbers follow the regional decimal separator: a French locale writes a
// decimal comma in the section percentages.

#include "engine/engine.h"
#include "engine/number_format.h"

#include <QtTest>

class EngineLocale : public QObject {
    Q_OBJECT
private slots:
    void french_decimal_comma()
    {
        QCOMPARE(regional_decimal_separator(), QChar(u','));
        QCOMPARE(engine::percentage_text(45, 50), QStringLiteral("90,0%"));
        QCOMPARE(engine::percentage_text(37, 40), QStringLiteral("92,5%"));
        QCOMPARE(engine::total_text(365), QStringLiteral("182")); // no grouping, no decimals
    }

    void patterns()
    {
        QCOMPARE(format_number(0, 0, u"#0", u'.'), QStringLiteral("0"));
        QCOMPARE(format_number(34, 0, u"#0", u'.'), QStringLiteral("34"));
        QCOMPARE(format_number(5, 0, u"00", u'.'), QStringLiteral("05"));
        QCOMPARE(format_number(0, 0, u"##0", u'.'), QStringLiteral("0"));
        QCOMPARE(format_number(1000, 1, u"##0.0%", u'.'), QStringLiteral("100.0%"));
        QCOMPARE(format_number(1249, 2, u"##0.0%", u'.'), QStringLiteral("12.5%")); // half away from zero
        QCOMPARE(format_number(1244, 2, u"#0", u'.'), QStringLiteral("12"));
    }
};

int main(int argc, char** argv)
{
    // The regional settings are read when the application starts.
    qputenv("LC_ALL", "fr_FR.UTF-8");
    qputenv("LANG", "fr_FR.UTF-8");
    QCoreApplication app(argc, argv);
    EngineLocale test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_engine_locale.moc"
