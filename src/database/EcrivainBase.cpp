// Écriture de la base de travail ; le format est décrit en tête de BaseGenealogique.cpp et
// d'EnTeteBase.cpp. Les sections d'enregistrements et la zone des notes sont écrites à leur
// place définitive ; les tables de chaînes attendent dans des fichiers anonymes, car leur
// décalage dépend de la taille finale des notes.
#include "database/EcrivainBase.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/Octets.h"

namespace lignara {

namespace {

constexpr std::size_t kTailleTampon = 1 << 16;
constexpr std::size_t kLigneNotesMax = 249;  // sans le saut de ligne
constexpr std::size_t kPhotosMax = 255;
constexpr std::size_t kLignesNotesMax = 0xFFFF;
constexpr std::uint64_t kDecalageMax = std::numeric_limits<std::uint32_t>::max();

[[noreturn]] void ecritureImpossible() { throw OperationImpossible("Erreur d'écriture dans le fichier"_1252); }

// Le saut de ligne termine les chaînes des tables ; l'octet nul couperait les textes C.
std::string assaini(std::string_view texte) {
    std::string s(texte);
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\0', ' ');
    return s;
}

void verifierNumero(std::uint32_t numero, std::uint32_t nombre) {
    if (numero == 0 || numero > nombre) throw std::out_of_range("numéro hors des effectifs annoncés");
}

}  // namespace

EcrivainBase::EcrivainBase(const DimensionsBase& dimensions, const std::filesystem::path& dossier)
    : dimensions_(dimensions),
      fichier_(FichierBinaire::creer(dossier, "gen")),
      individusEcrits_(dimensions.individus, false),
      famillesEcrites_(dimensions.familles, false),
      tetesDeBranche_(dimensions.individus) {
    std::uint64_t familles = EnTeteBase::kTaille + std::uint64_t{Individu::kTaille} * dimensions.individus;
    std::uint64_t evenements = familles + std::uint64_t{Famille::kTaille} * dimensions.familles;
    std::uint64_t notes = evenements + std::uint64_t{Evenement::kTaille} * dimensions.evenements;
    if (notes > kDecalageMax) ecritureImpossible();
    enTete_.familles = static_cast<std::uint32_t>(familles);
    enTete_.evenements = static_cast<std::uint32_t>(evenements);
    enTete_.notes = static_cast<std::uint32_t>(notes);
    for (auto& t : tables_) t = std::make_unique<TableChainesEnConstruction>(dossier);
    for (auto& t : tampons_) t.octets.reserve(kTailleTampon);
}

EcrivainBase::~EcrivainBase() = default;

void EcrivainBase::verifierEnCours() const {
    if (termine_) throw std::logic_error("écrivain de base déjà terminé");
}

// Une écriture qui chevauche un tampon sans le prolonger le vide d'abord : le fichier garde
// ainsi l'ordre des écritures, la dernière l'emportant.
void EcrivainBase::ecrireA(std::uint64_t decalage, const std::uint8_t* octets, std::size_t taille) {
    verifierEnCours();
    TamponEcriture* choisi = nullptr;
    for (auto& t : tampons_) {
        if (!t.octets.empty() && decalage == t.fin())
            choisi = &t;
        else if (!t.octets.empty() && decalage < t.fin() && decalage + taille > t.debut)
            vider(t);
    }
    if (!choisi) {
        for (auto& t : tampons_)
            if (t.octets.empty()) {
                choisi = &t;
                break;
            }
    }
    if (!choisi) {
        choisi = &tampons_[prochainTamponRecycle_];
        prochainTamponRecycle_ = (prochainTamponRecycle_ + 1) % kNombreTampons;
        vider(*choisi);
    }
    if (choisi->octets.size() + taille > kTailleTampon) vider(*choisi);
    if (choisi->octets.empty()) choisi->debut = decalage;
    choisi->octets.insert(choisi->octets.end(), octets, octets + taille);
}

void EcrivainBase::vider(TamponEcriture& tampon) {
    if (!tampon.octets.empty()) fichier_.ecrire(tampon.debut, tampon.octets.data(), tampon.octets.size());
    tampon.octets.clear();
}

void EcrivainBase::viderTampons() {
    for (auto& t : tampons_) vider(t);
}

void EcrivainBase::lireA(std::uint64_t decalage, std::uint8_t* octets, std::size_t taille) {
    for (auto& t : tampons_)
        if (!t.octets.empty() && decalage < t.fin() && decalage + taille > t.debut) vider(t);
    if (fichier_.lire(decalage, octets, taille) == taille) return;
    // Au-delà de la fin actuelle : les tampons suivants allongent le fichier (trous à zéro).
    viderTampons();
    if (fichier_.lire(decalage, octets, taille) != taille) throw std::out_of_range("enregistrement pas encore écrit");
}

std::uint64_t EcrivainBase::decalageIndividu(std::uint32_t numero) const {
    verifierNumero(numero, dimensions_.individus);
    return enTete_.individus + std::uint64_t{numero - 1} * Individu::kTaille;
}

std::uint64_t EcrivainBase::decalageFamille(std::uint32_t numero) const {
    verifierNumero(numero, dimensions_.familles);
    return enTete_.familles + std::uint64_t{numero - 1} * Famille::kTaille;
}

void EcrivainBase::ecrireIndividu(std::uint32_t numero, const Individu& individu) {
    std::uint8_t o[Individu::kTaille];
    individu.ecrire(o);
    ecrireA(decalageIndividu(numero), o, sizeof o);
    individusEcrits_[numero - 1] = true;
    dernierIndividu_ = std::max(dernierIndividu_, numero);
}

std::uint32_t EcrivainBase::ajouterIndividu(const Individu& individu) {
    ecrireIndividu(dernierIndividu_ + 1, individu);
    return dernierIndividu_;
}

Individu EcrivainBase::lireIndividu(std::uint32_t numero) {
    std::uint8_t o[Individu::kTaille];
    lireA(decalageIndividu(numero), o, sizeof o);
    return Individu::lire(o);
}

void EcrivainBase::ecrireFamille(std::uint32_t numero, const Famille& famille) {
    std::uint8_t o[Famille::kTaille];
    famille.ecrire(o);
    ecrireA(decalageFamille(numero), o, sizeof o);
    famillesEcrites_[numero - 1] = true;
    derniereFamille_ = std::max(derniereFamille_, numero);
}

std::uint32_t EcrivainBase::ajouterFamille(const Famille& famille) {
    ecrireFamille(derniereFamille_ + 1, famille);
    return derniereFamille_;
}

Famille EcrivainBase::lireFamille(std::uint32_t numero) {
    std::uint8_t o[Famille::kTaille];
    lireA(decalageFamille(numero), o, sizeof o);
    return Famille::lire(o);
}

void EcrivainBase::ecrireEvenement(std::uint32_t numero, const Evenement& evenement) {
    verifierNumero(numero, dimensions_.evenements);
    std::uint8_t o[Evenement::kTaille];
    evenement.ecrire(o);
    ecrireA(enTete_.evenements + std::uint64_t{numero - 1} * Evenement::kTaille, o, sizeof o);
    dernierEvenement_ = std::max(dernierEvenement_, numero);
}

std::uint32_t EcrivainBase::ajouterEvenement(const Evenement& evenement) {
    ecrireEvenement(dernierEvenement_ + 1, evenement);
    return dernierEvenement_;
}

std::uint32_t EcrivainBase::ajouterTexte(TableTexte table, std::string_view texte) {
    verifierEnCours();
    if (table == TablePhotos) return ajouterPhotos({std::string(texte)});
    // Presque aucun texte n'a de saut de ligne ni d'octet nul : pas de copie pour eux. Une
    // boucle simple : find_first_of cherchait chaque octet dans l'ensemble par un appel.
    if (std::none_of(texte.begin(), texte.end(), [](char c) { return c == '\n' || c == '\0'; }))
        return tables_[table]->ajouter(texte);
    return tables_[table]->ajouter(assaini(texte));
}

std::uint32_t EcrivainBase::ajouterPhotos(const std::vector<std::string>& chemins) {
    verifierEnCours();
    std::string liste(1, '\0');
    std::size_t nombre = 0;
    for (const std::string& c : chemins) {
        if (c.empty() || c.size() > kCheminPhotoMax || nombre == kPhotosMax) continue;
        if (nombre > 0) liste.push_back('\n');
        liste += assaini(c);
        ++nombre;
    }
    if (nombre == 0) return 0;
    liste[0] = static_cast<char>(nombre);
    return tables_[TablePhotos]->ajouter(liste);
}

void EcrivainBase::marquerTeteDeBranche(std::uint32_t personne) {
    verifierNumero(personne, dimensions_.individus);
    tetesDeBranche_.ajouter(personne);
}

namespace {

// Lignes prêtes à ranger : sauts de ligne internes coupés, lignes longues coupées à 249 octets
// (elles se relisent alors en plusieurs lignes entières), lignes vides finales ôtées.
std::vector<std::string> lignesDeNotes(const std::vector<std::string>& lignes) {
    std::vector<std::string> resultat;
    for (const std::string& ligne : lignes) {
        std::string_view reste = ligne;
        do {
            std::string_view morceau = reste.substr(0, std::min(reste.find('\n'), kLigneNotesMax));
            std::string s(morceau);
            std::replace(s.begin(), s.end(), '\0', ' ');
            resultat.push_back(std::move(s));
            reste.remove_prefix(morceau.size());
            if (!reste.empty() && reste.front() == '\n') {
                reste.remove_prefix(1);
                if (reste.empty()) resultat.emplace_back();
            }
        } while (!reste.empty());
    }
    while (!resultat.empty() && resultat.back().empty()) resultat.pop_back();
    return resultat;
}

}  // namespace

std::uint32_t EcrivainBase::ajouterNotes(const std::vector<std::string>& lignes) {
    verifierEnCours();
    std::vector<std::string> aRanger = lignesDeNotes(lignes);
    if (aRanger.empty()) return 0;
    if (aRanger.size() > kLignesNotesMax) {
        lignesAbandonnees_ += aRanger.size() - kLignesNotesMax;
        aRanger.resize(kLignesNotesMax);
    }
    std::vector<std::uint8_t> bloc(2);
    octets::ecrireU16(bloc.data(), static_cast<std::uint16_t>(aRanger.size()));
    for (const std::string& l : aRanger) {
        bloc.insert(bloc.end(), l.begin(), l.end());
        bloc.push_back('\n');
    }
    std::uint64_t debut = enTete_.notes + tailleNotes_;
    if (debut + bloc.size() > kDecalageMax) ecritureImpossible();
    ecrireA(debut, bloc.data(), bloc.size());
    tailleNotes_ += bloc.size();
    return static_cast<std::uint32_t>(debut - enTete_.notes + 1);
}

// L'import écrit tout le monde ; ce filet garde des liens valides si un numéro est oublié.
void EcrivainBase::completerEnregistrementsManquants() {
    for (std::uint32_t n = 1; n <= dimensions_.individus; ++n) {
        if (individusEcrits_[n - 1]) continue;
        Individu vide;
        vide.fratrie = -static_cast<std::int32_t>(n);
        ecrireIndividu(n, vide);
    }
    for (std::uint32_t f = 1; f <= dimensions_.familles; ++f) {
        if (famillesEcrites_[f - 1]) continue;
        Famille seule;
        seule.suivante = -static_cast<std::int32_t>(f);
        ecrireFamille(f, seule);
    }
}

void EcrivainBase::ecrireTablesEtEnTete() {
    std::uint64_t position = enTete_.notes + tailleNotes_;
    for (int t = 0; t < kNombreTablesTexte; ++t) {
        if (position > kDecalageMax) ecritureImpossible();
        enTete_.tables[t] = static_cast<std::uint32_t>(position);
        tables_[t]->recopier(fichier_, position);
        position += tables_[t]->taille();
    }
    // Les emplacements d'événements de fin jamais écrits doivent exister, à zéro.
    fichier_.fixerTaille(position);
    std::uint8_t octets[EnTeteBase::kTaille];
    enTete_.ecrire(octets);
    fichier_.ecrire(0, octets, sizeof octets);
}

BaseGenealogique EcrivainBase::terminer() {
    verifierEnCours();
    completerEnregistrementsManquants();
    viderTampons();
    ecrireTablesEtEnTete();
    termine_ = true;
    for (auto& t : tables_) t.reset();
    BaseGenealogique base(std::move(fichier_));
    base.fixerTetesDeBranche(std::move(tetesDeBranche_));
    return base;
}

}  // namespace lignara
