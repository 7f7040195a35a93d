# Fiches et trombinoscope : options tirées des déclarations, bornes de la hauteur des photos,
# aucune personne pour le trombinoscope complet ; la photo est liée (Web) ou intégrée (RTF).
#ecrire @DOSSIER@/photos.ged
0 HEAD
1 CHAR ANSI
0 @I1@ INDI
1 NAME Anne /ROY/
1 SEX F
1 BAPM
2 DATE 1900
1 OBJE
2 FILE anne.jpg
0 TRLR
#fin
#copier @SOURCES@/tests/cli/photo-blanche-8x8.jpg @DOSSIER@/anne.jpg
lignara document trombinoscope-complet @DOSSIER@/photos.ged --sortie @DOSSIER@ --option "Hauteur des photos=0"
lignara document trombinoscope-complet @DOSSIER@/photos.ged --sortie @DOSSIER@ --racine @I1@
lignara document trombinoscope-complet @DOSSIER@/photos.ged --sortie @DOSSIER@ --format web --option "Tri=Année de naissance" --option "Une seule photo par individu=oui"
#compter @DOSSIER@/TR_.htm anne.jpg"><img
lignara document fiche-individuelle @DOSSIER@/photos.ged --sortie @DOSSIER@ --racine @I1@ --format rtf --option "Taille des photos=Taille normale" --option "Evénements religieux=oui"
#compter @DOSSIER@/TI_ROY.rtf \jpegblip
#compter @DOSSIER@/TI_ROY.rtf Ev\'e9n\'e9ment religieux
