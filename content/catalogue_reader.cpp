#include "content/catalogue_reader.h"

#include "content/catalogue_layout.h"
#include "content/picture_record.h"
#include "content/strict_json.h"
#include "platform/app_error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

constexpr QChar blank(0xFF3F); // FULLWIDTH LOW LINE
constexpr int option_count = 4;
constexpr int shortest_option = 1, longest_option = 16;
constexpr int shortest_stem = 7, longest_stem = 23;
constexpr int shortest_drawing = 3, longest_drawing = 80;
constexpr int fewest_lines = 2, most_lines = 18;
constexpr int longest_line = 41, most_leading_spaces = 90;

qsizetype code_points(const QString& text)
{
    return text.toUcs4().size();
}

std::optional<int> as_integer(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::trunc(number) || std::fabs(number) > 1e9)
        return std::nullopt;
    return static_cast<int>(number);
}

bool has_stem(genre g)
{
    return g == genre::phrase_a_trou || g == genre::lecture;
}

bool has_passage(genre g)
{
    return g == genre::texte_a_trous || g == genre::lecture;
}

class section_reader {
public:
    section_reader(int section, const QString& path, const QString& images_folder)
        : section_(section), file_(path), images_folder_(images_folder), where_(path)
    {
    }

    std::vector<page> read()
    {
        const QJsonObject root = read_root();
        const auto& plans = catalogue_layout()[static_cast<size_t>(section_ - 1)];
        const QJsonValue pages_value = root.value(QLatin1String("pages"));
        if (!pages_value.isArray())
            fail(QStringLiteral("\"pages\" must be a list of pages"));
        const QJsonArray pages_json = pages_value.toArray();
        if (pages_json.size() != static_cast<qsizetype>(plans.size()))
            fail(QStringLiteral("%1 pages where section %2 has %3")
                     .arg(pages_json.size())
                     .arg(section_)
                     .arg(plans.size()));

        std::vector<page> pages;
        for (size_t i = 0; i < plans.size(); ++i) {
            where_ = QStringLiteral("%1, page %2 (%3)").arg(file_).arg(i + 1).arg(questions_caption(plans[i].first, plans[i].last));
            pages.push_back(read_page(pages_json[static_cast<qsizetype>(i)], plans[i]));
        }
        return pages;
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw AppError(QStringLiteral("ECatalogueError"), where_ + QStringLiteral(": ") + what);
    }

    QJsonObject read_root() const
    {
        QFile file(file_);
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot be read: %1").arg(file.errorString()));
        QString problem;
        const QJsonDocument document = parse_strict_json(file.readAll(), problem);
        if (!problem.isEmpty())
            fail(problem);
        if (!document.isObject())
            fail(QStringLiteral("the file must hold one JSON object"));
        const QJsonObject root = document.object();
        check_keys(root, {QStringLiteral("section"), QStringLiteral("pages")});
        if (as_integer(root.value(QLatin1String("section"))) != section_)
            fail(QStringLiteral("\"section\" must be %1").arg(section_));
        return root;
    }

    void check_keys(const QJsonObject& object, const QStringList& allowed) const
    {
        for (const QString& key : object.keys())
            if (!allowed.contains(key))
                fail(QStringLiteral("unknown key \"%1\" (allowed: %2)").arg(key, allowed.join(QStringLiteral(", "))));
    }

    page read_page(const QJsonValue& value, const page_plan& plan)
    {
        if (!value.isObject())
            fail(QStringLiteral("a page must be a JSON object"));
        const QJsonObject object = value.toObject();
        check_keys(object, {QStringLiteral("genre"), QStringLiteral("questions"), QStringLiteral("texte")});

        const QJsonValue genre_value = object.value(QLatin1String("genre"));
        if (!genre_value.isString())
            fail(QStringLiteral("\"genre\" must be the name of a page kind"));
        const auto kind = genre_from_name(genre_value.toString());
        if (!kind)
            fail(QStringLiteral("unknown page kind \"%1\"").arg(genre_value.toString()));
        if (*kind != plan.genre)
            fail(QStringLiteral("page kind \"%1\" where \"%2\" is expected")
                     .arg(genre_value.toString(), genre_name(plan.genre)));

        page result;
        result.section = section_;
        result.genre = plan.genre;
        if (has_passage(plan.genre))
            result.texte = read_passage(object, plan);
        else if (object.contains(QLatin1String("texte")))
            fail(QStringLiteral("a passage (\"texte\") belongs only on texte_a_trous and lecture pages"));

        const QJsonValue questions_value = object.value(QLatin1String("questions"));
        if (!questions_value.isArray())
            fail(QStringLiteral("\"questions\" must be a list of questions"));
        const QJsonArray questions = questions_value.toArray();
        const int expected_count = plan.last - plan.first + 1;
        if (questions.size() != expected_count)
            fail(QStringLiteral("%1 questions where the page has %2").arg(questions.size()).arg(expected_count));
        const QString page_where = where_;
        for (int k = 0; k < expected_count; ++k) {
            result.questions.push_back(read_question(questions[k], plan.genre, plan.first + k));
            where_ = page_where;
        }
        return result;
    }

