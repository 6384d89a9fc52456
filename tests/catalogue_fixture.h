#pragma once
// A small, valid catalogue made up for the tests: three section files and
// fifteen picture records with short sensible texts. Tests change one field
// of it and write it to a temporary folder laid out like content/.

#include "content/picture_record.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <array>
#include <functional>
#include <map>
#include <optional>

inline QByteArray fixture_jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < 4; ++i)
        painter.drawRect(i * width / 4 + 2, 2, width / 4 - 5, height - 5);
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.write(image);
    return buffer.data();
}

struct catalogue_fixture {
    std::array<QJsonObject, 3> sections;
    std::array<std::optional<QByteArray>, 3> raw; // replaces the JSON of a section when set
    std::map<QString, QByteArray> pictures;       // record name -> record bytes

    catalogue_fixture()
    {
        sections = {listening(), grammar(), reading()};
        const QByteArray jpeg = fixture_jpeg(600, 150);
        for (int n = 1; n <= 15; ++n)
            pictures[picture_name(n)] = write_picture_record(QStringLiteral("TJPEGImage"), jpeg);
    }

    QByteArray json(int section) const
    {
        const auto i = static_cast<size_t>(section - 1);
        return raw[i] ? *raw[i] : QJsonDocument(sections[i]).toJson(QJsonDocument::Indented);
    }

    static QString file_name(int section) { return QStringLiteral("section%1.json").arg(section); }
    static QString picture_name(int n) { return QStringLiteral("Q%1").arg(n, 2, 10, QLatin1Char('0')); }

    // Writes <folder>/catalogue/section1..3.json and <folder>/images/*.pic;
    // returns the three section paths.
    std::array<QString, 3> write(const QString& folder) const
    {
        QDir(folder).mkpath(QStringLiteral("catalogue"));
        QDir(folder).mkpath(QStringLiteral("images"));
        std::array<QString, 3> paths;
        for (int s = 1; s <= 3; ++s) {
            paths[static_cast<size_t>(s - 1)] = folder + QStringLiteral("/catalogue/") + file_name(s);
            save(paths[static_cast<size_t>(s - 1)], json(s));
        }
        for (const auto& [name, bytes] : pictures)
            save(folder + QStringLiteral("/images/") + name + QStringLiteral(".pic"), bytes);
        return paths;
    }

    // Edits page `page_index` (0-based) of `section`, or one of its questions.
    void edit_page(int section, int page_index, const std::function<void(QJsonObject&)>& edit)
    {
        QJsonObject& root = sections[static_cast<size_t>(section - 1)];
        QJsonArray pages = root[QLatin1String("pages")].toArray();
        QJsonObject p = pages[page_index].toObject();
        edit(p);
        pages[page_index] = p;
        root[QLatin1String("pages")] = pages;
    }
    void edit_question(int section, int page_index, int question_index,
                       const std::function<void(QJsonObject&)>& edit)
    {
        edit_page(section, page_index, [&](QJsonObject& p) {
            QJsonArray questions = p[QLatin1String("questions")].toArray();
            QJsonObject q = questions[question_index].toObject();
            edit(q);
            questions[question_index] = q;
            p[QLatin1String("questions")] = questions;
        });
    }
    void edit_pages(int section, const std::function<void(QJsonArray&)>& edit)
    {
        QJsonObject& root = sections[static_cast<size_t>(section - 1)];
        QJsonArray pages = root[QLatin1String("pages")].toArray();
        edit(pages);
        root[QLatin1String("pages")] = pages;
    }

