// The catalogue and pictures of every paper built into the program: they
// load, have the examination's counts, and hold real, distinct texts that do
// not give each other away, within a paper or across papers, typeset as
// Chinese, with no answer betrayed by its length or by the shape of the key.

#include "catalogue_lookup.h"
#include "content/catalogue.h"
#include "engine/engine.h"
#include "engine/papers.h"
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

// One row per paper of the program, by its number.
void paper_rows()
{
    QTest::addColumn<int>("paper");
    for (const paper_info& p : paper_table())
        QTest::newRow(qPrintable(QStringLiteral("épreuve %1").arg(p.numero))) << p.numero;
}

const paper_info& paper_of(int numero) { return paper_table().at(static_cast<std::size_t>(numero - 1)); }

// Each page's texts and transcripts as one text, segments on lines of their
// own, blanks removed. The questions asked about what was read or heard (a
// reading stem, a recording's "问：" line) are left out when `asked` is false.
QHash<const page*, QString> page_texts(const catalogue& paper, bool asked)
{
    QHash<const page*, QString> texts;
    for (int s = 1; s <= 3; ++s)
        for (const page& p : paper.pages(s)) {
            QStringList pieces{p.texte.join(QString())};
            for (const question& q : p.questions)
                pieces << (asked || p.genre != genre::lecture ? q.enonce : QString())
                       << QStringList(q.options.begin(), q.options.end());
            texts[&p] = pieces.join(QLatin1Char('\n'));
        }
    static const QRegularExpression clip_number(QStringLiteral("^Q(\\d+)"));
    const QDir transcripts(QStringLiteral(PARVOLIS_SOURCE_DIR "/content/") + paper.dossier() + QStringLiteral("/transcripts"));
    for (const QFileInfo& file : transcripts.entryInfoList({QStringLiteral("*.txt")})) {
        QFile transcript(file.filePath());
        if (!transcript.open(QIODevice::ReadOnly))
            QTest::qFail(qPrintable(file.filePath()), __FILE__, __LINE__);
        const page* owner = question_by_number(paper, clip_number.match(file.fileName()).captured(1).toInt()).page;
        if (!owner) {
            QTest::qFail(qPrintable(file.filePath()), __FILE__, __LINE__);
            continue;
        }
        QStringList segments = QString::fromUtf8(transcript.readAll()).split(QLatin1Char('\n'));
        if (!asked)
            segments.removeIf([](const QString& line) { return line.contains(QStringLiteral("问：")); });
        texts[owner] += QLatin1Char('\n') + segments.join(QLatin1Char('\n')).remove(QStringLiteral("H:")).remove(QStringLiteral("F:"));
    }
    for (QString& text : texts)
        text.remove(QRegularExpression(QStringLiteral("[ \\t\\r]")));
    return texts;
}

// The sentences of a text, of six characters or more.
QStringList long_sentences(const QString& text)
{
    static const QRegularExpression sentence_end(QStringLiteral("[\\n。！？!?；…]|问："));
    QStringList sentences = text.split(sentence_end, Qt::SkipEmptyParts);
    sentences.removeIf([](const QString& sentence) { return sentence.size() < 6; });
    return sentences;
}

} // namespace

class test_content_shipped : public QObject {
    Q_OBJECT

    std::vector<catalogue> papers; // by number, from 1
    std::optional<catalogue> shipped; // the one of the row being tested

    void take_row()
    {
        QFETCH(int, paper);
        shipped.emplace(papers.at(static_cast<std::size_t>(paper - 1)));
    }

private slots:
    void initTestCase()
    {
        register_standard_picture_formats();
        for (const paper_info& p : paper_table()) {
            try {
                papers.push_back(catalogue::load(p.dossier));
            } catch (const AppError& error) {
                QFAIL(qPrintable(error.kind() + QStringLiteral(": ") + error.message()));
            }
        }
    }

    // Every paper's folder under content/ is a paper of the program.
    void every_paper_folder_is_a_paper()
    {
        QStringList folders = QDir(QStringLiteral(PARVOLIS_SOURCE_DIR "/content")).entryList({QStringLiteral("epreuve*")}, QDir::Dirs);
        QStringList table;
        for (const paper_info& p : paper_table())
            if (p.numero > 1)
                table << p.dossier;
        QCOMPARE(folders, table);
        for (const paper_info& p : paper_table())
            QCOMPARE(p.dossier.isEmpty(), p.numero == 1);
    }