    question read_question(const QJsonValue& value, genre g, int expected_numero)
    {
        if (!value.isObject())
            fail(QStringLiteral("question %1 must be a JSON object").arg(expected_numero));
        const QJsonObject object = value.toObject();
        const auto numero = as_integer(object.value(QLatin1String("numero")));
        if (!numero)
            fail(QStringLiteral("question %1 needs its number (\"numero\")").arg(expected_numero));
        if (*numero != expected_numero)
            fail(QStringLiteral("question %1 where question %2 is expected").arg(*numero).arg(expected_numero));
        where_ += QStringLiteral(", question %1").arg(expected_numero);
        check_keys(object, {QStringLiteral("numero"), QStringLiteral("options"), QStringLiteral("enonce"),
                            QStringLiteral("image"), QStringLiteral("dessins")});

        question result;
        result.numero = expected_numero;
        read_options(object, g, result);
        read_stem(object, g, result);
        read_image(object, g, result);
        read_drawings(object, g, result);
        return result;
    }

    void read_options(const QJsonObject& object, genre g, question& result) const
    {
        const QJsonValue value = object.value(QLatin1String("options"));
        if (g == genre::ecoute_image) {
            if (!value.isUndefined())
                fail(QStringLiteral("ecoute_image questions have no option texts (\"options\")"));
            return;
        }
        result.options = read_four_texts(value, QStringLiteral("\"options\" must be a list of four texts"),
                                         QStringLiteral("option %1"), shortest_option, longest_option);
    }

    // One text per letter A to D, each labelled by `label` with the letter
    // as its argument.
    std::array<QString, 4> read_four_texts(const QJsonValue& value, const QString& not_a_list, const QString& label,
                                           int shortest, int longest) const
    {
        if (!value.isArray() || value.toArray().size() != option_count)
            fail(not_a_list);
        const QJsonArray texts = value.toArray();
        std::array<QString, 4> result;
        for (int i = 0; i < option_count; ++i) {
            const QString name = label.arg(QChar(u'A' + i));
            if (!texts[i].isString())
                fail(name + QStringLiteral(" must be a text"));
            const QString text = texts[i].toString();
            check_text(text, name, shortest, longest);
            result[static_cast<size_t>(i)] = text;
        }
        return result;
    }

    void read_stem(const QJsonObject& object, genre g, question& result) const
    {
        const QJsonValue value = object.value(QLatin1String("enonce"));
        if (!has_stem(g)) {
            if (!value.isUndefined())
                fail(QStringLiteral("a stem (\"enonce\") belongs only on phrase_a_trou and lecture questions"));
            return;
        }
        if (!value.isString())
            fail(QStringLiteral("the stem (\"enonce\") must be a text"));
        const QString stem = value.toString();
        check_text(stem, QStringLiteral("the stem"), shortest_stem, longest_stem);
        if (g == genre::phrase_a_trou)
            check_gap_sentence(stem, result.options);
        else if (!stem.endsWith(u'：') && !stem.endsWith(u'？') && !stem.endsWith(u'?'))
            fail(QStringLiteral("the stem must end with \"：\", \"？\" or \"?\""));
        result.enonce = stem;
    }

    void check_gap_sentence(const QString& stem, const std::array<QString, 4>& options) const
    {
        const auto blanks = stem.count(blank);
        if (blanks < 1 || blanks > 2)
            fail(QStringLiteral("the stem has %1 blanks \"%2\", one or two expected").arg(blanks).arg(blank));
        if (!stem.endsWith(u'。') && !stem.endsWith(u'？') && !stem.endsWith(u'?'))
            fail(QStringLiteral("the stem must end with \"。\", \"？\" or \"?\""));
        if (blanks == 2)
            for (int i = 0; i < option_count; ++i)
                if (options[static_cast<size_t>(i)].split(u' ', Qt::SkipEmptyParts).size() != 2)
                    fail(QStringLiteral("option %1 must hold two words separated by spaces, one per blank")
                             .arg(QChar(u'A' + i)));
    }

