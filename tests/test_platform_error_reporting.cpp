// The text of the error boxes and the hand-over of a failed handler's error.

#include "platform/error_reporting.h"

#include <QTest>

class PlatformErrorReporting : public QObject {
    Q_OBJECT
private slots:
    void error_box_text_rule()
    {
        QCOMPARE(error_box_text("Fichier introuvable"), QStringLiteral("Fichier introuvable."));
        QCOMPARE(error_box_text("Fini."), QStringLiteral("Fini."));
        QCOMPARE(error_box_text("Attention!"), QStringLiteral("Attention!"));
        QCOMPARE(error_box_text("(code 3)"), QStringLiteral("(code 3)"));
        QCOMPARE(error_box_text("abc,"), QStringLiteral("abc,")); // ',' sorts before '.'
        QCOMPARE(error_box_text("abc 9"), QStringLiteral("abc 9."));

        QList<std::pair<QString, bool>> seen;
        set_error_reporter([&](const AppError& e, bool startup) { seen << std::pair{e.message(), startup}; });
        report_handler_error(AppError("EMCIDeviceError", "No MCI device open"));
        set_error_reporter({});
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].first, QStringLiteral("No MCI device open"));
        QVERIFY(!seen[0].second);
    }
};

QTEST_MAIN(PlatformErrorReporting)
#include "test_platform_error_reporting.moc"
