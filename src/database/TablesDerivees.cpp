#include "database/TablesDerivees.h"

#include "database/EstimationNaissances.h"
#include "database/IntervallesAnnees.h"
#include "database/LiensFamiliaux.h"
#include "database/StatutVital.h"

namespace lignara {

TablesDerivees calculerTablesDerivees(const BaseGenealogique& base, int anneeCourante, const std::atomic<bool>* arret) {
    TablesDerivees tables;
    tables.evenements = IntervallesEvenements(base);
    tables.mariages = IntervallesMariages(base, tables.evenements);
    const LiensFamiliaux liens = LiensFamiliaux::lire(base);
    EstimationNaissances estimation(liens, tables.evenements, tables.mariages);
    estimation.calculer(arret);
    tables.anneesNaissance = estimation.annees();
    tables.statutsVitaux = calculerStatutVital(liens, tables.anneesNaissance, anneeCourante);
    tables.passes = estimation.passesFaites();
    tables.arreteeAvantTerme = estimation.arreteeAvantTerme();
    return tables;
}

}  // namespace lignara
