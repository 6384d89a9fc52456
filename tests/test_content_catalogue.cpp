// The catalogue model on a made-up catalogue: what it answers, and one
// refused input per rule of the format.

#include "catalogue_lookup.h"
#include "catalogue_fixture.h"
#include "content/catalogue.h"
#include "platform/app_error.h"
#include "platform/picture_formats.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

catalogue load(const catalogue_fixture& fixture, const QTemporaryDir& dir)
{
    const auto paths = fixture.write(dir.path());
    return catalogue::load_files(paths[0], paths[1], paths[2]);
}

struct bad_input {
    const char* name;
    int section;  // the file that must be named
    const char* where;
    const char* what;
    std::function<void(catalogue_fixture&)> spoil;
};

QJsonObject& add(QJsonObject& object, const char* key, const QJsonValue& value)
{
    object[QLatin1String(key)] = value;
    return object;
}

void remove(QJsonObject& object, const char* key)
{
    object.remove(QLatin1String(key));
}

void set_option(catalogue_fixture& f, int section, int page, int question, int letter, const QJsonValue& value)
{
    f.edit_question(section, page, question, [&](QJsonObject& q) {
        QJsonArray options = q[QLatin1String("options")].toArray();
        options[letter] = value;
        q[QLatin1String("options")] = options;
    });
}

void set_passage_line(catalogue_fixture& f, int section, int page, int line, const QString& text)
{
    f.edit_page(section, page, [&](QJsonObject& p) {
        QJsonArray lines = p[QLatin1String("texte")].toArray();
        lines[line] = text;
        p[QLatin1String("texte")] = lines;
    });
}

void replace_in_file(catalogue_fixture& f, int section, const QByteArray& from, const QByteArray& to)
{
    QByteArray text = f.json(section);
    const auto at = text.indexOf(from);
    text.replace(at, from.size(), to);
    f.raw[static_cast<size_t>(section - 1)] = text;
}

QJsonArray lines(int count, const QString& text)
{
    QJsonArray result;
    for (int i = 0; i < count; ++i)
        result.append(text);
    return result;
}

