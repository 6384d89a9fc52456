#include "content/catalogue.h"

#include "content/catalogue_reader.h"

#include <QDir>
#include <QFileInfo>

catalogue::catalogue(std::array<std::vector<page>, 3> sections) : sections_(std::move(sections)) {}

catalogue catalogue::read(const std::array<QString, 3>& files, const QString& images_folder)
{
    std::array<std::vector<page>, 3> sections;
    for (int i = 0; i < 3; ++i)
        sections[static_cast<size_t>(i)] =
            read_catalogue_section(i + 1, files[static_cast<size_t>(i)], images_folder);
    return catalogue(std::move(sections));
}

catalogue catalogue::load()
{
    return read({QStringLiteral(":/content/catalogue/section1.json"),
                 QStringLiteral(":/content/catalogue/section2.json"),
                 QStringLiteral(":/content/catalogue/section3.json")},
                QString());
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

