#include "documents/arbres/Arbre.h"

#include <algorithm>
#include <random>

#include "commun/Texte.h"
#include "database/EstimationNaissances.h"
#include "documents/ParametresCommuns.h"
#include "documents/arbres/ThemesArbre.h"
#include "reference/ChronologieListe.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

// Le thème au hasard est le tirage « theme » de l'horloge du document : la même graine donne
// le même thème.
std::uint8_t themeDuDocument(const Configuration& c, const Horloge& horloge) {
    if (!c.themeAuHasard) return themeValide(c.theme);
    std::mt19937 alea = horloge.tirage("theme");
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, kNombreThemesArbre - 1)(alea));
}

}  // namespace

Arbre::Arbre(const Afficheur& type) : Document(type) {}
Arbre::~Arbre() = default;

void Arbre::preparerStyle(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    style_.theme = themeDuDocument(preferences_, horloge);
    style_.couleurParSexe = preferences_.couleurParSexe;
    style_.couleurHommes = dessin_.couleurHommes;
    style_.couleurFemmes = dessin_.couleurFemmes;
}

const TablesDerivees& Arbre::tablesDerivees(const ContexteDocument& contexte) {
    if (contexte.tablesDerivees) return contexte.tablesDerivees();
    if (!tablesLocales_) tablesLocales_ = calculerTablesDerivees(*contexte.base, horloge.annee());
    return *tablesLocales_;
}

void Arbre::preparerChronologie(const ContexteDocument& contexte, std::span<const std::uint32_t> racines) {
    nomChronologie_ = texte(kFondDePage);
    if (nomChronologie_ == ChronologieListe::kAucune) nomChronologie_.clear();
    if (nomChronologie_.empty()) return;
    anneesEstimees_ = tablesDerivees(contexte).anneesNaissance;
    auto connue = [&](std::uint32_t p) {
        return p != 0 && p < anneesEstimees_.size() && anneesEstimees_[p] != EstimationNaissances::kAucuneAnnee;
    };
    if (std::none_of(racines.begin(), racines.end(), connue)) {
        contexte.signaler("L'arbre ne peut pas être chronologique\ncar aucune date n'est connue"_1252);
        nomChronologie_.clear();
        anneesEstimees_.clear();
        return;
    }
    chronologique_ = true;
}

void Arbre::preparerColoration(const ContexteDocument& contexte, const ParametreDeclare& critere,
                               SorteArbreChromatique sorte, std::span<const std::uint32_t> racines) {
    // Un critère que la liste de ce type n'offre pas (favori retouché) ne colore rien.
    const std::uint8_t code = octet(critere);
    if (code != ColorationAucune && rangCritere(sorte, code) >= 0)
        coloration_.emplace(Coloration::fabriquer(code, *contexte.base, racines));
    style_.chromatique = coloration_.has_value();
}

bool Arbre::chargerChronologie(const ContexteDocument& contexte, int avantBas, int avantHaut) {
    const ChronologieListe liste = ChronologieListe::livree();
    std::string message;
    const std::size_t i = liste.trouver(nomChronologie_, message);
    if (i == 0) {
        if (!message.empty()) contexte.signaler(message);
        return false;
    }
    chronologie_ = Chronologie::charger(liste.entrees()[i], avantBas, avantHaut, horloge.annee());
    decalageChronologie_ = chronologie_->largeurLibelles(polices.reguliere) + 135;
    return true;
}

std::int16_t Arbre::etirement() const {
    return static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionArbres, 10, 200));
}

std::int32_t Arbre::espaceMinimal() const { return std::clamp<std::int32_t>(preferences_.espaceMinimal, 2, 99); }

}  // namespace lignara
