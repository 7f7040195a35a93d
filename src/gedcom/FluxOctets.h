#pragma once
// Lecture tamponnée d'un fichier ouvert en binaire, octet par octet ou par ligne physique, avec
// un tampon à nous : le lecteur de lignes passe sur chaque octet et doit tenir plus de 150 Mo/s.
// Une erreur de lecture se comporte comme la fin du fichier, comme la limite donnée (la taille
// du fichier à son ouverture) : un fichier qui grandit pendant la lecture n'est pas lu sans fin.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace lignara {

// Ce que lireLigne a trouvé : la ligne copiée fait `longueur` octets, sans sa fin de ligne.
struct LignePhysique {
    std::size_t longueur = 0;
    bool finFichier = false;  // rien n'a pu être lu : le fichier était fini
    bool coupee = false;      // la ligne dépassait la place donnée ; le reste a été sauté
};

class FluxOctets {
public:
    static constexpr int kFin = -1;

    // Prend possession du fichier (le ferme à la destruction) ; rien n'est lu au-delà de limite.
    explicit FluxOctets(std::FILE* fichier, std::uint64_t limite = UINT64_MAX);
    ~FluxOctets();
    FluxOctets(const FluxOctets&) = delete;
    FluxOctets& operator=(const FluxOctets&) = delete;

    int regarder() {
        if (debut_ == fin_ && !remplir()) return kFin;
        return static_cast<unsigned char>(tampon_[debut_]);
    }
    int lire() {
        int c = regarder();
        if (c != kFin) ++debut_;
        return c;
    }
    // Décalage en octets du prochain octet à lire.
    std::uint64_t position() const { return positionTampon_ + debut_; }
    bool positionner(std::uint64_t decalage);
    // Les prochaines lectures couvriront à peu près [debut, fin) : un saut dans cet intervalle
    // lit jusqu'à fin d'un coup (dans la limite du tampon) au lieu de commencer petit.
    void annoncer(std::uint64_t debut, std::uint64_t fin) {
        annonceDebut_ = debut;
        annonceFin_ = fin;
    }

    // Copie dans destination les octets jusqu'à CR ou LF (au plus place octets), puis consomme la
    // fin de ligne : CR, LF, CR LF ou LF CR comptent chacun pour une seule fin.
    LignePhysique lireLigne(char* destination, std::size_t place);

private:
    bool remplir();
    void consommerFinDeLigne();

    static constexpr std::size_t kTaille = 1 << 18;
    // Après un saut hors du tampon, une relecture ne lit d'abord qu'un enregistrement ou deux :
    // remplir 256 Ko à chacune des millions de relectures coûtait plus que la lecture entière.
    // Les lectures suivantes grandissent par quatre jusqu'à la taille du tampon.
    static constexpr std::size_t kTailleApresSaut = 1 << 12;
    std::FILE* fichier_;
    std::uint64_t limite_;
    std::size_t prochaineLecture_ = kTaille;
    std::unique_ptr<char[]> tampon_;
    std::size_t debut_ = 0;
    std::size_t fin_ = 0;
    std::uint64_t positionTampon_ = 0;
    std::uint64_t annonceDebut_ = 0, annonceFin_ = 0;
};

}  // namespace lignara
