#include "documents/arbres/TextesBoites.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "commun/Texte.h"
#include "documents/CheminPhoto.h"
#include "dates/DateFormat.h"

namespace lignara {

namespace {

// Une demande de lecture : la référence et la chaîne où ranger le texte.
struct Demande {
    std::uint32_t ref = 0;
    std::string* cible = nullptr;
    TexteCharge texte;
};

void lireTable(const BaseGenealogique& base, std::vector<Demande>& demandes, TableTexte table) {
    base.ChargerTextes(demandes, &Demande::ref, &Demande::texte, table);
    for (Demande& d : demandes) *d.cible = *d.texte;
}

// Date et lieu d'un événement, tels que la boîte les montre.
struct TexteEvenement {
    std::string date;
    std::string lieu;
};

struct DemandeEvenement {
    std::uint32_t numero = 0;
    TexteEvenement* cible = nullptr;
};

void lireEvenements(const BaseGenealogique& base, std::vector<DemandeEvenement>& demandes, std::uint8_t donnees) {
    std::stable_sort(demandes.begin(), demandes.end(),
                     [](const DemandeEvenement& a, const DemandeEvenement& b) { return a.numero < b.numero; });
    std::vector<Demande> lieux;
    std::uint32_t courant = 0;
    Evenement ev;
    for (DemandeEvenement& d : demandes) {
        if (d.numero == 0) continue;
        if (d.numero != courant) ev = base.LireEvenement(courant = d.numero);
        if ((donnees & 1) && !ev.date.absente()) d.cible->date = texteDate(ev.date, FormatJourMois);
        if ((donnees & 2) && ev.lieu) lieux.push_back({ev.lieu, &d.cible->lieu, {}});
    }
    lireTable(base, lieux, TableLieux);
    for (DemandeEvenement& d : demandes) d.cible->lieu = lieuLisible(d.cible->lieu);
}

std::string ligneEvenement(const char* signe1252, const TexteEvenement& e) {
    if (e.date.empty() && e.lieu.empty()) return {};
    std::string s = signe1252;
    s += e.date;
    if (!e.date.empty() && !e.lieu.empty()) s += ' ';
    return s + e.lieu;
}

struct TextesLus {
    std::string nom, prenoms, profession, commentaire;
    TexteEvenement naissance, deces, mariage;
    std::string photos;
};

void mesurer(BoiteArbre& n, const TextesLus& t, const BaseGenealogique& base, const ReglesTextes& r) {
    const MetriquePolice& police = *r.police;
    n.ligneNom = t.nom;
    if (!t.nom.empty() && !t.prenoms.empty()) n.ligneNom += ' ';
    n.ligneNom += t.prenoms;
    n.lignes[0] = ligneEvenement("\xB0 ", t.naissance);
    n.lignes[1] = ligneEvenement("+ ", t.deces);
    n.lignes[2] = t.profession;
    n.lignes[3] = t.commentaire;
    std::int32_t large = largeurTexte(police, n.ligneNom);
    for (const std::string& l : n.lignes) large = std::max(large, largeurTexte(police, l));
    n.largeur = large + 2 * kMargeBoite;
    if (n.mariage) {
        n.texteMariage[0] = t.mariage.date.empty() ? std::string() : "x " + t.mariage.date;
        n.texteMariage[1] = t.mariage.lieu;
        n.largeurMariage = 0;
        for (const std::string& l : n.texteMariage)
            n.largeurMariage = std::max(n.largeurMariage, largeurTexte(police, l));
    }
    if (n.photos && r.taillePhoto) {
        std::vector<std::string> chemins = base.LirePhotos(n.photos);
        std::optional<TaillePixels> taille;
        if (!chemins.empty()) {
            chemins[0] = resoudreCheminPhoto(chemins[0], base.LireIndividu(n.personne).fichierGedcom, r.dossiersGedcom);
            taille = r.taillePhoto(chemins[0]);
        }
        if (taille && taille->largeur > 0 && taille->hauteur > 0) {
            n.photo = chemins[0];
            n.largeurPhoto = static_cast<std::int32_t>(std::int64_t{kHauteurPhoto} * taille->largeur * r.facteurPhoto /
                                                       (std::int64_t{taille->hauteur} * 100));
            n.largeur += n.largeurPhoto + kMargeBoite;
        }
    }
}

}  // namespace

std::string lieuLisible(const std::string& lieu) { return lieu.size() > 3 ? lieu.substr(3) : std::string(); }

void preparerTextes(ArbreDeBoites& arbre, const BaseGenealogique& base, const ReglesTextes& regles) {
    std::vector<NoeudAscendant*> noeuds = arbre.boites();
    preparerTextes(std::vector<BoiteArbre*>(noeuds.begin(), noeuds.end()), base, regles);
}

void preparerTextes(const std::vector<BoiteArbre*>& boites, const BaseGenealogique& base, const ReglesTextes& regles) {
    assert(regles.police != nullptr);
    std::vector<TextesLus> lus(boites.size());
    std::vector<Demande> noms, prenoms, professions, commentaires;
    std::vector<DemandeEvenement> evenements;
    for (std::size_t i = 0; i < boites.size(); ++i) {
        BoiteArbre& n = *boites[i];
        TextesLus& t = lus[i];
        noms.push_back({n.nom, &t.nom, {}});
        prenoms.push_back({n.prenoms, &t.prenoms, {}});
        if (n.profession) professions.push_back({n.profession, &t.profession, {}});
        if (n.commentaire) commentaires.push_back({n.commentaire, &t.commentaire, {}});
        if (n.naissance) evenements.push_back({n.naissance, &t.naissance});
        if (n.deces) evenements.push_back({n.deces, &t.deces});
        if (n.mariage) evenements.push_back({n.mariage, &t.mariage});
    }
    lireTable(base, noms, TableNoms);
    lireTable(base, prenoms, TablePrenoms);
    lireTable(base, professions, TableProfessions);
    lireTable(base, commentaires, TableCommentaires);
    lireEvenements(base, evenements, regles.donnees);
    // Les listes de photos, par référence croissante elles aussi.
    std::vector<std::size_t> ordre(boites.size());
    for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](std::size_t a, std::size_t b) { return boites[a]->photos < boites[b]->photos; });
    for (std::size_t i : ordre) mesurer(*boites[i], lus[i], base, regles);
}

}  // namespace lignara
