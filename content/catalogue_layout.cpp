#include "content/catalogue_layout.h"

#include <utility>

namespace {

void add_single_pages(std::vector<page_plan>& pages, genre g, int first, int last)
{
    for (int numero = first; numero <= last; ++numero)
        pages.push_back({g, numero, numero});
}

void add_group_pages(std::vector<page_plan>& pages, genre g,
                     std::initializer_list<std::pair<int, int>> ranges)
{
    for (const auto& [first, last] : ranges)
        pages.push_back({g, first, last});
}

std::array<std::vector<page_plan>, 3> make_layout()
{
    std::array<std::vector<page_plan>, 3> sections;
    auto& listening = sections[0];
    add_single_pages(listening, genre::ecoute_image, 1, 15);
    add_single_pages(listening, genre::ecoute_hf, 16, 30);
    add_single_pages(listening, genre::ecoute_simple, 31, 42);
    add_group_pages(listening, genre::ecoute_groupe, {{43, 45}, {46, 48}, {49, 50}});

    auto& grammar = sections[1];
    add_single_pages(grammar, genre::phrase_correcte, 51, 70);
    add_single_pages(grammar, genre::phrase_a_trou, 71, 90);

    auto& reading = sections[2];
    add_group_pages(reading, genre::texte_a_trous, {{91, 93}, {94, 98}, {99, 104}, {105, 110}});
    add_group_pages(reading, genre::lecture,
                    {{111, 111}, {112, 113}, {114, 115}, {116, 118}, {119, 122},
                     {123, 126}, {127, 130}, {131, 135}, {136, 140}});
    return sections;
}

constexpr std::pair<genre, const char*> genre_names[] = {
    {genre::ecoute_image, "ecoute_image"},       {genre::ecoute_hf, "ecoute_hf"},
    {genre::ecoute_simple, "ecoute_simple"},     {genre::ecoute_groupe, "ecoute_groupe"},
    {genre::phrase_correcte, "phrase_correcte"}, {genre::phrase_a_trou, "phrase_a_trou"},
    {genre::texte_a_trous, "texte_a_trous"},     {genre::lecture, "lecture"},
};

} // namespace

const std::array<std::vector<page_plan>, 3>& catalogue_layout()
{
    static const auto layout = make_layout();
    return layout;
}

QString genre_name(genre g)
{
    for (const auto& [kind, name] : genre_names)
        if (kind == g)
            return QString::fromLatin1(name);
    return {};
}

std::optional<genre> genre_from_name(const QString& name)
{
    for (const auto& [kind, kind_name] : genre_names)
        if (name == QLatin1String(kind_name))
            return kind;
    return std::nullopt;
}
