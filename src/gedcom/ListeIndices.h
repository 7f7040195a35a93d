#pragma once
// Courte liste d'indices (familles d'une personne, enfants d'une famille) rangée dans la fiche
// même tant qu'elle tient en N cases ; au-delà, sur le tas. Presque toutes les listes d'un
// fichier sont courtes : un vecteur par liste coûtait une allocation à la première entrée,
// d'autres à chaque agrandissement, un saut en mémoire à chaque lecture et une libération à
// la fin, pour des millions de listes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace lignara {

template <std::size_t N>
class ListeIndices {
    static_assert(N >= 2, "la place en ligne doit au moins valoir un pointeur");

public:
    using value_type = std::uint32_t;
    using iterator = std::uint32_t*;
    using const_iterator = const std::uint32_t*;

    ListeIndices() = default;
    ListeIndices(const ListeIndices& autre) { assign(autre.begin(), autre.end()); }
    ListeIndices(ListeIndices&& autre) noexcept { prendre(autre); }
    ListeIndices& operator=(const ListeIndices& autre) {
        if (this != &autre) assign(autre.begin(), autre.end());
        return *this;
    }
    ListeIndices& operator=(ListeIndices&& autre) noexcept {
        if (this != &autre) {
            liberer();
            prendre(autre);
        }
        return *this;
    }
    ~ListeIndices() { liberer(); }

    std::size_t size() const { return taille_; }
    bool empty() const { return taille_ == 0; }
    std::uint32_t* data() { return surLeTas() ? tas_ : enLigne_; }
    const std::uint32_t* data() const { return surLeTas() ? tas_ : enLigne_; }
    iterator begin() { return data(); }
    iterator end() { return data() + taille_; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + taille_; }
    std::uint32_t& operator[](std::size_t i) { return data()[i]; }
    std::uint32_t operator[](std::size_t i) const { return data()[i]; }
    std::uint32_t front() const { return data()[0]; }
    std::uint32_t back() const { return data()[taille_ - 1]; }

    void push_back(std::uint32_t x) {
        if (taille_ == capacite_) agrandir(capacite_ * 2);
        data()[taille_++] = x;
    }
    void clear() { taille_ = 0; }
    // Garde la place déjà prise.
    template <typename It>
    void assign(It premier, It dernier) {
        clear();
        for (; premier != dernier; ++premier) push_back(*premier);
    }
    iterator erase(iterator premier, iterator dernier) {
        std::copy(dernier, end(), premier);
        taille_ -= static_cast<std::uint32_t>(dernier - premier);
        return premier;
    }
    bool operator==(const ListeIndices& autre) const { return std::equal(begin(), end(), autre.begin(), autre.end()); }

private:
    bool surLeTas() const { return capacite_ > N; }

    void agrandir(std::size_t capacite) {
        auto* nouveau = new std::uint32_t[capacite];
        std::memcpy(nouveau, data(), taille_ * sizeof(std::uint32_t));
        liberer();
        tas_ = nouveau;
        capacite_ = static_cast<std::uint32_t>(capacite);
    }
    void liberer() {
        if (surLeTas()) delete[] tas_;
        capacite_ = N;
    }
    // autre devient vide ; this doit être libre.
    void prendre(ListeIndices& autre) {
        taille_ = autre.taille_;
        capacite_ = autre.capacite_;
        if (autre.surLeTas())
            tas_ = autre.tas_;
        else
            std::memcpy(enLigne_, autre.enLigne_, sizeof enLigne_);
        autre.taille_ = 0;
        autre.capacite_ = N;
    }

    std::uint32_t taille_ = 0;
    std::uint32_t capacite_ = N;
    union {
        std::uint32_t enLigne_[N] = {};
        std::uint32_t* tas_;
    };
};

}  // namespace lignara
