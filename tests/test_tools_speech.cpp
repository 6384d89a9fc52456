// How a transcript line becomes the synthesiser's text: the tone rules of 一
// and 不, a lexicon word before them, erhua, the lexicon's own checks and
// the reading of espeak-ng's phoneme trace. A made-up voice stands in for
// espeak-ng so that each case says which tone the next syllable has.

#include "tools/speech/reading.h"

#include <QTest>

using namespace speech;

namespace {

class made_up_voice final : public voice_knowledge {
public:
    int tone_of(const QString& syllable) override
    {
        static const QHash<QString, int> tones{
            {QStringLiteral("个"), neutral_tone}, {QStringLiteral("百"), 3}, {QStringLiteral("起"), 3},
            {QStringLiteral("是"), 4}, {QStringLiteral("好"), 3}, {QStringLiteral("上"), 4},
            {QStringLiteral("十"), 2}, {QStringLiteral("期"), 1}};
        return tones.value(syllable, 1);
    }
    QString phonemes_of(const QString& pinyin) override
    {
        return pinyin == u"hu4" ? QStringLiteral("X'u51") : QString();
    }
};

const char small_lexicon[] = "对不起 dui4 bu5 qi3\n"
                             "会儿 huir4  # erhua\n";

} // namespace

class test_tools_speech : public QObject {
    Q_OBJECT

private slots:
    void line_is_given_to_the_voice_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("given");
        QTest::newRow("一 before a light measure word") << QStringLiteral("一个") << QStringLiteral("yi2 个");
        QTest::newRow("一 before a 3rd tone") << QStringLiteral("一百") << QStringLiteral("yi4 百");
        QTest::newRow("一 before a 3rd tone, 2") << QStringLiteral("一起。") << QStringLiteral("yi4 起。");
        QTest::newRow("ordinal at the end") << QStringLiteral("第一") << QStringLiteral("第 yi1");
        QTest::newRow("day of the week before a 4th tone")
            << QStringLiteral("星期一上午") << QStringLiteral("星期 yi1 上午");
        QTest::newRow("within a number") << QStringLiteral("十一个") << QStringLiteral("十 yi1 个");
        QTest::newRow("不 before a 4th tone") << QStringLiteral("不是，") << QStringLiteral("bu2 是，");
        QTest::newRow("不 before a 3rd tone") << QStringLiteral("不好") << QStringLiteral("bu4 好");
        QTest::newRow("lexicon word over the rule") << QStringLiteral("对不起") << QStringLiteral("dui4 bu5 qi3");
        QTest::newRow("A不A") << QStringLiteral("是不是") << QStringLiteral("是 bu5 是");
        QTest::newRow("erhua, its tone from the lexicon")
            << QStringLiteral("等一会儿") << QStringLiteral("等 yi2 [[X'u@51r]]");
    }

    void line_is_given_to_the_voice()
    {
        QFETCH(QString, line);
        QFETCH(QString, given);
        QString error;
        const auto words = lexicon::parse(QString::fromUtf8(small_lexicon), QStringLiteral("small"), error);
        QVERIFY2(words, qPrintable(error));
        made_up_voice voice;
        QCOMPARE(synthesiser_text(read_line(line, *words, voice), voice), given);
    }

    void bad_lexicon_line_is_named_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("place");
        QTest::newRow("syllable missing") << QByteArray("谢谢 xie4 xie5\n地方 di4\n") << QStringLiteral("bad:2:");
        QTest::newRow("tone missing") << QByteArray("\n\n地方 di fang5\n") << QStringLiteral("bad:3:");
        QTest::newRow("erhua without 儿") << QByteArray("点 dianr3\n") << QStringLiteral("bad:1:");
        QTest::newRow("word twice") << QByteArray("地方 di4 fang5\n地方 di4 fang1\n") << QStringLiteral("bad:2:");
    }

    void bad_lexicon_line_is_named()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, place);
        QString error;
        QVERIFY(!lexicon::parse(QString::fromUtf8(text), QStringLiteral("bad"), error));
        QVERIFY2(error.startsWith(place), qPrintable(error));
    }

    void trace_gives_tones_and_language_switches()
    {
        const trace mandarin = parse_trace(QStringLiteral("j'i35_| ko-33_| tiE11n'@r214_| t'iA21r_|\n"));
        QCOMPARE(mandarin.tones, (QList<int>{2, neutral_tone, neutral_tone, 3, 3}));
        QVERIFY(mandarin.language_switch.isEmpty());
        const trace english = parse_trace(QStringLiteral("s.'i.51_| (en)bV55f'o@55(cmn)_|"));
        QCOMPARE(english.language_switch, QStringLiteral("(en)"));
        QCOMPARE(english.syllables_before_switch, 1);
    }
};

QTEST_GUILESS_MAIN(test_tools_speech)
#include "test_tools_speech.moc"
