#include "session/SurveillanceGedcom.h"

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lignara {

namespace fs = std::filesystem;

namespace {

// Tout ce qui peut laisser un fichier réécrit : écriture en place, remplacement par renommage,
// création, simple changement de date.
constexpr std::uint32_t kMasque = IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_ATTRIB;

std::string dossierDe(const fs::path& fichier) {
    fs::path d = fichier.parent_path();
    return d.empty() ? std::string(".") : d.native();
}

}  // namespace

SurveillanceGedcom::SurveillanceGedcom(std::vector<fs::path> sources, std::function<void()> rappel)
    : sources_(std::move(sources)), rappel_(std::move(rappel)) {
    for (const fs::path& s : sources_) empreintes_.push_back(examiner(s));
    inotify_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    arret_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (inotify_ < 0 || arret_ < 0) {
        arreter();
        return;
    }
    std::set<std::string> vus;
    for (const fs::path& s : sources_) {
        std::string dossier = dossierDe(s);
        if (!vus.insert(dossier).second) continue;
        if (::inotify_add_watch(inotify_, dossier.c_str(), kMasque | IN_ONLYDIR) >= 0) ++dossiers_;
    }
    if (dossiers_ == 0) {
        arreter();
        return;
    }
    try {
        fil_ = std::thread([this] { tourner(); });
    } catch (const std::system_error&) {
        arreter();
    }
}

SurveillanceGedcom::~SurveillanceGedcom() { arreter(); }

void SurveillanceGedcom::arreter() noexcept {
    if (fil_.joinable()) {
        std::uint64_t un = 1;
        // Un eventfd accepte toujours cette écriture tant que son compteur n'est pas saturé.
        [[maybe_unused]] ssize_t n = ::write(arret_, &un, sizeof un);
        fil_.join();
    }
    if (inotify_ >= 0) ::close(inotify_);
    if (arret_ >= 0) ::close(arret_);
    inotify_ = arret_ = -1;
}

SurveillanceGedcom::Empreinte SurveillanceGedcom::examiner(const fs::path& fichier) {
    struct stat s {};
    if (::stat(fichier.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return {};
    Empreinte e;
    e.dateNs = static_cast<std::int64_t>(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec;
    e.taille = static_cast<std::uint64_t>(s.st_size);
    e.inode = static_cast<std::uint64_t>(s.st_ino);
    e.lisible = true;
    return e;
}

bool SurveillanceGedcom::finitParTrlr(const fs::path& fichier, bool& ouvert) {
    int fd = ::open(fichier.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);  // un tube ne fait pas attendre
    ouvert = fd >= 0;
    if (!ouvert) return false;
    std::array<char, kOctetsDeFin> fin{};
    struct stat s {};
    ssize_t lus = -1;
    if (::fstat(fd, &s) == 0) {
        off_t debut = s.st_size > static_cast<off_t>(fin.size()) ? s.st_size - static_cast<off_t>(fin.size()) : 0;
        lus = ::pread(fd, fin.data(), fin.size(), debut);
    }
    ::close(fd);
    if (lus <= 0) return false;
    return std::string_view(fin.data(), static_cast<std::size_t>(lus)).find("0 TRLR") != std::string_view::npos;
}

bool SurveillanceGedcom::attendre(std::chrono::milliseconds duree) const {
    pollfd p{arret_, POLLIN, 0};
    return ::poll(&p, 1, static_cast<int>(duree.count())) == 0;
}

void SurveillanceGedcom::viderEvenements() const {
    alignas(inotify_event) std::array<char, 4096> tampon{};
    while (::read(inotify_, tampon.data(), tampon.size()) > 0) {
    }
}

bool SurveillanceGedcom::examinerSource(std::size_t i) {
    Empreinte e = examiner(sources_[i]);
    if (!e.lisible || e == empreintes_[i]) return false;
    empreintes_[i] = e;
    for (;;) {
        if (!attendre(kAttenteStable)) return false;
        e = examiner(sources_[i]);
        if (!e.lisible) return false;  // disparu : rien à signaler tant qu'il n'est pas revenu
        if (e != empreintes_[i]) {
            empreintes_[i] = e;
            continue;
        }
        bool ouvert = false;
        // Ouvert ailleurs en écriture exclusive, ou sans sa fin : on attend encore.
        if (finitParTrlr(sources_[i], ouvert)) return true;
    }
}

void SurveillanceGedcom::tourner() {
    for (;;) {
        std::array<pollfd, 2> attentes{pollfd{inotify_, POLLIN, 0}, pollfd{arret_, POLLIN, 0}};
        if (::poll(attentes.data(), attentes.size(), -1) < 0) continue;
        if (attentes[1].revents != 0) return;
        if (attentes[0].revents == 0) continue;
        viderEvenements();
        bool change = false;
        for (std::size_t i = 0; i < sources_.size(); ++i) {
            if (examinerSource(i)) change = true;
            if (!attendre(std::chrono::milliseconds(0))) return;
        }
        if (change && rappel_) rappel_();
    }
}

}  // namespace lignara