    void counts_data() { paper_rows(); }
    void counts()
    {
        take_row();
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

    void pictures_data() { paper_rows(); }
    void pictures()
    {
        take_row();
        QSet<QString> names;
        for (const page& p : shipped->pages(1))
            for (const question& q : p.questions) {
                if (p.genre != genre::ecoute_image)
                    continue;
                names.insert(q.image);
                const picture strip = load_picture_record(q.image, picture_folder(p));
                QCOMPARE(strip.kind(), QStringLiteral("TJPEGImage"));
                QVERIFY2(strip.width() >= 591 && strip.width() <= 607, qPrintable(q.image));
                QVERIFY2(strip.height() >= 142 && strip.height() <= 153, qPrintable(q.image));
                QCOMPARE(strip.decode().size(), strip.size());
                QVERIFY2(!picture_alternative(q).isEmpty(), qPrintable(q.image));
            }
        QCOMPARE(names.size(), 15);
    }

    void texts_are_real_and_distinct_data() { paper_rows(); }
    void texts_are_real_and_distinct()
    {
        take_row();
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
    void no_sentence_shared_between_pages_data() { paper_rows(); }
    void no_sentence_shared_between_pages()
    {
        take_row();
        const QHash<const page*, QString> texts = page_texts(*shipped, true);
        for (auto a = texts.cbegin(); a != texts.cend(); ++a)
            for (const QString& sentence : long_sentences(a.value()))
                for (auto b = texts.cbegin(); b != texts.cend(); ++b)
                    QVERIFY2(b == a || !b.value().contains(sentence),
                             qPrintable(tab_caption(*a.key()) + QStringLiteral(" and ") + tab_caption(*b.key())
                                        + QStringLiteral(": ") + sentence));
    }

    // Nor does a sentence of one paper appear in another paper, the
    // questions asked about what was read or heard aside.
    void no_sentence_shared_between_papers()
    {
        for (std::size_t i = 0; i < papers.size(); ++i)
            for (std::size_t j = i + 1; j < papers.size(); ++j) {
                const QHash<const page*, QString> earlier = page_texts(papers[i], false);
                const QHash<const page*, QString> later = page_texts(papers[j], false);
                for (auto a = earlier.cbegin(); a != earlier.cend(); ++a)
                    for (const QString& sentence : long_sentences(a.value()))
                        for (auto b = later.cbegin(); b != later.cend(); ++b)
                            QVERIFY2(!b.value().contains(sentence),
                                     qPrintable(QStringLiteral("épreuve %1 %2 and épreuve %3 %4: %5")
                                                    .arg(i + 1).arg(tab_caption(*a.key())).arg(j + 1)
                                                    .arg(tab_caption(*b.key()), sentence)));
            }
    }

    // Chinese text takes full-width punctuation: an ASCII mark after a Chinese
    // character (or after a full-width mark or quote) is a typing slip.
    void punctuation_after_chinese_is_full_width_data() { paper_rows(); }
    void punctuation_after_chinese_is_full_width()
    {
        take_row();
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
    // The key is the one the program writes for the paper.
    void key_seldom_the_longest_option_data() { paper_rows(); }
    void key_seldom_the_longest_option()
    {
        take_row();
        QFETCH(int, paper);
        engine_recorder window;
        engine test(window);
        test.form_create();
        if (paper > 1)
            test.write_key(paper_of(paper).cle);
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

    // The papers after the first have keys that look random, with nothing a
    // candidate could play: each letter 33 to 37 times, the same letter twice
    // running in 20 to 30 % of the neighbouring pairs, some runs of three.
    void later_keys_look_random()
    {
        for (const paper_info& p : paper_table()) {
            if (p.numero == 1)
                continue;
            const QString key = QString::fromLatin1(p.cle);
            QCOMPARE(int(key.size()), question_count);
            for (QChar letter : QStringLiteral("ABCD")) {
                const auto count = key.count(letter);
                QVERIFY2(count >= 33 && count <= 37, qPrintable(QStringLiteral("épreuve %1: %2 × %3").arg(p.numero).arg(count).arg(letter)));
            }
            int repeats = 0, runs_of_three = 0, run = 1;
            for (int q = 1; q < question_count; ++q) {
                run = key[q] == key[q - 1] ? run + 1 : 1;
                repeats += run > 1 ? 1 : 0;
                runs_of_three += run == 3 ? 1 : 0;
            }
            const int pairs = question_count - 1;
            QVERIFY2(repeats * 10 >= pairs * 2 && repeats * 10 <= pairs * 3,
                     qPrintable(QStringLiteral("épreuve %1: %2 repeats").arg(p.numero).arg(repeats)));
            QVERIFY2(runs_of_three >= 3, qPrintable(QStringLiteral("épreuve %1: %2 runs of three").arg(p.numero).arg(runs_of_three)));
        }
    }
};

QTEST_GUILESS_MAIN(test_content_shipped)
#include "test_content_shipped.moc"