    void read_image(const QJsonObject& object, genre g, question& result) const
    {
        const QJsonValue value = object.value(QLatin1String("image"));
        if (g != genre::ecoute_image) {
            if (!value.isUndefined())
                fail(QStringLiteral("a picture (\"image\") belongs only on ecoute_image questions"));
            return;
        }
        if (!value.isString())
            fail(QStringLiteral("the picture (\"image\") must be a record name"));
        try {
            load_picture_record(value.toString(), images_folder_);
        } catch (const AppError& error) {
            fail(error.message());
        }
        result.image = value.toString();
    }

    void read_drawings(const QJsonObject& object, genre g, question& result) const
    {
        const QJsonValue value = object.value(QLatin1String("dessins"));
        if (g != genre::ecoute_image) {
            if (!value.isUndefined())
                fail(QStringLiteral("drawing descriptions (\"dessins\") belong only on ecoute_image questions"));
            return;
        }
        result.dessins = read_four_texts(
            value, QStringLiteral("\"dessins\" must be a list of four descriptions, drawings A to D"),
            QStringLiteral("the description of drawing %1"), shortest_drawing, longest_drawing);
    }

    QStringList read_passage(const QJsonObject& object, const page_plan& plan) const
    {
        const QJsonValue value = object.value(QLatin1String("texte"));
        if (!value.isArray())
            fail(QStringLiteral("the passage (\"texte\") must be a list of lines"));
        const QJsonArray lines = value.toArray();
        if (lines.size() < fewest_lines || lines.size() > most_lines)
            fail(QStringLiteral("the passage has %1 lines, %2 to %3 allowed")
                     .arg(lines.size())
                     .arg(fewest_lines)
                     .arg(most_lines));
        QStringList passage;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!lines[i].isString())
                fail(QStringLiteral("passage line %1 must be a text").arg(i + 1));
            const QString line = lines[i].toString();
            check_passage_line(line, i + 1);
            passage.append(line);
        }
        if (plan.genre == genre::texte_a_trous)
            for (int numero = plan.first; numero <= plan.last; ++numero)
                if (!marks_blank(passage, numero))
                    fail(QStringLiteral("the passage does not mark blank %1 with \"%1\"").arg(numero));
        return passage;
    }

    void check_passage_line(const QString& line, qsizetype number) const
    {
        qsizetype spaces = 0;
        while (spaces < line.size() && line[spaces] == u' ')
            ++spaces;
        if (spaces > most_leading_spaces)
            fail(QStringLiteral("passage line %1 starts with %2 spaces, at most %3 allowed")
                     .arg(number)
                     .arg(spaces)
                     .arg(most_leading_spaces));
        const qsizetype length = code_points(line.mid(spaces));
        if (length > longest_line)
            fail(QStringLiteral("passage line %1 has %2 characters of text, at most %3 allowed")
                     .arg(number)
                     .arg(length)
                     .arg(longest_line));
        if (has_control_character(line))
            fail(QStringLiteral("passage line %1 holds a control character").arg(number));
    }

    // The number written in ASCII digits with no other digit against it.
    static bool marks_blank(const QStringList& passage, int numero)
    {
        const QRegularExpression mark(QStringLiteral("(?<![0-9])%1(?![0-9])").arg(numero));
        return passage.join(u'\n').contains(mark);
    }

    static bool has_control_character(const QString& text)
    {
        for (QChar c : text)
            if (c.category() == QChar::Other_Control)
                return true;
        return false;
    }

    // Options, stems and drawing descriptions: a length in code points, no control characters, and
    // no white space at either end (it would shift the caption).
    void check_text(const QString& text, const QString& label, int shortest, int longest) const
    {
        const qsizetype length = code_points(text);
        if (length < shortest || length > longest)
            fail(QStringLiteral("%1 has %2 characters, %3 to %4 allowed").arg(label).arg(length).arg(shortest).arg(longest));
        if (has_control_character(text))
            fail(label + QStringLiteral(" holds a control character"));
        if (text.front().isSpace() || text.back().isSpace())
            fail(label + QStringLiteral(" begins or ends with white space"));
    }

    int section_;
    QString file_;
    QString images_folder_;
    QString where_;
};

} // namespace

std::vector<page> read_catalogue_section(int section, const QString& path, const QString& images_folder)
{
    return section_reader(section, path, images_folder).read();
}
