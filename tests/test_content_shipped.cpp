// The catalogue and pictures built into the program: they load, have the
// examination's counts, and hold real, distinct texts that do not give each
// other away, typeset as Chinese and with no answer betrayed by its length.

#include "catalogue_lookup.h"
#include "content/catalogue.h"
#include "engine/engine.h"
#include "engine_recorder.h"
#include "content/picture_record.h"
#include "platform/app_error.h"
#include "platform/picture_formats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <optional>

namespace {

// A text the candidate can read: some letter or digit, and no Latin letters,
// which in this Chinese material would only come from a placeholder
// ("TODO", "xxx", "option A").
bool is_real_text(const QString& text)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression meaningful(QStringLiteral("[\\p{L}\\p{N}]"));
    return text.contains(meaningful) && !text.contains(latin);
}

} // namespace

class test_content_shipped : public QObject {
    Q_OBJECT

    std::optional<catalogue> shipped;

private slots:
    void initTestCase()
    {
        register_standard_picture_formats();
        try {
            shipped = catalogue::load();
        } catch (const AppError& error) {
            QFAIL(qPrintable(error.kind() + QStringLiteral(": ") + error.message()));
        }
    }

    void counts()
    {
        QCOMPARE(shipped->pages(1).size(), 45u);
        QCOMPARE(shipped->pages(2).size(), 40u);
        QCOMPARE(shipped->pages(3).size(), 13u);
        int questions = 0;
        for (int s = 1; s <= 3; ++s)
            for (const page& p : shipped->pages(s))
                questions += static_cast<int>(p.questions.size());
        QCOMPARE(questions, 140);
        for (int numero = 1; numero <= 140; ++numero)
            QVERIFY(question_by_number(*shipped, numero).question);
    }

    void pictures()
    {
        QSet<QString> names;
        for (const page& p : shipped->pages(1))
            for (const question& q : p.questions) {
                if (p.genre != genre::ecoute_image)
                    continue;
                names.insert(q.image);
                const picture strip = load_picture_record(q.image);
                QCOMPARE(strip.kind(), QStringLiteral("TJPEGImage"));
                QVERIFY2(strip.width() >= 591 && strip.width() <= 607, qPrintable(q.image));
                QVERIFY2(strip.height() >= 142 && strip.height() <= 153, qPrintable(q.image));
                QCOMPARE(strip.decode().size(), strip.size());
                QVERIFY2(!picture_alternative(q).isEmpty(), qPrintable(q.image));
            }
        QCOMPARE(names.size(), 15);
    }

    void texts_are_real_and_distinct()
    {
        QSet<QString> stems;
        QSet<QStringList> passages;
        for (int s = 1; s <= 3; ++s)
            for (const page& p : shipped->pages(s)) {
                if (!p.texte.isEmpty()) {
                    QVERIFY2(is_real_text(p.texte.join(QString())), qPrintable(tab_caption(p)));
                    for (const QString& line : p.texte)
                        QVERIFY2(!line.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                                 qPrintable(tab_caption(p) + QStringLiteral(": ") + line));
                    QVERIFY2(!passages.contains(p.texte), qPrintable(tab_caption(p) + QStringLiteral(": passage twice")));
                    passages.insert(p.texte);
                }
                for (const question& q : p.questions) {
                    const QString where = QStringLiteral("question %1").arg(q.numero);
                    if (!q.enonce.isEmpty()) {
                        QVERIFY2(is_real_text(q.enonce), qPrintable(where + QStringLiteral(": ") + q.enonce));
                        QVERIFY2(!stems.contains(q.enonce), qPrintable(where + QStringLiteral(": stem twice")));
                        stems.insert(q.enonce);
                    }
                    if (p.genre == genre::ecoute_image)
                        continue;
                    QSet<QString> options;
                    for (const QString& option : q.options) {
                        QVERIFY2(is_real_text(option), qPrintable(where + QStringLiteral(": ") + option));
                        options.insert(option);
                    }
                    QVERIFY2(options.size() == 4, qPrintable(where + QStringLiteral(": two identical options")));
                }
            }
        QCOMPARE(stems.size(), 50); // 20 gap sentences, 30 reading questions
        QCOMPARE(passages.size(), 13);
    }

