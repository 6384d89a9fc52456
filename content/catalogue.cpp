#include "content/catalogue.h"

#include "content/catalogue_reader.h"

#include <QDir>
#include <QFileInfo>

catalogue::catalogue(std::array<std::vector<page>, 3> sections, QString dossier)
    : sections_(std::move(sections)), dossier_(std::move(dossier))
{
    for (std::vector<page>& pages : sections_)
        for (page& p : pages)
            p.dossier = dossier_;
}

catalogue catalogue::read(const std::array<QString, 3>& files, const QString& images_folder, const QString& dossier)
{
    std::array<std::vector<page>, 3> sections;
    for (int i = 0; i < 3; ++i)
        sections[static_cast<size_t>(i)] =
            read_catalogue_section(i + 1, files[static_cast<size_t>(i)], images_folder);
    return catalogue(std::move(sections), dossier);
}

QString content_folder(const QString& dossier)
{
    return dossier.isEmpty() ? QStringLiteral(":/content") : QStringLiteral(":/content/") + dossier;
}

QString picture_folder(const page& p)
{
    return content_folder(p.dossier) + QStringLiteral("/images");
}

catalogue catalogue::load(const QString& dossier)
{
    const QString folder = content_folder(dossier);
    return read({folder + QStringLiteral("/catalogue/section1.json"), folder + QStringLiteral("/catalogue/section2.json"),
                 folder + QStringLiteral("/catalogue/section3.json")},
                folder + QStringLiteral("/images"), dossier);
}

catalogue catalogue::load_files(const QString& section1, const QString& section2, const QString& section3)
{
    const QString images = QDir::cleanPath(QFileInfo(section1).absolutePath() + QStringLiteral("/../images"));
    return read({section1, section2, section3}, images);
}

const std::vector<page>& catalogue::pages(int section) const
{
    static const std::vector<page> none;
    if (section < 1 || section > 3)
        return none;
    return sections_[static_cast<size_t>(section - 1)];
}