const std::vector<bad_input>& bad_inputs()
{
    using F = catalogue_fixture;
    static const std::vector<bad_input> cases = {
        // Files and syntax
        {"invalid UTF-8", 2, "section2.json", "invalid UTF-8 at byte",
         [](F& f) { replace_in_file(f, 2, "学生", "\xE5\xAD"); }},
        {"overlong UTF-8", 1, "section1.json", "invalid UTF-8 at byte 0",
         [](F& f) { f.raw[0] = "\xC0\xBB" + f.json(1); }},
        {"invalid JSON", 3, "section3.json", "invalid JSON at byte",
         [](F& f) { f.raw[2] = f.json(3) + ","; }},
        {"key written twice", 1, "section1.json", "\"numero\" written twice",
         [](F& f) { replace_in_file(f, 1, "\"numero\": 16", "\"numero\": 16, \"numero\": 17"); }},
        {"not an object", 2, "section2.json", "one JSON object", [](F& f) { f.raw[1] = "[]"; }},
        {"unknown top-level key", 1, "section1.json", "unknown key \"titre\"",
         [](F& f) { add(f.sections[0], "titre", "x"); }},
        {"wrong section number", 2, "section2.json", "\"section\" must be 2",
         [](F& f) { add(f.sections[1], "section", 3); }},
        // Page structure
        {"44 pages in section 1", 1, "section1.json", "44 pages where section 1 has 45",
         [](F& f) { f.edit_pages(1, [](QJsonArray& p) { p.removeLast(); }); }},
        {"41 pages in section 2", 2, "section2.json", "41 pages where section 2 has 40",
         [](F& f) { f.edit_pages(2, [](QJsonArray& p) { p.append(p.last()); }); }},
        {"pages not a list", 3, "section3.json", "\"pages\" must be a list",
         [](F& f) { add(f.sections[2], "pages", 13); }},
        {"page not an object", 2, "page 3 (Question 53)", "must be a JSON object",
         [](F& f) { f.edit_pages(2, [](QJsonArray& p) { p[2] = 53; }); }},
        {"unknown page key", 3, "page 2 (Questions 94-98)", "unknown key \"text\"",
         [](F& f) { f.edit_page(3, 1, [](QJsonObject& p) { add(p, "text", "x"); }); }},
        {"unknown kind", 1, "page 1 (Question 1)", "unknown page kind \"ecoute_images\"",
         [](F& f) { f.edit_page(1, 0, [](QJsonObject& p) { add(p, "genre", "ecoute_images"); }); }},
        {"kind out of place", 1, "page 16 (Question 16)", "\"ecoute_simple\" where \"ecoute_hf\"",
         [](F& f) { f.edit_page(1, 15, [](QJsonObject& p) { add(p, "genre", "ecoute_simple"); }); }},
        {"kind of section 2 in section 3", 3, "page 5 (Question 111)", "\"phrase_a_trou\" where \"lecture\"",
         [](F& f) { f.edit_page(3, 4, [](QJsonObject& p) { add(p, "genre", "phrase_a_trou"); }); }},
        {"questions not a list", 1, "page 17 (Question 17)", "\"questions\" must be a list",
         [](F& f) { f.edit_page(1, 16, [](QJsonObject& p) { add(p, "questions", QJsonObject()); }); }},
        {"group of two where three", 1, "page 43 (Questions 43-45)", "2 questions where the page has 3",
         [](F& f) {
             f.edit_page(1, 42, [](QJsonObject& p) {
                 QJsonArray q = p[QLatin1String("questions")].toArray();
                 q.removeLast();
                 add(p, "questions", q);
             });
         }},
        {"wrong number", 1, "page 16 (Question 16)", "question 17 where question 16 is expected",
         [](F& f) { f.edit_question(1, 15, 0, [](QJsonObject& q) { add(q, "numero", 17); }); }},
        {"numbers out of order", 1, "page 44 (Questions 46-48)", "question 48 where question 47",
         [](F& f) { f.edit_question(1, 43, 1, [](QJsonObject& q) { add(q, "numero", 48); }); }},
        {"fractional number", 2, "page 1 (Question 51)", "needs its number",
         [](F& f) { f.edit_question(2, 0, 0, [](QJsonObject& q) { add(q, "numero", 51.5); }); }},
        {"number as text", 2, "page 2 (Question 52)", "needs its number",
         [](F& f) { f.edit_question(2, 1, 0, [](QJsonObject& q) { add(q, "numero", "52"); }); }},
        {"question not an object", 3, "page 6 (Questions 112-113)", "question 113 must be a JSON object",
         [](F& f) {
             f.edit_page(3, 5, [](QJsonObject& p) {
                 QJsonArray q = p[QLatin1String("questions")].toArray();
                 q[1] = 113;
                 add(p, "questions", q);
             });
         }},
        {"unknown question key", 1, "question 20", "unknown key \"option\"",
         [](F& f) { f.edit_question(1, 19, 0, [](QJsonObject& q) { add(q, "option", "x"); }); }},
        // Options
        {"three options", 1, "question 31", "list of four texts",
         [](F& f) {
             f.edit_question(1, 30, 0, [](QJsonObject& q) {
                 QJsonArray o = q[QLatin1String("options")].toArray();
                 o.removeLast();
                 add(q, "options", o);
             });
         }},
        {"options missing", 2, "question 51", "list of four texts",
         [](F& f) { f.edit_question(2, 0, 0, [](QJsonObject& q) { remove(q, "options"); }); }},
        {"option of 17 characters", 1, "question 44", "option C has 17 characters, 1 to 16 allowed",
         [](F& f) { set_option(f, 1, 42, 1, 2, QStringLiteral("一二三四五六七八九十一二三四五六七")); }},
        {"empty option", 3, "question 92", "option A has 0 characters",
         [](F& f) { set_option(f, 3, 0, 1, 0, QString()); }},
        {"option not a text", 2, "question 60", "option D must be a text",
         [](F& f) { set_option(f, 2, 9, 0, 3, 4); }},
        {"option with a control character", 1, "question 17", "option B holds a control character",
         [](F& f) { set_option(f, 1, 16, 0, 1, QStringLiteral("苹\n果")); }},
        {"option with a leading space", 2, "question 75", "option A begins or ends with white space",
         [](F& f) { set_option(f, 2, 24, 0, 0, QStringLiteral(" 去")); }},
        {"options on ecoute_image", 1, "question 5", "no option texts",
         [](F& f) { f.edit_question(1, 4, 0, [](QJsonObject& q) { add(q, "options", F::options_for(5)); }); }},
        // Stems
        {"stem on phrase_correcte", 2, "question 55", "stem (\"enonce\") belongs only",
         [](F& f) { f.edit_question(2, 4, 0, [](QJsonObject& q) { add(q, "enonce", "我是学生吗？你呢？"); }); }},
        {"stem missing on lecture", 3, "question 111", "stem (\"enonce\") must be a text",
         [](F& f) { f.edit_question(3, 4, 0, [](QJsonObject& q) { remove(q, "enonce"); }); }},
        {"stem of 6 characters", 2, "question 80", "the stem has 6 characters, 7 to 23 allowed",
         [](F& f) { f.edit_question(2, 29, 0, [](QJsonObject& q) { add(q, "enonce", "我＿去学校。"); }); }},
        {"stem of 24 characters", 3, "question 140", "the stem has 24 characters",
         [](F& f) {
             f.edit_question(3, 12, 4, [](QJsonObject& q) { add(q, "enonce", "一二三四五六七八九十一二三四五六七八九十一二三？"); });
         }},
        {"gap stem without a blank", 2, "question 71", "0 blanks",
         [](F& f) { f.edit_question(2, 20, 0, [](QJsonObject& q) { add(q, "enonce", "我明天去学校上课。"); }); }},
        {"gap stem with three blanks", 2, "question 72", "3 blanks",
         [](F& f) { f.edit_question(2, 21, 0, [](QJsonObject& q) { add(q, "enonce", "我＿明天＿去＿学校。"); }); }},
        {"gap stem ending badly", 2, "question 73", "must end with \"。\", \"？\" or \"?\"",
         [](F& f) { f.edit_question(2, 22, 0, [](QJsonObject& q) { add(q, "enonce", "我明天＿学校上课！"); }); }},
        {"one word for two blanks", 2, "question 90", "option B must hold two words",
         [](F& f) { set_option(f, 2, 39, 0, 1, QStringLiteral("没也")); }},
        {"reading stem ending badly", 3, "question 123", "must end with \"：\", \"？\" or \"?\"",
         [](F& f) { f.edit_question(3, 9, 0, [](QJsonObject& q) { add(q, "enonce", "他们星期天去了动物园。"); }); }},
        // Passages
        {"passage on ecoute_hf", 1, "page 18 (Question 18)", "passage (\"texte\") belongs only",
         [](F& f) { f.edit_page(1, 17, [](QJsonObject& p) { add(p, "texte", lines(2, "我们去公园。")); }); }},
        {"passage missing on lecture", 3, "page 13 (Questions 136-140)", "must be a list of lines",
         [](F& f) { f.edit_page(3, 12, [](QJsonObject& p) { remove(p, "texte"); }); }},
        {"passage of one line", 3, "page 7 (Questions 114-115)", "1 lines, 2 to 18 allowed",
         [](F& f) { f.edit_page(3, 6, [](QJsonObject& p) { add(p, "texte", lines(1, "我们去公园。")); }); }},
        {"passage of 19 lines", 3, "page 8 (Questions 116-118)", "19 lines, 2 to 18 allowed",
         [](F& f) { f.edit_page(3, 7, [](QJsonObject& p) { add(p, "texte", lines(19, "我们去公园。")); }); }},
        {"passage line not a text", 3, "page 9 (Questions 119-122)", "passage line 2 must be a text",
         [](F& f) { f.edit_page(3, 8, [](QJsonObject& p) { add(p, "texte", QJsonArray{"我们去公园。", 2}); }); }},
        {"passage line of 42 characters", 3, "page 1 (Questions 91-93)", "passage line 3 has 42 characters of text",
         [](F& f) { set_passage_line(f, 3, 0, 2, QStringLiteral("    92") + QString(40, QChar(0x5F88))); }},
        {"91 leading spaces", 3, "page 10 (Questions 123-126)", "passage line 3 starts with 91 spaces",
         [](F& f) { set_passage_line(f, 3, 9, 2, QString(91, u' ') + QStringLiteral("王小明")); }},
        {"passage with a tab", 3, "page 11 (Questions 127-130)", "passage line 2 holds a control character",
         [](F& f) { set_passage_line(f, 3, 10, 1, QStringLiteral("\t他们中午在饭馆吃饭。")); }},
        {"blank not marked", 3, "page 2 (Questions 94-98)", "does not mark blank 96",
         [](F& f) { set_passage_line(f, 3, 1, 3, QStringLiteral("我们很高兴，下午三点回家。")); }},
        {"blank inside a longer number", 3, "page 4 (Questions 105-110)", "does not mark blank 107",
         [](F& f) { set_passage_line(f, 3, 3, 3, QStringLiteral("我们1070很高兴。")); }},
        // Pictures
        {"picture on ecoute_hf", 1, "question 21", "picture (\"image\") belongs only",
         [](F& f) { f.edit_question(1, 20, 0, [](QJsonObject& q) { add(q, "image", "Q01"); }); }},
        {"picture missing", 1, "question 2", "must be a record name",
         [](F& f) { f.edit_question(1, 1, 0, [](QJsonObject& q) { remove(q, "image"); }); }},
        {"picture record absent", 1, "question 3", "Picture record \"Q03\": cannot read",
         [](F& f) { f.pictures.erase(QStringLiteral("Q03")); }},
        {"picture name with a path", 1, "question 4", "Picture record \"../Q04\": invalid record name",
         [](F& f) { f.edit_question(1, 3, 0, [](QJsonObject& q) { add(q, "image", "../Q04"); }); }},
        {"picture record not JPEG", 1, "question 15", "Picture record \"Q15\": Invalid JPEG data",
         [](F& f) { f.pictures[QStringLiteral("Q15")] = write_picture_record(QStringLiteral("TJPEGImage"), "GIF89a"); }},
        {"drawing descriptions missing", 1, "question 6", "\"dessins\" must be a list of four descriptions",
         [](F& f) { f.edit_question(1, 5, 0, [](QJsonObject& q) { remove(q, "dessins"); }); }},
        {"three drawing descriptions", 1, "question 7", "list of four descriptions",
         [](F& f) {
             f.edit_question(1, 6, 0, [](QJsonObject& q) { add(q, "dessins", QJsonArray{"Un chat", "Un chien", "Un vélo"}); });
         }},
        {"drawing description too short", 1, "question 8", "the description of drawing C has 2 characters",
         [](F& f) {
             f.edit_question(1, 7, 0,
                             [](QJsonObject& q) { add(q, "dessins", QJsonArray{"Un chat", "Un chien", "Ab", "Un vélo"}); });
         }},
        {"drawing descriptions on ecoute_simple", 1, "question 31", "(\"dessins\") belong only",
         [](F& f) { f.edit_question(1, 30, 0, [](QJsonObject& q) { add(q, "dessins", F::drawings_for(31)); }); }},
        {"picture record that does not decode", 1, "question 6",
         "Picture record \"Q06\": Invalid JPEG data: unsupported colour space", [](F& f) {
             QFile cmyk(QStringLiteral(PARVOLIS_SOURCE_DIR "/tests/fuzz/regressions/jpeg/cmyk.jpg"));
             cmyk.open(QIODevice::ReadOnly);
             f.pictures[QStringLiteral("Q06")] = write_picture_record(QStringLiteral("TJPEGImage"), cmyk.readAll());
         }},
        {"picture record of unknown kind", 1, "question 9", "unknown picture kind \"TBitmap\"",
         [](F& f) { f.pictures[QStringLiteral("Q09")] = write_picture_record(QStringLiteral("TBitmap"), "BM"); }},
    };
    return cases;
}

} // namespace

