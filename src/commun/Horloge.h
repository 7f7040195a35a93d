#pragma once
// Temps et hasard d'un document : l'heure de l'horloge murale et une graine tirée de
// std::random_device, sauf quand la convention des constructions reproductibles les fixe.
// SOURCE_DATE_EPOCH (secondes depuis le 1er janvier 1970, UTC, en chiffres décimaux) donne alors
// l'instant, lu en UTC, et la graine des tirages : le même GEDCOM, les mêmes préférences et les
// mêmes options donnent les mêmes octets d'un passage à l'autre. Une valeur invalide (vide,
// signe, lettre, au-delà de l'an 9999) est ignorée : horloge murale.
//
// Une Horloge est une valeur : le contexte d'un document en porte une, qu'il passe à ceux qui
// datent (date de création du PDF), comptent les années (chronologies) ou tirent au sort
// (police, thème). Rien n'est gardé pour tout le processus.
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

namespace lignara {

struct DateHeure {
    int annee = 0, mois = 0, jour = 0, heure = 0, minute = 0, seconde = 0;
};

class Horloge {
public:
    // 9999-12-31 23:59:59 UTC : les dates écrites ont une année de quatre chiffres.
    static constexpr std::int64_t kEpoqueMax = 253402300799;

    // Horloge murale et graine au hasard.
    Horloge();
    // SOURCE_DATE_EPOCH de l'environnement quand elle est valide, sinon l'horloge murale.
    static Horloge duSysteme();
    static Horloge fixee(std::int64_t secondes);
    // Secondes d'une valeur de SOURCE_DATE_EPOCH, rien quand elle n'est pas valide.
    static std::optional<std::int64_t> lireEpoque(std::string_view valeur);

    bool estFixee() const { return fixee_.has_value(); }
    // L'instant fixé en UTC, sinon l'heure locale au moment de l'appel.
    DateHeure maintenant() const;
    int annee() const { return maintenant().annee; }
    std::uint32_t graine() const { return graine_; }
    // Générateur d'un tirage du document. L'usage (« police », « thème »…) sépare les tirages :
    // chacun ne dépend que de la graine, pas des tirages faits avant lui.
    std::mt19937 tirage(std::string_view usage) const;

private:
    Horloge(std::optional<std::int64_t> fixee, std::uint32_t graine);

    std::optional<std::int64_t> fixee_;
    std::uint32_t graine_ = 0;
};

}  // namespace lignara
