# « lignara parente » : l'ancêtre commun et les deux lignées ; refus de la même personne, des
# homonymes (avec leurs identifiants) et des personnes sans lien.
lignara parente @FIXTURES@/parente-homonymes-et-cles-non-triees.ged @I5@ "Claire /Dupont/"
lignara parente @FIXTURES@/parente-homonymes-et-cles-non-triees.ged @I10@ "Jean /Dupont/ 3/3/1900"
lignara parente @FIXTURES@/parente-homonymes-et-cles-non-triees.ged "Jean /Dupont/" @I2@
lignara parente @FIXTURES@/parente-homonymes-et-cles-non-triees.ged "Émile /Léger/" @I2@
lignara parente /nexiste/pas.ged @I1@ @I2@