    // The made-up texts, kept here so tests can compare what was read.
    static QStringList words()
    {
        return {QStringLiteral("苹果"),   QStringLiteral("米饭"),     QStringLiteral("面条"),
                QStringLiteral("咖啡"),   QStringLiteral("学校"),     QStringLiteral("医院"),
                QStringLiteral("商店"),   QStringLiteral("飞机场"),   QStringLiteral("星期一"),
                QStringLiteral("星期三"), QStringLiteral("下午三点"), QStringLiteral("四点半"),
                QStringLiteral("他妈妈"), QStringLiteral("我的朋友"), QStringLiteral("很便宜"),
                QStringLiteral("2个")};
    }
    static QJsonArray options_for(int numero)
    {
        const QStringList w = words();
        QJsonArray options;
        for (int k = 0; k < 4; ++k)
            options.append(w[(numero + 3 * k) % w.size()]);
        return options;
    }
    static QJsonArray drawings_for(int numero)
    {
        return {QStringLiteral("Une horloge qui indique %1 h").arg(numero), QStringLiteral("Un vélo"),
                QStringLiteral("Un chat"), QStringLiteral("Trois pommes")};
    }
    static QString gap_stem(int numero) { return QStringLiteral("我%1号＿学校上课。").arg(numero); }
    static QString two_gap_stem(int numero) { return QStringLiteral("他%1号＿在家，＿在学校。").arg(numero); }
    static QString reading_stem(int numero) { return QStringLiteral("第%1题：他们星期天去哪儿了？").arg(numero); }

private:
    static void save(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    static QJsonObject question(int numero, const QJsonArray& options)
    {
        return {{QStringLiteral("numero"), numero}, {QStringLiteral("options"), options}};
    }

    static QJsonObject page(const char* genre, const QJsonArray& questions)
    {
        return {{QStringLiteral("genre"), QLatin1String(genre)}, {QStringLiteral("questions"), questions}};
    }

    static QJsonObject section(int number, const QJsonArray& pages)
    {
        return {{QStringLiteral("section"), number}, {QStringLiteral("pages"), pages}};
    }

    static QJsonArray questions_from(int first, int last)
    {
        QJsonArray questions;
        for (int n = first; n <= last; ++n)
            questions.append(question(n, options_for(n)));
        return questions;
    }

    static QJsonObject listening()
    {
        QJsonArray pages;
        for (int n = 1; n <= 15; ++n)
            pages.append(page("ecoute_image", {QJsonObject{{QStringLiteral("numero"), n},
                                                           {QStringLiteral("image"), picture_name(n)},
                                                           {QStringLiteral("dessins"), drawings_for(n)}}}));
        for (int n = 16; n <= 30; ++n)
            pages.append(page("ecoute_hf", questions_from(n, n)));
        for (int n = 31; n <= 42; ++n)
            pages.append(page("ecoute_simple", questions_from(n, n)));
        for (auto [first, last] : {std::pair{43, 45}, {46, 48}, {49, 50}})
            pages.append(page("ecoute_groupe", questions_from(first, last)));
        return section(1, pages);
    }

    static QJsonObject grammar()
    {
        QJsonArray pages;
        for (int n = 51; n <= 70; ++n)
            pages.append(page("phrase_correcte",
                              {question(n, {QStringLiteral("我是%1号学生。").arg(n), QStringLiteral("我%1号是学生。").arg(n),
                                            QStringLiteral("学生我是%1号。").arg(n), QStringLiteral("是我%1号学生。").arg(n)})}));
        for (int n = 71; n <= 90; ++n) {
            const bool two_blanks = n >= 89;
            QJsonObject q = two_blanks ? question(n, {QStringLiteral("不 就"), QStringLiteral("没 也"),
                                                      QStringLiteral("不 也"), QStringLiteral("没 就")})
                                       : question(n, {QStringLiteral("去"), QStringLiteral("在"),
                                                      QStringLiteral("是"), QStringLiteral("有")});
            q[QStringLiteral("enonce")] = two_blanks ? two_gap_stem(n) : gap_stem(n);
            pages.append(page("phrase_a_trou", {q}));
        }
        return section(2, pages);
    }

    static QJsonObject reading()
    {
        QJsonArray pages;
        for (auto [first, last] : {std::pair{91, 93}, {94, 98}, {99, 104}, {105, 110}}) {
            QJsonObject p = page("texte_a_trous", questions_from(first, last));
            QJsonArray passage{QStringLiteral("    星期六上午，我和朋友一起去公园。")};
            for (int n = first; n <= last; ++n)
                passage.append(QStringLiteral("我们%1很高兴，下午%2点回家。").arg(n).arg(n - first + 1));
            p[QStringLiteral("texte")] = passage;
            pages.append(p);
        }
        for (auto [first, last] : {std::pair{111, 111}, {112, 113}, {114, 115}, {116, 118}, {119, 122},
                                   {123, 126}, {127, 130}, {131, 135}, {136, 140}}) {
            QJsonArray questions = questions_from(first, last);
            for (qsizetype i = 0; i < questions.size(); ++i) {
                QJsonObject q = questions[i].toObject();
                q[QStringLiteral("enonce")] = reading_stem(first + static_cast<int>(i));
                questions[i] = q;
            }
            QJsonObject p = page("lecture", questions);
            p[QStringLiteral("texte")] = QJsonArray{
                QStringLiteral("    王老师%1号星期天和家人去了动物园。").arg(first),
                QStringLiteral("他们中午在饭馆吃饭，晚上才回家。"),
                QStringLiteral("                                        王小明")};
            pages.append(p);
        }
        return section(3, pages);
    }
};
