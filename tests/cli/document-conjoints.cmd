# Choix du conjoint des documents familiaux : des conjoints homonymes se distinguent dans la
# liste par leur naissance et leur identifiant, que --conjoint accepte ; un couple marié deux
# fois n'a qu'un conjoint à choisir (rien à demander).
#ecrire @DOSSIER@/conjoints.ged
0 HEAD
1 CHAR ANSI
0 @I1@ INDI
1 NAME Pierre /Dupont/
1 SEX M
1 FAMS @F1@
1 FAMS @F2@
0 @I2@ INDI
1 NAME Marie /Martin/
1 SEX F
1 BIRT
2 DATE 3 MAR 1901
1 FAMS @F1@
0 @I3@ INDI
1 NAME Marie /Martin/
1 SEX F
1 BIRT
2 DATE 1905
1 FAMS @F2@
0 @I4@ INDI
1 NAME Jean /Roux/
1 SEX M
1 FAMS @F3@
1 FAMS @F4@
0 @I5@ INDI
1 NAME Anne /Blanc/
1 SEX F
1 FAMS @F3@
1 FAMS @F4@
0 @I6@ INDI
1 NAME Paul /Roux/
1 SEX M
1 FAMC @F4@
0 @F1@ FAM
1 HUSB @I1@
1 WIFE @I2@
0 @F2@ FAM
1 HUSB @I1@
1 WIFE @I3@
0 @F3@ FAM
1 HUSB @I4@
1 WIFE @I5@
1 DIV Y
0 @F4@ FAM
1 HUSB @I4@
1 WIFE @I5@
1 CHIL @I6@
0 TRLR
#fin
lignara document arbre-mixte-familial @DOSSIER@/conjoints.ged --racine "Pierre /Dupont/" --sortie @DOSSIER@/a.pdf
lignara document arbre-mixte-familial @DOSSIER@/conjoints.ged --racine "Pierre /Dupont/" --conjoint @I3@ --sortie @DOSSIER@/a.pdf
lignara document arbre-mixte-familial @DOSSIER@/conjoints.ged --racine "Jean /Roux/" --sortie @DOSSIER@/b.pdf
