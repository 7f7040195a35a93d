// Fichier compilé des catégories, entiers little-endian, sans bourrage.
//   DÉC.   TAILLE  CONTENU
//     0      2     version, toujours 501 (écrite en dernier avec le décalage suivant)
//     2      2     décalage D de l'automate depuis le début du fichier
//     4      1     nombre de catégories (255 au plus)
//     5      1     longueur du plus long nom (255 au plus)
//     6      …     les noms, chacun suivi d'un octet 10 (saut de ligne)
//     D      …     les nœuds, jusqu'à la fin du fichier
// Nœud (8 + 8 × n octets) :
//     0      1     catégorie (255 : aucune)
//     1      1     nombre n d'enfants (27 au plus)
//     2      2     zéros
//     4      4     décalage du nœud d'échec
//     8    8 × n   enfants dans l'ordre des caractères (espace d'abord) : caractère (espace ou
//                  'A'–'Z'), trois zéros, décalage du nœud enfant sur 4 octets
// Décalages relatifs au début de l'automate. La racine est au décalage 0 avec 27 enfants : ses
// 26 lettres reviennent sur elle-même, l'espace mène au nœud de début de mot, sous lequel sont
// rangés tous les mots-clés ; un mot-clé ne s'accorde ainsi qu'à partir d'un début de mot. Les
// autres nœuds suivent en ordre préfixe.
#include "reference/CategorieCompilateur.h"

#include <cstdio>
#include <deque>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieTexte.h"

