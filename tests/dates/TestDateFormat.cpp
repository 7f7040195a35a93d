#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "dates/DateFormat.h"
#include "support/DateEssai.h"

using namespace lignara;

namespace {

using essai::date;

DateGed entre(int premiere, int seconde) {
    DateGed d = date(DateEntre, 0, 0, seconde);
    d.fixerPremiereAnnee(static_cast<std::int16_t>(premiere));
    return d;
}

// Police d'essai : chiffres 5 unités, '.' 2,5 unités, espace 2,5, lettres 5, 'à' 6.
MetriquePolice policeDEssai() {
    MetriquePolice p;
    p.trouvee = 1;
    for (int c = 0; c < 256; ++c) p.largeurs[c] = 500;
    p.largeurs[static_cast<unsigned char>('.')] = 250;
    p.largeurs[static_cast<unsigned char>(' ')] = 250;
    p.largeurs[0xE0] = 600;
    return p;
}

std::string texte(const DateGed& d, unsigned options) {
    return FormaterDate(d, options, 1'000'000, policeDEssai()).texte;
}

}  // namespace

TEST(FormaterDate, prefixesJourMoisDatesVidesEtLargeurMesureeDansLaPoliceDonnee) {
    struct {
        DateGed date;
        unsigned options;
        const char* attendu;
    } const cas[] = {
        {date(DateVers, 3, 7, 1850), FormatJourMois, "ca 3.7.1850"},
        {date(DateVers, 3, 7, 1850), FormatSymboles, "~1850"},
        {date(DateAvant, 0, 0, 1850), 0, "av 1850"},
        {date(DateAvant, 0, 0, 1850), FormatSymboles, "<1850"},
        {date(DateApres, 0, 0, 1850), FormatSymboles | FormatCompact, ">1850"},
        {date(DateSimple, 0, 0, -500), 0, "-500"},
        {date(DateSimple, 0, 8, 1850), FormatJourMois, "8.1850"},
        {date(DateSimple, 12, 1, 1850), 0, "1850"},
        {date(DateSimple, 12, 1, 0), FormatJourMois, "12.1"},  // sans année, pas de point final
        {entre(1850, 1860), 0, "1850 à 1860"_1252},
        {entre(1850, 1860), FormatCompact, "1850à1860"_1252},
        {date(DateVers, 12, 1, 0), FormatCompact | FormatJourMois, ""},
    };
    for (const auto& c : cas) EXPECT_EQ(texte(c.date, c.options), c.attendu) << c.attendu;
    const MetriquePolice p = policeDEssai();
    // « ca 3.7.1850 » : c, a, 3, 7, 1, 8, 5, 0 à 5 ; espace et deux points à 2,5 → 47,5 → 47.
    const DateGed d = date(DateVers, 3, 7, 1850);
    EXPECT_EQ(FormaterDate(d, FormatJourMois, 47, p).largeur, 47);  // le texte est dans la table ci-dessus
    const DateFormatee coupee = FormaterDate(d, FormatJourMois, 46, p);
    EXPECT_EQ(std::pair(coupee.texte, coupee.largeur), std::pair(std::string(".."), 5));
    EXPECT_EQ(FormaterDate(entre(1850, 1860), 0, 1000, p).largeur, 51);
    // Mesurée dans la police donnée ; le texte seul n'est pas limité.
    MetriquePolice large = policeDEssai();
    for (char c = '0'; c <= '9'; ++c) large.largeurs[static_cast<unsigned char>(c)] = 1000;
    const DateGed an = date(DateSimple, 0, 0, 1850);
    EXPECT_EQ(FormaterDate(an, 0, INT32_MAX, large).largeur, 40);
    EXPECT_EQ(FormaterDate(an, 0, 39, large).texte, "..");
    EXPECT_EQ(FormaterDate(an, 0, 39, p).texte, "1850");
    for (const DateGed& e : {an, date(DateVers, 3, 7, 1850), entre(1850, 1860), date(DateApres, 0, 0, 0)})
        for (unsigned options : {0u, 1u, 2u, 8u, 11u})
            EXPECT_EQ(texteDate(e, options), FormaterDate(e, options, INT32_MAX, large).texte) << options;
}
