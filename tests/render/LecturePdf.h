#pragma once
// Lecture des PDF écrits par la surface, pour les essais : objets par numéro, flux de contenu
// des pages décompressés, outils de poppler sur le fichier.
#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"

namespace lignara::essai {

class LecturePdf {
public:
    explicit LecturePdf(const std::filesystem::path& chemin) : octets(lireFichier(chemin)) {}

    // Texte de l'objet n, de « n 0 obj » à « endobj » ; vide s'il n'est pas écrit.
    std::string objet(int n) const {
        const std::string debut = "\n" + std::to_string(n) + " 0 obj\n";
        std::size_t p = octets.find(debut);
        if (p == std::string::npos) return {};
        std::size_t fin = octets.find("endobj\n", p);
        return octets.substr(p + 1, fin - p - 1);
    }

    // Données décompressées des flux de contenu des pages, dans l'ordre des numéros d'objets.
    std::vector<std::string> contenus() const {
        std::vector<std::string> resultat;
        std::size_t p = 0;
        while ((p = octets.find("/Filter [/FlateDecode]\n  >>\nstream\n", p)) != std::string::npos) {
            std::size_t l = octets.rfind("/Length ", p);
            const auto longueur = std::stoul(octets.substr(l + 8, 10));
            p = octets.find("stream\n", p) + 7;
            resultat.push_back(inflater(octets.substr(p, longueur)));
        }
        return resultat;
    }

    std::size_t compter(const std::string& motif) const { return compterDans(octets, motif); }

    static std::size_t compterDans(const std::string& texte, const std::string& motif) {
        std::size_t n = 0;
        for (std::size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
        return n;
    }

    // Données décompressées d'un flux zlib entier, sans rien après sa fin.
    static std::string inflater(const std::string& z) {
        std::string sortie;
        z_stream flux{};
        inflateInit(&flux);
        flux.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(z.data()));
        flux.avail_in = static_cast<uInt>(z.size());
        std::array<char, 4096> tampon;
        int r = Z_OK;
        while (r == Z_OK) {
            flux.next_out = reinterpret_cast<Bytef*>(tampon.data());
            flux.avail_out = static_cast<uInt>(tampon.size());
            r = inflate(&flux, Z_NO_FLUSH);
            sortie.append(tampon.data(), tampon.size() - flux.avail_out);
        }
        inflateEnd(&flux);
        EXPECT_EQ(r, Z_STREAM_END);
        EXPECT_EQ(flux.avail_in, 0u);
        return sortie;
    }

    std::string octets;
};

}  // namespace lignara::essai