class test_content_catalogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_standard_picture_formats(); }

    void model_answers_on_the_fixture()
    {
        QTemporaryDir dir;
        const catalogue_fixture fixture;
        const catalogue c = load(fixture, dir);

        QCOMPARE(c.pages(1).size(), 45u);
        QCOMPARE(c.pages(2).size(), 40u);
        QCOMPARE(c.pages(3).size(), 13u);
        QVERIFY(c.pages(0).empty());
        QVERIFY(c.pages(4).empty());

        int expected = 1;
        for (int s = 1; s <= 3; ++s)
            for (const page& p : c.pages(s)) {
                QCOMPARE(p.section, s);
                for (const question& q : p.questions) {
                    QCOMPARE(q.numero, expected++);
                    const auto found = question_by_number(c, q.numero);
                    QCOMPARE(found.question, &q);
                    QCOMPARE(found.page, &p);
                }
            }
        QCOMPARE(expected, 141);
        QVERIFY(!question_by_number(c, 0).question && !question_by_number(c, 0).page);
        QVERIFY(!question_by_number(c, 141).question && !question_by_number(c, 141).page);

        // Texts as written, by kind.
        const page& picture_page = c.pages(1)[6];
        QCOMPARE(picture_page.genre, genre::ecoute_image);
        QCOMPARE(picture_page.questions[0].image, QStringLiteral("Q07"));
        QVERIFY(picture_page.questions[0].options[0].isEmpty());
        QVERIFY(picture_page.texte.isEmpty());
        QCOMPARE(picture_alternative(picture_page.questions[0]),
                 QStringLiteral("A : Une horloge qui indique 7 h. B : Un vélo. C : Un chat. D : Trois pommes."));

        const question* q44 = question_by_number(c, 44).question;
        QCOMPARE(question_by_number(c, 44).page->genre, genre::ecoute_groupe);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(q44->options[static_cast<size_t>(k)], catalogue_fixture::options_for(44)[k].toString());
        QVERIFY(q44->enonce.isEmpty() && q44->image.isEmpty() && picture_alternative(*q44).isEmpty());

        QCOMPARE(question_by_number(c, 71).question->enonce, catalogue_fixture::gap_stem(71));
        QCOMPARE(question_by_number(c, 90).question->enonce, catalogue_fixture::two_gap_stem(90));
        QCOMPARE(question_by_number(c, 90).question->options[1], QStringLiteral("没 也"));
        QCOMPARE(question_by_number(c, 130).question->enonce, catalogue_fixture::reading_stem(130));

        const page& letter = *question_by_number(c, 111).page;
        QCOMPARE(letter.genre, genre::lecture);
        QCOMPARE(letter.texte.size(), 3);
        QCOMPARE(letter.texte[0], QStringLiteral("    王老师111号星期天和家人去了动物园。"));
        QCOMPARE(letter.texte[2], QString(40, u' ') + QStringLiteral("王小明"));
        QCOMPARE(question_by_number(c, 95).page->texte.size(), 6);
    }

    void captions_and_clip_names()
    {
        QTemporaryDir dir;
        const catalogue c = load(catalogue_fixture(), dir);

        QCOMPARE(tab_caption(c.pages(1)[0]), QStringLiteral("Question 1"));
        QCOMPARE(tab_caption(c.pages(1)[42]), QStringLiteral("Questions 43-45"));
        QCOMPARE(tab_caption(c.pages(1)[44]), QStringLiteral("Questions 49-50"));
        QCOMPARE(tab_caption(c.pages(2)[39]), QStringLiteral("Question 90"));
        QCOMPARE(tab_caption(c.pages(3)[4]), QStringLiteral("Question 111"));
        QCOMPARE(tab_caption(c.pages(3)[5]), QStringLiteral("Questions 112-113"));
        QCOMPARE(tab_caption(c.pages(3)[3]), QStringLiteral("Questions 105-110"));
        QCOMPARE(sub_page_caption(c.pages(3)[0].questions[0]), QStringLiteral("Question 91"));

        QCOMPARE(option_caption(genre::ecoute_image, 0, QString()), QStringLiteral("A"));
        QCOMPARE(option_caption(genre::ecoute_image, 3, QString()), QStringLiteral("D"));
        QCOMPARE(option_caption(genre::texte_a_trous, 0, QStringLiteral("足球迷")), QStringLiteral("A.足球迷"));
        QCOMPARE(option_caption(genre::ecoute_hf, 0, QStringLiteral("排球")), QStringLiteral("A. 排球"));
        QCOMPARE(option_caption(genre::lecture, 2, QStringLiteral("2个")), QStringLiteral("C. 2个"));
        QCOMPARE(option_caption(genre::phrase_correcte, 4, QStringLiteral("x")), QString());

        // A gap is read in its sentence, which may run over the passage's
        // hand-broken lines, up to its closing quote; other questions by their stem.
        page gaps{3, genre::texte_a_trous, {{91, {}, {}, {}, {}}, {92, {}, {}, {}, {}}, {96, {}, {}, {}, {}}}, {}, {}};
        gaps.texte = {QStringLiteral("    我是中学生，喜欢91。每个星期六，"), QStringLiteral("我们去92踢球。"),
                      QStringLiteral("她说：“妈妈96红色。”")};
        QCOMPARE(question_prompt(gaps, gaps.questions[0]), QStringLiteral("我是中学生，喜欢91。"));
        QCOMPARE(question_prompt(gaps, gaps.questions[1]), QStringLiteral("每个星期六，我们去92踢球。"));
        QCOMPARE(question_prompt(gaps, gaps.questions[2]), QStringLiteral("她说：“妈妈96红色。”"));
        QCOMPARE(question_prompt(c.pages(3)[4], c.pages(3)[4].questions[0]), c.pages(3)[4].questions[0].enonce);

        QCOMPARE(clip_names(genre::ecoute_image, 5), QStringList({"Q05_h.mp3", "Q05_f.mp3"}));
        QCOMPARE(clip_names(genre::ecoute_hf, 16), QStringList({"Q16_h.mp3", "Q16_f.mp3"}));
        QCOMPARE(clip_names(genre::ecoute_simple, 31), QStringList({"Q31.mp3"}));
        QCOMPARE(clip_names(genre::ecoute_groupe, 43), QStringList({"Q43.mp3"}));
        QVERIFY(clip_names(genre::phrase_correcte, 51).isEmpty());
        QVERIFY(clip_names(genre::lecture, 111).isEmpty());
        QCOMPARE(shared_clip_name(c.pages(1)[42]), QStringLiteral("Q43-45.mp3"));
        QCOMPARE(shared_clip_name(c.pages(1)[43]), QStringLiteral("Q46-48.mp3"));
        QCOMPARE(shared_clip_name(c.pages(1)[44]), QStringLiteral("Q49-50.mp3"));
        QVERIFY(shared_clip_name(c.pages(1)[41]).isEmpty());

        // Every clip of the test, each named once: 83 in section 1, none elsewhere.
        QSet<QString> clips;
        int players = 0;
        for (int s = 1; s <= 3; ++s)
            for (const page& p : c.pages(s)) {
                const QStringList names = clips_of(p);
                QVERIFY(s == 1 || names.isEmpty());
                players += static_cast<int>(names.size());
                clips.unite(QSet<QString>(names.begin(), names.end()));
            }
        QCOMPARE(players, 83);
        QCOMPARE(clips.size(), 83);
    }

    // Lengths are counted in code points, limits are inclusive.
    void limits_are_accepted()
    {
        catalogue_fixture f;
        const QString sixteen = QStringLiteral("𠀀一二三四五六七八九十一二三四五"); // one outside the BMP
        set_option(f, 1, 20, 0, 0, sixteen);
        set_option(f, 2, 0, 0, 1, QStringLiteral("好"));
        f.edit_question(3, 5, 0, [](QJsonObject& q) { add(q, "enonce", "一二三四五六？"); });
        f.edit_question(2, 30, 0, [](QJsonObject& q) { add(q, "enonce", "𠀀二三四五六七八九十一二三四五六七八九十一＿?"); });
        set_passage_line(f, 3, 6, 1, QString(90, u' ') + QString(41, QChar(0x5F88)));
        f.edit_page(3, 7, [](QJsonObject& p) { add(p, "texte", lines(18, "我们去公园。")); });
        QTemporaryDir dir;
        const catalogue c = load(f, dir);
        QCOMPARE(question_by_number(c, 21).question->options[0], sixteen);
        QCOMPARE(question_by_number(c, 116).page->texte.size(), 18);
    }

    void bad_input_is_refused_data()
    {
        QTest::addColumn<int>("index");
        const auto& cases = bad_inputs();
        for (size_t i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].name) << static_cast<int>(i);
    }

    void bad_input_is_refused()
    {
        QFETCH(int, index);
        const bad_input& bad = bad_inputs()[static_cast<size_t>(index)];
        catalogue_fixture fixture;
        bad.spoil(fixture);

        AppError error({}, {});
        QTemporaryDir dir;
        const auto paths = fixture.write(dir.path());
        try {
            catalogue::load_files(paths[0], paths[1], paths[2]);
        } catch (const AppError& e) {
            error = e;
        }
        QCOMPARE(error.kind(), QStringLiteral("ECatalogueError"));
        const QString message = error.message();
        QVERIFY2(message.contains(catalogue_fixture::file_name(bad.section)), qPrintable(message));
        QVERIFY2(message.contains(QString::fromUtf8(bad.where)), qPrintable(message));
        QVERIFY2(message.contains(QString::fromUtf8(bad.what)), qPrintable(message));
    }

    void unreadable_file_is_refused()
    {
        QTemporaryDir dir;
        const auto paths = catalogue_fixture().write(dir.path());
        QFile::remove(paths[2]);
        QString message;
        try {
            catalogue::load_files(paths[0], paths[1], paths[2]);
        } catch (const AppError& e) {
            message = e.message();
        }
        QVERIFY2(message.startsWith(paths[2] + QStringLiteral(": cannot be read")), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(test_content_catalogue)
#include "test_content_catalogue.moc"