namespace lignara {

namespace {

constexpr std::int32_t kRacine = 0;
constexpr std::int32_t kDebutDeMot = 1;

int indiceCaractere(char c) { return c == ' ' ? 0 : c - 'A' + 1; }
char caractereIndice(int i) { return i == 0 ? ' ' : static_cast<char>('A' + i - 1); }

void ecrire16(std::vector<std::uint8_t>& o, std::size_t pos, std::uint32_t v) {
    o[pos] = static_cast<std::uint8_t>(v);
    o[pos + 1] = static_cast<std::uint8_t>(v >> 8);
}

void ajouter32(std::vector<std::uint8_t>& o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::string formater(const char* patron, const std::string& valeur) {
    std::vector<char> tampon(valeur.size() + 512);
    std::snprintf(tampon.data(), tampon.size(), patron, valeur.c_str());
    return tampon.data();
}

}  // namespace

CategorieCompilateur::Noeud::Noeud() {
    for (auto& e : enfants) e = -1;
}

CategorieCompilateur::CategorieCompilateur(const CategorieDefinition& definition, bool professions)
    : definition_(definition), noeuds_(2) {
    if (definition.noms().size() > kCategoriesMaximum) {
        char message[160];
        std::snprintf(message, sizeof message, "Trop de catégories : %zu ; %zu au plus"_1252, definition.noms().size(),
                      kCategoriesMaximum);
        throw OperationImpossible(message);
    }
    for (int i = 1; i <= 26; ++i) noeuds_[kRacine].enfants[i] = kRacine;
    noeuds_[kRacine].enfants[0] = kDebutDeMot;
    noeuds_[kDebutDeMot].echec = kRacine;
    for (const auto& motCle : definition.motsCles()) {
        std::string mot = normaliserMotCle(motCle.texte);
        if (mot.empty()) continue;
        auto categorie = static_cast<std::uint8_t>(motCle.categorie);
        bool doublon = inserer(mot, categorie, true);
        if (!professions) continue;
        // Le doublon d'un mot-clé entraîne celui de sa forme dérivée : un seul avertissement.
        if (std::string feminin = formeFeminine(mot); !feminin.empty()) inserer(feminin, categorie, !doublon);
    }
    if (definition.noms().size() > kCategoriesUtilisees) {
        char message[256];
        std::snprintf(message, sizeof message,
                      "ATTENTION : le nombre de catégories est trop élevé.\nSeules les %d premières "
                      "catégories seront prises en compte\ndans les arbres chromatiques."_1252,
                      kCategoriesUtilisees);
        avertissements_.push_back(message);
    }
    calculerEchecs();
}

bool CategorieCompilateur::inserer(const std::string& mot, std::uint8_t categorie, bool avertir) {
    std::int32_t n = kDebutDeMot;
    for (char c : mot) {
        int i = indiceCaractere(c);
        if (noeuds_[n].enfants[i] < 0) {
            noeuds_[n].enfants[i] = static_cast<std::int32_t>(noeuds_.size());
            noeuds_.emplace_back();
        }
        n = noeuds_[n].enfants[i];
    }
    std::uint8_t& fin = noeuds_[n].categorie;
    bool doublon = fin != 255 && fin != categorie;
    if (doublon && avertir)
        avertissements_.push_back(formater("Attention : \"%s\" apparaît dans plusieurs catégories"_1252, mot));
    fin = categorie;
    return doublon;
}

// En largeur depuis le début de mot : l'échec d'un nœud atteint par c est l'enfant sur c du
// premier nœud de la chaîne d'échec du parent qui en a un (la racine en a sur tout caractère).
void CategorieCompilateur::calculerEchecs() {
    std::deque<std::int32_t> file{kDebutDeMot};
    while (!file.empty()) {
        std::int32_t parent = file.front();
        file.pop_front();
        for (int i = 0; i < 27; ++i) {
            std::int32_t enfant = noeuds_[parent].enfants[i];
            if (enfant < 0) continue;
            std::int32_t f = noeuds_[parent].echec;
            while (noeuds_[f].enfants[i] < 0) f = noeuds_[f].echec;
            noeuds_[enfant].echec = noeuds_[f].enfants[i];
            file.push_back(enfant);
        }
    }
}

// Ordre préfixe, enfants dans l'ordre des caractères ; pile explicite, un mot-clé pouvant
// faire des dizaines de milliers de caractères.
std::vector<std::int32_t> CategorieCompilateur::ordrePrefixe() const {
    std::vector<std::int32_t> ordre{kRacine};
    std::vector<std::int32_t> pile{kDebutDeMot};
    while (!pile.empty()) {
        std::int32_t n = pile.back();
        pile.pop_back();
        ordre.push_back(n);
        for (int i = 26; i >= 0; --i)
            if (noeuds_[n].enfants[i] >= 0) pile.push_back(noeuds_[n].enfants[i]);
    }
    return ordre;
}

std::vector<std::uint8_t> CategorieCompilateur::image() const {
    std::vector<std::uint8_t> o(6, 0);
    o[4] = static_cast<std::uint8_t>(definition_.noms().size());
    o[5] = static_cast<std::uint8_t>(definition_.longueurNomMaximale());
    for (const auto& nom : definition_.noms()) {
        o.insert(o.end(), nom.begin(), nom.end());
        o.push_back(10);
    }
    std::size_t debutAutomate = o.size();

    std::vector<std::int32_t> ordre = ordrePrefixe();
    std::vector<std::uint32_t> decalage(noeuds_.size(), 0);
    std::uint32_t position = 0;
    for (std::int32_t n : ordre) {
        decalage[n] = position;
        int enfants = 0;
        for (std::int32_t e : noeuds_[n].enfants) enfants += e >= 0;
        position += 8 + 8 * static_cast<std::uint32_t>(enfants);
    }
    for (std::int32_t n : ordre) {
        const Noeud& noeud = noeuds_[n];
        std::uint8_t enfants = 0;
        for (std::int32_t e : noeud.enfants) enfants = static_cast<std::uint8_t>(enfants + (e >= 0));
        o.insert(o.end(), {noeud.categorie, enfants, 0, 0});
        ajouter32(o, n == kRacine ? 0 : decalage[noeud.echec]);
        for (int i = 0; i < 27; ++i) {
            if (noeud.enfants[i] < 0) continue;
            o.insert(o.end(), {static_cast<std::uint8_t>(caractereIndice(i)), 0, 0, 0});
            ajouter32(o, decalage[noeud.enfants[i]]);
        }
    }
    ecrire16(o, 0, 501);
    ecrire16(o, 2, static_cast<std::uint32_t>(debutAutomate));
    return o;
}

}  // namespace lignara
