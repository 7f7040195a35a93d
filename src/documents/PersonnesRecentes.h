#pragma once
// « Dernières personnes saisies » du fichier ouvert : 10 au plus, la plus récente d'abord. Une
// personne déjà dans la liste remonte en tête au lieu d'y paraître deux fois.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lignara {

struct PersonneRecente {
    std::string nom;
    std::string prenoms;
    std::int32_t personne = 0;
    friend bool operator==(const PersonneRecente&, const PersonneRecente&) = default;
};

class PersonnesRecentes {
public:
    static constexpr std::size_t kNombreMax = 10;

    void retenir(PersonneRecente recente);
    const std::vector<PersonneRecente>& liste() const { return liste_; }
    bool vide() const { return liste_.empty(); }  // bouton « Derniers » grisé
    void oublier() { liste_.clear(); }

private:
    std::vector<PersonneRecente> liste_;
};

}  // namespace lignara
