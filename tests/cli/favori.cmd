# « lignara favori » : ajouter, lister, exécuter donnent le document de « lignara document »
# avec les mêmes paramètres ; les noms se comparent casse comprise.
#ecrire @DOSSIER@/famille/sosa.ged
0 HEAD
1 CHAR ANSI
0 @I1@ INDI
1 NAME P1 /N1/
1 SEX M
1 BIRT
2 DATE 1900
1 FAMC @F1@
0 @I2@ INDI
1 NAME P2 /N2/
1 SEX M
1 FAMS @F1@
0 @I3@ INDI
1 NAME P3 /N3/
1 SEX F
1 FAMS @F1@
0 @I4@ INDI
1 NAME P4 /N4/
1 SEX M
0 @F1@ FAM
1 HUSB @I2@
1 WIFE @I3@
1 CHIL @I1@
0 TRLR
#fin
lignara favori ajouter @DOSSIER@/famille/sosa.ged "Arbre de P1" arbre-ascendant --racine @I1@ --option "Fond de page=Siècles"
lignara favori liste @DOSSIER@/famille/sosa.ged
lignara favori executer @DOSSIER@/famille/sosa.ged "Arbre de P1" --sortie @DOSSIER@/favori.pdf
lignara document arbre-ascendant @DOSSIER@/famille/sosa.ged --racine @I1@ --option "Fond de page=Siècles" --sortie @DOSSIER@/direct.pdf
#compter @DOSSIER@/direct.pdf %PDF-
#identiques @DOSSIER@/favori.pdf @DOSSIER@/direct.pdf
lignara favori executer @DOSSIER@/famille/sosa.ged "arbre de P1"
# Un chemin relatif, même avec « .. », désigne le bloc du chemin absolu.
#dans @DOSSIER@/famille
lignara favori liste ../famille/sosa.ged
