#include "gedcom/TableTags.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace lignara {

namespace {

struct TagConnu {
    std::string_view tag;
    CodeTag code;
};

constexpr TagConnu kTagsConnus[] = {
    {"ABBR", CodeTag::ABBR}, {"ADDR", CodeTag::ADDR}, {"ADOP", CodeTag::ADOP},
    {"AUTH", CodeTag::AUTH}, {"BAPL", CodeTag::BAPL}, {"BAPM", CodeTag::BAPM},
    {"BARM", CodeTag::BARM}, {"BASM", CodeTag::BASM}, {"BIRT", CodeTag::BIRT},
    {"BURI", CodeTag::BURI}, {"CAUS", CodeTag::CAUS}, {"CHAR", CodeTag::CHAR},
    {"CHIL", CodeTag::CHIL}, {"CHR", CodeTag::CHR},   {"CHRA", CodeTag::CHRA},
    {"CONC", CodeTag::CONC}, {"CONF", CodeTag::CONF}, {"CONL", CodeTag::CONL},
    {"CONT", CodeTag::CONT}, {"DATE", CodeTag::DATE}, {"DEAT", CodeTag::DEAT},
    {"DIV", CodeTag::DIV},   {"EVEN", CodeTag::EVEN}, {"FAM", CodeTag::FAM},
    {"FAMC", CodeTag::FAMC}, {"FAMS", CodeTag::FAMS}, {"FCOM", CodeTag::FCOM},
    {"FILE", CodeTag::FILE}, {"HEAD", CodeTag::HEAD}, {"HUSB", CodeTag::HUSB},
    {"INDI", CodeTag::INDI}, {"MARR", CodeTag::MARR}, {"NAME", CodeTag::NAME},
    {"NICK", CodeTag::NICK}, {"NOTE", CodeTag::NOTE}, {"OBJE", CodeTag::OBJE},
    {"OCCU", CodeTag::OCCU}, {"ORDN", CodeTag::ORDN}, {"PLAC", CodeTag::PLAC},
    {"PUBL", CodeTag::PUBL}, {"REPO", CodeTag::REPO}, {"RESI", CodeTag::RESI},
    {"SEX", CodeTag::SEX},   {"SOUR", CodeTag::SOUR}, {"TITL", CodeTag::TITL},
    {"TRLR", CodeTag::TRLR}, {"TYPE", CodeTag::TYPE}, {"WIFE", CodeTag::WIFE},
    {"LIEU", CodeTag::LIEU}, {"_IMG", CodeTag::IMG},  {"HAJJ", CodeTag::HAJJ},
};

// Les 5 octets d'un tag complété de zéros, en un entier qui se trie comme eux (sans signe).
std::uint64_t enEntier(const char* tag5) {
    std::uint64_t v = 0;
    for (int i = 0; i < 5; ++i) v = (v << 8) | static_cast<unsigned char>(tag5[i]);
    return v;
}

}  // namespace

TableTags::TableTags(std::initializer_list<std::string_view> tags) {
    for (std::string_view t : tags) {
        auto connu = std::find_if(std::begin(kTagsConnus), std::end(kTagsConnus),
                                  [t](const TagConnu& c) { return c.tag == t; });
        assert(connu != std::end(kTagsConnus) && "tag sans code fixe");
        if (connu == std::end(kTagsConnus)) continue;
        EntreeTag e{};
        std::memcpy(e.tag, t.data(), t.size());
        e.code = static_cast<std::uint8_t>(connu->code);
        entrees_.push_back(e);
    }
    std::sort(entrees_.begin(), entrees_.end(), [](const EntreeTag& a, const EntreeTag& b) {
        return std::memcmp(a.tag, b.tag, 5) < 0;
    });
    for (const EntreeTag& e : entrees_) cles_.push_back(enEntier(e.tag));
}

CodeTag TableTags::chercher(std::string_view tag) const {
    if (tag.empty() || tag.size() > 4) return CodeTag::Inconnu;
    char cle5[5] = {};
    std::memcpy(cle5, tag.data(), tag.size());
    const std::uint64_t cle = enEntier(cle5);
    // Dichotomie sans branche : chaque ligne du fichier passe ici.
    const std::uint64_t* base = cles_.data();
    std::size_t n = cles_.size();
    if (n == 0) return CodeTag::Inconnu;
    while (n > 1) {
        std::size_t moitie = n / 2;
        base = base[moitie] <= cle ? base + moitie : base;
        n -= moitie;
    }
    std::size_t i = static_cast<std::size_t>(base - cles_.data());
    return *base == cle ? static_cast<CodeTag>(entrees_[i].code) : CodeTag::Inconnu;
}

const TableTags& TableTags::balayage() {
    static const TableTags table{"ABBR", "ADOP", "AUTH", "BIRT", "CHAR", "CHIL", "CONC", "CONT",
                                 "DATE", "DEAT", "DIV",  "FAM",  "FAMC", "FAMS", "FILE", "HEAD",
                                 "HUSB", "INDI", "MARR", "NAME", "NOTE", "OBJE", "PLAC", "PUBL",
                                 "REPO", "SOUR", "TITL", "TRLR", "WIFE"};
    return table;
}

const TableTags& TableTags::individu() {
    static const TableTags table{"BIRT", "CAUS", "CONC", "CONT", "DATE", "DEAT", "EVEN",
                                 "FILE", "LIEU", "NAME", "NICK", "NOTE", "OBJE", "OCCU",
                                 "PLAC", "SEX",  "SOUR", "TYPE", "_IMG"};
    return table;
}

const TableTags& TableTags::famille() {
    static const TableTags table{"DATE", "DIV", "LIEU", "MARR", "PLAC", "SOUR"};
    return table;
}

}  // namespace lignara
