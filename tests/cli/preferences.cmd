# « lignara preferences » : un format de papier inconnu est refusé avec la liste des formats, sans
# rien écrire ; sans fichier, les valeurs par défaut ; un fichier coupé est dit abîmé, mis de côté
# par --reinitialiser qui réécrit les défauts ; une version inconnue reste illisible.
lignara preferences --papier A5
#fichiers @DOSSIER@/lignara
lignara preferences
#octets @DOSSIER@/lignara/Config.dwa 5B 02 01
lignara preferences
lignara preferences --reinitialiser
#fichier @DOSSIER@/lignara/Config.dwa.abime
#octets @DOSSIER@/lignara/Config.dwa 01 00
lignara preferences