    // One item must not answer another: no sentence of six characters or more
    // from one page's texts or recordings appears in another page's.
    void no_sentence_shared_between_pages()
    {
        // Each page's texts and transcripts as one text, segments on lines of their own.
        QHash<const page*, QString> texts;
        for (int s = 1; s <= 3; ++s)
            for (const page& p : shipped->pages(s)) {
                QStringList pieces{p.texte.join(QString())};
                for (const question& q : p.questions)
                    pieces << q.enonce << QStringList(q.options.begin(), q.options.end());
                texts[&p] = pieces.join(QLatin1Char('\n'));
            }
        static const QRegularExpression clip_number(QStringLiteral("^Q(\\d+)"));
        const QDir transcripts(QStringLiteral(PARVOLIS_SOURCE_DIR "/content/transcripts"));
        for (const QFileInfo& file : transcripts.entryInfoList({QStringLiteral("*.txt")})) {
            QFile transcript(file.filePath());
            QVERIFY(transcript.open(QIODevice::ReadOnly));
            const page* owner =
                question_by_number(*shipped, clip_number.match(file.fileName()).captured(1).toInt()).page;
            QVERIFY2(owner, qPrintable(file.fileName()));
            const QString segments = QString::fromUtf8(transcript.readAll());
            texts[owner] += QLatin1Char('\n') + QString(segments).remove(QStringLiteral("H:")).remove(QStringLiteral("F:"));
        }
        for (QString& text : texts)
            text.remove(QRegularExpression(QStringLiteral("[ \\t\\r]")));

        static const QRegularExpression sentence_end(QStringLiteral("[\\n。！？!?；…]|问："));
        for (auto a = texts.cbegin(); a != texts.cend(); ++a)
            for (const QString& sentence : a.value().split(sentence_end, Qt::SkipEmptyParts)) {
                if (sentence.size() < 6)
                    continue;
                for (auto b = texts.cbegin(); b != texts.cend(); ++b)
                    QVERIFY2(b == a || !b.value().contains(sentence),
                             qPrintable(tab_caption(*a.key()) + QStringLiteral(" and ") + tab_caption(*b.key())
                                        + QStringLiteral(": ") + sentence));
            }
    }

    // Chinese text takes full-width punctuation: an ASCII mark after a Chinese
    // character (or after a full-width mark or quote) is a typing slip.
    void punctuation_after_chinese_is_full_width()
    {
        static const QRegularExpression slip(
            QStringLiteral("[\\p{Han}\\x{3000}-\\x{303F}\\x{FF00}-\\x{FFEF}“”‘’] *[,.!?:;()\"']"));
        for (int s = 1; s <= 3; ++s)
            for (const page& p : shipped->pages(s)) {
                for (const QString& line : p.texte)
                    QVERIFY2(!line.contains(slip), qPrintable(tab_caption(p) + QStringLiteral(": ") + line));
                for (const question& q : p.questions) {
                    QStringList texts(q.options.begin(), q.options.end());
                    texts << q.enonce;
                    for (const QString& text : texts)
                        QVERIFY2(!text.contains(slip), qPrintable(QStringLiteral("question %1: ").arg(q.numero) + text));
                }
            }
    }

    // A candidate who picks the longest option must not do better than by
    // chance: among the questions with text options, the keyed option is the
    // one strictly longer than the three others in at most a quarter of them.
    // The key is the one the program writes at start-up.
    void key_seldom_the_longest_option()
    {
        engine_recorder window;
        engine test(window);
        test.form_create();
        int questions = 0;
        QStringList longest;
        for (int s = 1; s <= 3; ++s)
            for (const page& p : shipped->pages(s))
                for (const question& q : p.questions) {
                    if (p.genre == genre::ecoute_image)
                        continue;
                    ++questions;
                    const auto length = [&](int i) { return QString(q.options[static_cast<size_t>(i)]).remove(u' ').size(); };
                    const int key = test.state().solution[q.numero] - 1;
                    bool strictly = true;
                    for (int i = 0; i < 4; ++i)
                        strictly = strictly && (i == key || length(i) < length(key));
                    if (strictly)
                        longest << QString::number(q.numero);
                }
        QCOMPARE(questions, 125);
        QVERIFY2(longest.size() * 4 <= questions, qPrintable(QStringLiteral("the key is the longest option in questions ")
                                                             + longest.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(test_content_shipped)
#include "test_content_shipped.moc"
