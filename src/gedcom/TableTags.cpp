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
    {"ABBR", CodeTag::ABBR}, {"ADDR", CodeTag::ADDR}, {"ADOP", CodeTag::ADOP}, {"AUTH", CodeTag::AUTH},
    {"BAPL", CodeTag::BAPL}, {"BAPM", CodeTag::BAPM}, {"BARM", CodeTag::BARM}, {"BASM", CodeTag::BASM},
    {"BIRT", CodeTag::BIRT}, {"BURI", CodeTag::BURI}, {"CAUS", CodeTag::CAUS}, {"CHAR", CodeTag::CHAR},
    {"CHIL", CodeTag::CHIL}, {"CHR", CodeTag::CHR},   {"CHRA", CodeTag::CHRA}, {"CONC", CodeTag::CONC},
    {"CONF", CodeTag::CONF}, {"CONL", CodeTag::CONL}, {"CONT", CodeTag::CONT}, {"DATE", CodeTag::DATE},
    {"DEAT", CodeTag::DEAT}, {"DIV", CodeTag::DIV},   {"EVEN", CodeTag::EVEN}, {"FAM", CodeTag::FAM},
    {"FAMC", CodeTag::FAMC}, {"FAMS", CodeTag::FAMS}, {"FCOM", CodeTag::FCOM}, {"FILE", CodeTag::FILE},
    {"GIVN", CodeTag::GIVN}, {"HEAD", CodeTag::HEAD}, {"HUSB", CodeTag::HUSB}, {"INDI", CodeTag::INDI},
    {"MARR", CodeTag::MARR}, {"NAME", CodeTag::NAME}, {"NICK", CodeTag::NICK}, {"NOTE", CodeTag::NOTE},
    {"OBJE", CodeTag::OBJE}, {"OCCU", CodeTag::OCCU}, {"ORDN", CodeTag::ORDN}, {"PLAC", CodeTag::PLAC},
    {"PUBL", CodeTag::PUBL}, {"REPO", CodeTag::REPO}, {"RESI", CodeTag::RESI}, {"SEX", CodeTag::SEX},
    {"SOUR", CodeTag::SOUR}, {"SURN", CodeTag::SURN}, {"TITL", CodeTag::TITL}, {"TRLR", CodeTag::TRLR},
    {"TYPE", CodeTag::TYPE}, {"WIFE", CodeTag::WIFE}, {"LIEU", CodeTag::LIEU}, {"_IMG", CodeTag::IMG},
    {"HAJJ", CodeTag::HAJJ},
};

// Un tag de 1 à 4 octets et sa longueur en un entier : deux tags différents, même avec des
// octets nuls, donnent deux entiers différents.
std::uint64_t enEntier(std::string_view tag) {
    std::uint64_t v = tag.size();
    for (char c : tag) v = (v << 8) | static_cast<unsigned char>(c);
    return v;
}

std::size_t caseDe(std::uint64_t cle) {
    return static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ull) >> 58);  // 6 bits : 64 cases
}

}  // namespace

TableTags::TableTags(std::initializer_list<std::string_view> tags) {
    for (std::string_view t : tags) {
        auto connu =
            std::find_if(std::begin(kTagsConnus), std::end(kTagsConnus), [t](const TagConnu& c) { return c.tag == t; });
        assert(connu != std::end(kTagsConnus) && "tag sans code fixe");
        if (connu == std::end(kTagsConnus)) continue;
        EntreeTag e{};
        std::memcpy(e.tag, t.data(), t.size());
        e.code = static_cast<std::uint8_t>(connu->code);
        entrees_.push_back(e);
    }
    std::sort(entrees_.begin(), entrees_.end(),
              [](const EntreeTag& a, const EntreeTag& b) { return std::memcmp(a.tag, b.tag, 5) < 0; });
    assert(entrees_.size() < kCases);
    for (const EntreeTag& e : entrees_) {
        const std::uint64_t cle = enEntier(std::string_view(e.tag, std::strlen(e.tag)));
        std::size_t i = caseDe(cle);
        while (cases_[i].cle != 0) i = (i + 1) % kCases;
        cases_[i] = {cle, e.code};
    }
}

// Chaque ligne du fichier passe ici : une multiplication et, presque toujours, une comparaison.
CodeTag TableTags::chercher(std::string_view tag) const {
    if (tag.empty() || tag.size() > 4) return CodeTag::Inconnu;
    const std::uint64_t cle = enEntier(tag);
    for (std::size_t i = caseDe(cle);; i = (i + 1) % kCases) {
        if (cases_[i].cle == cle) return static_cast<CodeTag>(cases_[i].code);
        if (cases_[i].cle == 0) return CodeTag::Inconnu;
    }
}

const TableTags& TableTags::balayage() {
    static const TableTags table{"ABBR", "ADOP", "AUTH", "BIRT", "CHAR", "CHIL", "CONC", "CONT", "DATE", "DEAT",
                                 "DIV",  "FAM",  "FAMC", "FAMS", "FILE", "HEAD", "HUSB", "INDI", "MARR", "NAME",
                                 "NOTE", "OBJE", "PLAC", "PUBL", "REPO", "SOUR", "TITL", "TRLR", "WIFE"};
    return table;
}

const TableTags& TableTags::individu() {
    static const TableTags table{"BIRT", "CAUS", "CONC", "CONT", "DATE", "DEAT", "EVEN", "FILE", "GIVN", "LIEU", "NAME",
                                 "NICK", "NOTE", "OBJE", "OCCU", "PLAC", "SEX",  "SOUR", "SURN", "TYPE", "_IMG"};
    return table;
}

const TableTags& TableTags::famille() {
    static const TableTags table{"DATE", "DIV", "LIEU", "MARR", "PLAC", "SOUR"};
    return table;
}

const TableTags& TableTags::consultation() {
    static const TableTags table{"ADDR", "BAPL", "BAPM", "BARM", "BASM", "BIRT", "BURI", "CHR",  "CHRA",
                                 "CONC", "CONF", "CONL", "CONT", "DATE", "DEAT", "EVEN", "FCOM", "HAJJ",
                                 "LIEU", "NOTE", "OCCU", "ORDN", "PLAC", "RESI", "TYPE"};
    return table;
}

}  // namespace lignara
