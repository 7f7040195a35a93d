# « lignara importer » : le rapport dans le terminal et dans son fichier (Windows-1252, fins de
# ligne CR LF), puis le résumé ; un fichier absent donne le message et un code non nul.
lignara importer @FIXTURES@/mari-sans-fams.ged --base @DOSSIER@/base.bin --rapport @DOSSIER@/rapport.txt
#fichier @DOSSIER@/rapport.txt
lignara importer /nulle/part/absent.ged
