#pragma once
// Surveillance des fichiers GEDCOM sources du fichier ouvert : un autre logiciel qui en
// réécrit un doit être remarqué, pour que les documents qui relisent le GEDCOM refusent de
// travailler sur une base périmée.
//
// Une surveillance inotify par dossier distinct (chemins comparés octet par octet), sans les
// sous-dossiers. Quand un dossier bouge, chaque fichier source est examiné : sa date de
// dernière écriture (avec sa taille et son inode, qu'un renommage remplace) doit avoir changé,
// puis rester la même pendant 500 ms, et ses 50 derniers octets doivent contenir « 0 TRLR » :
// un fichier en cours d'écriture n'est pas signalé avant d'être complet. Au moins un fichier
// changé : le rappel est appelé une fois, depuis le thread de surveillance.
//
// Le thread tourne de la construction à la destruction (ou arreter()), qui l'interrompt même
// au milieu d'une attente.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

namespace lignara {

class SurveillanceGedcom {
public:
    static constexpr std::chrono::milliseconds kAttenteStable{500};
    static constexpr std::size_t kOctetsDeFin = 50;

    // Ce qui dit qu'un fichier a été réécrit ; tout à zéro quand il ne peut pas être examiné.
    struct Empreinte {
        std::int64_t dateNs = 0;
        std::uint64_t taille = 0;
        std::uint64_t inode = 0;
        bool lisible = false;
        friend bool operator==(const Empreinte&, const Empreinte&) = default;
    };

    // Les empreintes sont relevées ici. Un dossier qui ne peut être surveillé est ignoré ; si
    // aucun ne peut l'être, ou que le thread ne peut être créé, rien n'est surveillé.
    SurveillanceGedcom(std::vector<std::filesystem::path> sources, std::function<void()> rappel);
    ~SurveillanceGedcom();
    SurveillanceGedcom(const SurveillanceGedcom&) = delete;
    SurveillanceGedcom& operator=(const SurveillanceGedcom&) = delete;

    void arreter() noexcept;
    std::size_t nombreDossiers() const { return dossiers_; }
    bool active() const { return fil_.joinable(); }

    static Empreinte examiner(const std::filesystem::path& fichier);
    // Vrai quand les 50 derniers octets du fichier contiennent « 0 TRLR ».
    static bool finitParTrlr(const std::filesystem::path& fichier, bool& ouvert);

private:
    void tourner();
    // Faux quand l'arrêt est demandé pendant l'attente.
    bool attendre(std::chrono::milliseconds duree) const;
    // Rend vrai quand le fichier a changé ; faux aussi quand l'arrêt est demandé.
    bool examinerSource(std::size_t i);
    void viderEvenements() const;

    std::vector<std::filesystem::path> sources_;
    std::vector<Empreinte> empreintes_;
    std::function<void()> rappel_;
    int inotify_ = -1;
    int arret_ = -1;  // eventfd
    std::size_t dossiers_ = 0;
    std::thread fil_;
};

}  // namespace lignara
