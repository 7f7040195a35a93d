// Subdivisions des pays autres que la France et les États-Unis, tirées des divisions
// administratives réelles de premier niveau. Les codes suivent l'ordre des lignes, à partir
// de 33 ; les noms d'une même subdivision (nom local et nom français) partagent leur code.
// Quand le nombre de lignes ne laisse pas de place à toutes les divisions actuelles, la table
// suit un découpage historique (Viêt Nam, Cambodge, Inde, Norvège) ou laisse de côté la
// capitale, qui reste alors un lieu lisible (Roumanie, Cambodge).
// Norvège : Ø n'a pas de lettre de clé, « Østfold » a donc la clé STFOLD.
#include <array>

#include "gedcom/LieuRecherche.h"
#include "gedcom/LieuTables.h"

namespace lignara {

namespace {

using lieux::trierParCle;

// Tunisie : gouvernorats, noms français et translittérations de l'arabe.
constexpr auto kTN = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ARIANA", 33}, {"ARYANAH", 33}, {"BEJA", 34}, {"BAJAH", 34}, {"BENAROUS", 35}, {"BINARUS", 35},
    {"BIZERTE", 36}, {"BANZART", 36}, {"GABES", 37}, {"QABIS", 37}, {"GAFSA", 38}, {"QAFSAH", 38},
    {"JENDOUBA", 39}, {"JUNDUBAH", 39}, {"KAIROUAN", 40}, {"ALQAYRAWAN", 40}, {"KASSERINE", 41},
    {"ALQASRAYN", 41}, {"KEBILI", 42}, {"QIBILI", 42}, {"LEKEF", 43}, {"ALKAF", 43}, {"MAHDIA", 44},
    {"ALMAHDIYAH", 44}, {"LAMANOUBA", 45}, {"MANUBAH", 45}, {"MEDENINE", 46}, {"MADANIN", 46},
    {"MONASTIR", 47}, {"ALMUNASTIR", 47}, {"NABEUL", 48}, {"NABUL", 48}, {"SFAX", 49},
    {"SAFAQIS", 49}, {"SIDIBOUZID", 50}, {"SIDIBUZAYD", 50}, {"SILIANA", 51}, {"SILYANAH", 51},
    {"SOUSSE", 52}, {"SUSAH", 52}, {"TATAOUINE", 53}, {"TATAWIN", 53}, {"TOZEUR", 54},
    {"TAWZAR", 54}, {"TUNIS", 55}, {"ZAGHOUAN", 56}, {"ZAGHWAN", 56},
}));

// Cambodge : provinces de 2008 à 2013 (sans Phnom Penh).
constexpr auto kKH = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BANTEAYMEANCHEY", 33}, {"BATTAMBANG", 34}, {"KAMPONGCHAM", 35}, {"KAMPONGCHHNANG", 36},
    {"KAMPONGSPEU", 37}, {"KAMPONGTHOM", 38}, {"KAMPOT", 39}, {"KANDAL", 40}, {"KEP", 41},
    {"KOHKONG", 42}, {"KRATIE", 43}, {"MONDOLKIRI", 44}, {"ODDARMEANCHEY", 45}, {"PAILIN", 46},
    {"PREAHSIHANOUK", 47}, {"PREAHVIHEAR", 48}, {"PREYVENG", 49}, {"PURSAT", 50},
    {"RATANAKIRI", 51}, {"SIEMREAP", 52}, {"STUNGTRENG", 53}, {"SVAYRIENG", 54}, {"TAKEO", 55},
}));

// Viêt Nam : provinces et municipalités de 1992 à 1996.
constexpr auto kVN = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ANGIANG", 33}, {"BARIAVUNGTAU", 34}, {"BACTHAI", 35}, {"BENTRE", 36}, {"BINHDINH", 37},
    {"BINHTHUAN", 38}, {"CAOBANG", 39}, {"CANTHO", 40}, {"DAKLAK", 41}, {"DONGNAI", 42},
    {"DONGTHAP", 43}, {"GIALAI", 44}, {"HABAC", 45}, {"HAGIANG", 46}, {"HANOI", 47}, {"HATAY", 48},
    {"HATINH", 49}, {"HAIHUNG", 50}, {"HAIPHONG", 51}, {"HOABINH", 52}, {"HOCHIMINHVILLE", 53},
    {"KHANHHOA", 54}, {"KIENGIANG", 55}, {"KONTUM", 56}, {"LAICHAU", 57}, {"LAMDONG", 58},
    {"LANGSON", 59}, {"LAOCAI", 60}, {"LONGAN", 61}, {"MINHHAI", 62}, {"NAMHA", 63}, {"NGHEAN", 64},
    {"NINHBINH", 65}, {"NINHTHUAN", 66}, {"PHUYEN", 67}, {"QUANGBINH", 68}, {"QUANGNAMDANANG", 69},
    {"QUANGNGAI", 70}, {"QUANGNINH", 71}, {"QUANGTRI", 72}, {"SOCTRANG", 73}, {"SONLA", 74},
    {"SONGBE", 75}, {"TAYNINH", 76}, {"THAIBINH", 77}, {"THANHHOA", 78}, {"THUATHIENHUE", 79},
    {"TIENGIANG", 80}, {"TRAVINH", 81}, {"TUYENQUANG", 82}, {"VINHLONG", 83}, {"VINHPHU", 84},
    {"YENBAI", 85},
}));

// Allemagne : Länder.
constexpr auto kDE = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BADEWURTEMBERG", 33}, {"BAVIERE", 34}, {"BERLIN", 35}, {"BRANDEBOURG", 36}, {"BREME", 37},
    {"HAMBOURG", 38}, {"HESSE", 39}, {"MECKLEMBOURGPOMERANIEOCCIDENTALE", 40}, {"BASSESAXE", 41},
    {"RHENANIEDUNORDWESTPHALIE", 42}, {"RHENANIEPALATINAT", 43}, {"SARRE", 44}, {"SAXE", 45},
    {"SAXEANHALT", 46}, {"SCHLESWIGHOLSTEIN", 47}, {"THURINGE", 48},
}));

// Autriche : Länder.
constexpr auto kAT = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BURGENLAND", 33}, {"CARINTHIE", 34}, {"BASSEAUTRICHE", 35}, {"HAUTEAUTRICHE", 36},
    {"SALZBOURG", 37}, {"STYRIE", 38}, {"TYROL", 39}, {"VORARLBERG", 40}, {"VIENNE", 41},
}));

// Suisse : cantons.
constexpr auto kCH = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ARGOVIE", 33}, {"APPENZELLRHODESINTERIEURES", 34}, {"APPENZELLRHODESEXTERIEURES", 35},
    {"BERNE", 36}, {"BALECAMPAGNE", 37}, {"BALEVILLE", 38}, {"FRIBOURG", 39}, {"GENEVE", 40},
    {"GLARIS", 41}, {"GRISONS", 42}, {"JURA", 43}, {"LUCERNE", 44}, {"NEUCHATEL", 45},
    {"NIDWALD", 46}, {"OBWALD", 47}, {"SAINTGALL", 48}, {"SCHAFFHOUSE", 49}, {"SCHWYTZ", 50},
    {"SOLEURE", 51}, {"TESSIN", 52}, {"THURGOVIE", 53}, {"URI", 54}, {"VAUD", 55}, {"VALAIS", 56},
    {"ZOUG", 57}, {"ZURICH", 58},
}));

// Belgique : provinces et Bruxelles-Capitale.
constexpr auto kBE = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ANVERS", 33}, {"BRABANTFLAMAND", 34}, {"BRABANTWALLON", 35}, {"FLANDREOCCIDENTALE", 36},
    {"FLANDREORIENTALE", 37}, {"HAINAUT", 38}, {"LIEGE", 39}, {"LIMBOURG", 40}, {"LUXEMBOURG", 41},
    {"NAMUR", 42}, {"BRUXELLESCAPITALE", 43},
}));

// Luxembourg : districts.
constexpr auto kLU = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"DIEKIRCH", 33}, {"GREVENMACHER", 34}, {"LUXEMBOURG", 35},
}));

// Pays-Bas : provinces.
constexpr auto kNL = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"DRENTHE", 33}, {"FLEVOLAND", 34}, {"FRISE", 35}, {"GUELDRE", 36}, {"GRONINGUE", 37},
    {"LIMBOURG", 38}, {"BRABANTSEPTENTRIONAL", 39}, {"HOLLANDESEPTENTRIONALE", 40},
    {"OVERIJSSEL", 41}, {"UTRECHT", 42}, {"ZELANDE", 43}, {"HOLLANDEMERIDIONALE", 44},
}));

// Canada : provinces et territoires.
constexpr auto kCA = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ALBERTA", 33}, {"COLOMBIEBRITANNIQUE", 34}, {"ILEDUPRINCEEDOUARD", 35}, {"MANITOBA", 36},
    {"NOUVEAUBRUNSWICK", 37}, {"NOUVELLEECOSSE", 38}, {"NUNAVUT", 39}, {"ONTARIO", 40},
    {"QUEBEC", 41}, {"SASKATCHEWAN", 42}, {"TERRENEUVEETLABRADOR", 43},
    {"TERRITOIRESDUNORDOUEST", 44}, {"YUKON", 45},
}));

// Australie : États et territoires.
constexpr auto kAU = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"AUSTRALIEMERIDIONALE", 33}, {"AUSTRALIEOCCIDENTALE", 34}, {"NOUVELLEGALLESDUSUD", 35},
    {"QUEENSLAND", 36}, {"TASMANIE", 37}, {"VICTORIA", 38},
    {"TERRITOIREDELACAPITALEAUSTRALIENNE", 39}, {"TERRITOIREDUNORD", 40},
}));

// Pologne : voïvodies.
constexpr auto kPL = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BASSESILESIE", 33}, {"COUIAVIEPOMERANIE", 34}, {"LUBLIN", 35}, {"LUBUSZ", 36}, {"LODZ", 37},
    {"PETITEPOLOGNE", 38}, {"MAZOVIE", 39}, {"OPOLE", 40}, {"BASSESCARPATES", 41},
    {"PODLACHIE", 42}, {"POMERANIE", 43}, {"SILESIE", 44}, {"SAINTECROIX", 45},
    {"VARMIEMAZURIE", 46}, {"GRANDEPOLOGNE", 47}, {"POMERANIEOCCIDENTALE", 48},
}));

// Portugal : districts et régions autonomes.
constexpr auto kPT = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"AVEIRO", 33}, {"BEJA", 34}, {"BRAGA", 35}, {"BRAGANCA", 36}, {"CASTELOBRANCO", 37},
    {"COIMBRA", 38}, {"EVORA", 39}, {"FARO", 40}, {"GUARDA", 41}, {"LEIRIA", 42}, {"LISBONNE", 43},
    {"PORTALEGRE", 44}, {"PORTO", 45}, {"SANTAREM", 46}, {"SETUBAL", 47}, {"VIANADOCASTELO", 48},
    {"VILAREAL", 49}, {"VISEU", 50}, {"ACORES", 51}, {"MADERE", 52},
}));

// Hongrie : comitats et Budapest.
constexpr auto kHU = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BACSKISKUN", 33}, {"BARANYA", 34}, {"BEKES", 35}, {"BORSODABAUJZEMPLEN", 36},
    {"CSONGRAD", 37}, {"FEJER", 38}, {"GYORMOSONSOPRON", 39}, {"HAJDUBIHAR", 40}, {"HEVES", 41},
    {"JASZNAGYKUNSZOLNOK", 42}, {"KOMAROMESZTERGOM", 43}, {"NOGRAD", 44}, {"PEST", 45},
    {"SOMOGY", 46}, {"SZABOLCSSZATMARBEREG", 47}, {"TOLNA", 48}, {"VAS", 49}, {"VESZPREM", 50},
    {"ZALA", 51}, {"BUDAPEST", 52},
}));

// Irlande : comtés.
constexpr auto kIE = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"CARLOW", 33}, {"CAVAN", 34}, {"CLARE", 35}, {"CORK", 36}, {"DONEGAL", 37}, {"DUBLIN", 38},
    {"GALWAY", 39}, {"KERRY", 40}, {"KILDARE", 41}, {"KILKENNY", 42}, {"LAOIS", 43},
    {"LEITRIM", 44}, {"LIMERICK", 45}, {"LONGFORD", 46}, {"LOUTH", 47}, {"MAYO", 48}, {"MEATH", 49},
    {"MONAGHAN", 50}, {"OFFALY", 51}, {"ROSCOMMON", 52}, {"SLIGO", 53}, {"TIPPERARY", 54},
    {"WATERFORD", 55}, {"WESTMEATH", 56}, {"WEXFORD", 57}, {"WICKLOW", 58},
}));

// Brésil : États et district fédéral.
constexpr auto kBR = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ACRE", 33}, {"ALAGOAS", 34}, {"AMAPA", 35}, {"AMAZONAS", 36}, {"BAHIA", 37}, {"CEARA", 38},
    {"DISTRITOFEDERAL", 39}, {"ESPIRITOSANTO", 40}, {"GOIAS", 41}, {"MARANHAO", 42},
    {"MATOGROSSO", 43}, {"MATOGROSSODOSUL", 44}, {"MINASGERAIS", 45}, {"PARA", 46}, {"PARAIBA", 47},
    {"PARANA", 48}, {"PERNAMBUCO", 49}, {"PIAUI", 50}, {"RIODEJANEIRO", 51},
    {"RIOGRANDEDONORTE", 52}, {"RIOGRANDEDOSUL", 53}, {"RONDONIA", 54}, {"RORAIMA", 55},
    {"SANTACATARINA", 56}, {"SAOPAULO", 57}, {"SERGIPE", 58}, {"TOCANTINS", 59},
}));

// Argentine : provinces et ville autonome de Buenos Aires.
constexpr auto kAR = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BUENOSAIRES", 33}, {"CATAMARCA", 34}, {"CHACO", 35}, {"CHUBUT", 36}, {"CORDOBA", 37},
    {"CORRIENTES", 38}, {"ENTRERIOS", 39}, {"FORMOSA", 40}, {"JUJUY", 41}, {"LAPAMPA", 42},
    {"LARIOJA", 43}, {"MENDOZA", 44}, {"MISIONES", 45}, {"NEUQUEN", 46}, {"RIONEGRO", 47},
    {"SALTA", 48}, {"SANJUAN", 49}, {"SANLUIS", 50}, {"SANTACRUZ", 51}, {"SANTAFE", 52},
    {"SANTIAGODELESTERO", 53}, {"TIERRADELFUEGO", 54}, {"TUCUMAN", 55},
    {"CIUDADAUTONOMADEBUENOSAIRES", 56},
}));

// Mexique : États et ville de Mexico.
constexpr auto kMX = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"AGUASCALIENTES", 33}, {"BAJACALIFORNIA", 34}, {"BAJACALIFORNIASUR", 35}, {"CAMPECHE", 36},
    {"CHIAPAS", 37}, {"CHIHUAHUA", 38}, {"COAHUILA", 39}, {"COLIMA", 40}, {"DURANGO", 41},
    {"GUANAJUATO", 42}, {"GUERRERO", 43}, {"HIDALGO", 44}, {"JALISCO", 45}, {"MEXICO", 46},
    {"MICHOACAN", 47}, {"MORELOS", 48}, {"NAYARIT", 49}, {"NUEVOLEON", 50}, {"OAXACA", 51},
    {"PUEBLA", 52}, {"QUERETARO", 53}, {"QUINTANAROO", 54}, {"SANLUISPOTOSI", 55}, {"SINALOA", 56},
    {"SONORA", 57}, {"TABASCO", 58}, {"TAMAULIPAS", 59}, {"TLAXCALA", 60}, {"VERACRUZ", 61},
    {"YUCATAN", 62}, {"ZACATECAS", 63}, {"CIUDADDEMEXICO", 64},
}));

// Bulgarie : provinces (oblasts).
constexpr auto kBG = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"BLAGOEVGRAD", 33}, {"BOURGAS", 34}, {"DOBRITCH", 35}, {"GABROVO", 36}, {"HASKOVO", 37},
    {"KARDJALI", 38}, {"KYUSTENDIL", 39}, {"LOVECH", 40}, {"MONTANA", 41}, {"PAZARDJIK", 42},
    {"PERNIK", 43}, {"PLEVEN", 44}, {"PLOVDIV", 45}, {"RAZGRAD", 46}, {"ROUSSE", 47},
    {"SILISTRA", 48}, {"SLIVEN", 49}, {"SMOLYAN", 50}, {"SOFIA", 51}, {"SOFIAPROVINCE", 52},
    {"STARAZAGORA", 53}, {"TARGOVICHTE", 54}, {"VARNA", 55}, {"VELIKOTARNOVO", 56}, {"VIDIN", 57},
    {"VRATSA", 58}, {"YAMBOL", 59}, {"CHOUMEN", 60},
}));

// Norvège : comtés (fylker) d'avant 2018.
constexpr auto kNO = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"STFOLD", 33}, {"AKERSHUS", 34}, {"OSLO", 35}, {"HEDMARK", 36}, {"OPPLAND", 37},
    {"BUSKERUD", 38}, {"VESTFOLD", 39}, {"TELEMARK", 40}, {"AUSTAGDER", 41}, {"VESTAGDER", 42},
    {"ROGALAND", 43}, {"HORDALAND", 44}, {"SOGNOGFJORDANE", 45}, {"MREOGROMSDAL", 46},
    {"SRTRNDELAG", 47}, {"NORDTRNDELAG", 48}, {"NORDLAND", 49}, {"TROMS", 50}, {"FINNMARK", 51},
}));

// Grèce : périphéries.
constexpr auto kGR = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"MACEDOINEORIENTALEETTHRACE", 33}, {"MACEDOINECENTRALE", 34}, {"MACEDOINEOCCIDENTALE", 35},
    {"EPIRE", 36}, {"THESSALIE", 37}, {"ILESIONIENNES", 38}, {"GRECEOCCIDENTALE", 39},
    {"GRECECENTRALE", 40}, {"ATTIQUE", 41}, {"PELOPONNESE", 42}, {"EGEESEPTENTRIONALE", 43},
    {"EGEEMERIDIONALE", 44}, {"CRETE", 45},
}));

// Japon : régions.
constexpr auto kJP = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"HOKKAIDO", 33}, {"TOHOKU", 34}, {"KANTO", 35}, {"CHUBU", 36}, {"KANSAI", 37}, {"CHUGOKU", 38},
    {"SHIKOKU", 39}, {"KYUSHU", 40}, {"OKINAWA", 41},
}));

// Gabon : provinces.
constexpr auto kGA = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ESTUAIRE", 33}, {"HAUTOGOOUE", 34}, {"MOYENOGOOUE", 35}, {"NGOUNIE", 36}, {"NYANGA", 37},
    {"OGOOUEIVINDO", 38}, {"OGOOUELOLO", 39}, {"OGOOUEMARITIME", 40}, {"WOLEUNTEM", 41},
}));

// Cameroun : régions.
constexpr auto kCM = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ADAMAOUA", 33}, {"CENTRE", 34}, {"EST", 35}, {"EXTREMENORD", 36}, {"LITTORAL", 37},
    {"NORD", 38}, {"NORDOUEST", 39}, {"OUEST", 40}, {"SUD", 41}, {"SUDOUEST", 42},
}));

// Royaume-Uni : nations, noms français et anglais.
constexpr auto kGB = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ANGLETERRE", 33}, {"ENGLAND", 33}, {"ECOSSE", 34}, {"SCOTLAND", 34}, {"PAYSDEGALLES", 35},
    {"GALLES", 35}, {"WALES", 35}, {"IRLANDEDUNORD", 36}, {"NORTHERNIRELAND", 36},
}));

// Italie : régions, noms italiens et français.
constexpr auto kIT = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ABRUZZO", 33}, {"ABRUZZES", 33}, {"BASILICATA", 34}, {"BASILICATE", 34}, {"CALABRIA", 35},
    {"CALABRE", 35}, {"CAMPANIA", 36}, {"CAMPANIE", 36}, {"EMILIAROMAGNA", 37},
    {"EMILIEROMAGNE", 37}, {"FRIULIVENEZIAGIULIA", 38}, {"FRIOULVENETIEJULIENNE", 38},
    {"LAZIO", 39}, {"LATIUM", 39}, {"LIGURIA", 40}, {"LIGURIE", 40}, {"LOMBARDIA", 41},
    {"LOMBARDIE", 41}, {"MARCHE", 42}, {"MARCHES", 42}, {"MOLISE", 43}, {"PIEMONTE", 44},
    {"PIEMONT", 44}, {"PUGLIA", 45}, {"POUILLES", 45}, {"SARDEGNA", 46}, {"SARDAIGNE", 46},
    {"SICILIA", 47}, {"SICILE", 47}, {"TOSCANA", 48}, {"TOSCANE", 48}, {"TRENTINOALTOADIGE", 49},
    {"TRENTINHAUTADIGE", 49}, {"UMBRIA", 50}, {"OMBRIE", 50}, {"VALLEDAOSTA", 51},
    {"VALLEEDAOSTE", 51}, {"VENETO", 52}, {"VENETIE", 52},
}));

// Espagne : communautés et villes autonomes, noms espagnols et français usuels.
constexpr auto kES = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ANDALUCIA", 33}, {"ANDALOUSIE", 33}, {"ARAGON", 34}, {"ASTURIAS", 35}, {"ASTURIES", 35},
    {"ILLESBALEARS", 36}, {"BALEARES", 36}, {"CANARIAS", 37}, {"CANARIES", 37}, {"CANTABRIA", 38},
    {"CASTILLALAMANCHA", 39}, {"CASTILLELAMANCHE", 39}, {"CASTILLAYLEON", 40},
    {"CASTILLEETLEON", 40}, {"CATALUNA", 41}, {"CATALOGNE", 41}, {"COMUNIDADVALENCIANA", 42},
    {"COMMUNAUTEVALENCIENNE", 42}, {"EXTREMADURA", 43}, {"ESTREMADURE", 43}, {"GALICIA", 44},
    {"GALICE", 44}, {"LARIOJA", 45}, {"MADRID", 46}, {"MURCIA", 47}, {"NAVARRA", 48},
    {"NAVARRE", 48}, {"PAISVASCO", 49}, {"PAYSBASQUE", 49}, {"CEUTA", 50}, {"MELILLA", 51},
}));

// Roumanie : județe (sans Bucarest).
constexpr auto kRO = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ALBA", 33}, {"ARAD", 34}, {"ARGES", 35}, {"BACAU", 36}, {"BIHOR", 37}, {"BISTRITANASAUD", 38},
    {"BOTOSANI", 39}, {"BRAILA", 40}, {"BRASOV", 41}, {"BUZAU", 42}, {"CALARASI", 43},
    {"CARASSEVERIN", 44}, {"CLUJ", 45}, {"CONSTANTA", 46}, {"COVASNA", 47}, {"DAMBOVITA", 48},
    {"DOLJ", 49}, {"GALATI", 50}, {"GIURGIU", 51}, {"GORJ", 52}, {"HARGHITA", 53},
    {"HUNEDOARA", 54}, {"IALOMITA", 55}, {"IASI", 56}, {"ILFOV", 57}, {"MARAMURES", 58},
    {"MEHEDINTI", 59}, {"MURES", 60}, {"NEAMT", 61}, {"OLT", 62}, {"PRAHOVA", 63}, {"SALAJ", 64},
    {"SATUMARE", 65}, {"SIBIU", 66}, {"SUCEAVA", 67}, {"TELEORMAN", 68}, {"TIMIS", 69},
    {"TULCEA", 70}, {"VALCEA", 71}, {"VASLUI", 72}, {"VRANCEA", 73},
}));

// Inde : États et territoires d'avant 2014.
constexpr auto kIN = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ANDHRAPRADESH", 33}, {"ARUNACHALPRADESH", 34}, {"ASSAM", 35}, {"BIHAR", 36},
    {"CHHATTISGARH", 37}, {"GOA", 38}, {"GUJARAT", 39}, {"HARYANA", 40}, {"HIMACHALPRADESH", 41},
    {"JAMMUETCACHEMIRE", 42}, {"JHARKHAND", 43}, {"KARNATAKA", 44}, {"KERALA", 45},
    {"MADHYAPRADESH", 46}, {"MAHARASHTRA", 47}, {"MANIPUR", 48}, {"MEGHALAYA", 49}, {"MIZORAM", 50},
    {"NAGALAND", 51}, {"ODISHA", 52}, {"PENDJAB", 53}, {"RAJASTHAN", 54}, {"SIKKIM", 55},
    {"TAMILNADU", 56}, {"TRIPURA", 57}, {"UTTARPRADESH", 58}, {"UTTARAKHAND", 59},
    {"BENGALEOCCIDENTAL", 60}, {"ANDAMANETNICOBAR", 61}, {"CHANDIGARH", 62},
    {"DADRAETNAGARHAVELI", 63}, {"DAMANETDIOU", 64}, {"DELHI", 65}, {"LAKSHADWEEP", 66},
    {"PONDICHERY", 67},
}));

// Chine : provinces, régions autonomes, municipalités.
constexpr auto kCN = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ANHUI", 33}, {"FUJIAN", 34}, {"GANSU", 35}, {"GUANGDONG", 36}, {"GUIZHOU", 37},
    {"HAINAN", 38}, {"HEBEI", 39}, {"HEILONGJIANG", 40}, {"HENAN", 41}, {"HUBEI", 42},
    {"HUNAN", 43}, {"JIANGSU", 44}, {"JIANGXI", 45}, {"JILIN", 46}, {"LIAONING", 47},
    {"QINGHAI", 48}, {"SHAANXI", 49}, {"SHANDONG", 50}, {"SHANXI", 51}, {"SICHUAN", 52},
    {"YUNNAN", 53}, {"ZHEJIANG", 54}, {"GUANGXI", 55}, {"MONGOLIEINTERIEURE", 56}, {"NINGXIA", 57},
    {"TIBET", 58}, {"XINJIANG", 59}, {"PEKIN", 60}, {"BEIJING", 60}, {"CHONGQING", 61},
    {"SHANGHAI", 62}, {"TIANJIN", 63},
}));

// Russie : sujets fédéraux (républiques, kraïs, oblasts, villes fédérales, oblast et districts autonomes).
constexpr auto kRU = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ADYGUEE", 33}, {"REPUBLIQUEDELALTAI", 34}, {"BACHKIRIE", 35}, {"BOURIATIE", 36},
    {"DAGHESTAN", 37}, {"INGOUCHIE", 38}, {"KABARDINOBALKARIE", 39}, {"KALMOUKIE", 40},
    {"KARATCHAIEVOTCHERKESSIE", 41}, {"CARELIE", 42}, {"KOMIS", 43}, {"CRIMEE", 44}, {"MARIEL", 45},
    {"MORDOVIE", 46}, {"IAKOUTIE", 47}, {"OSSETIEDUNORDALANIE", 48}, {"TATARSTAN", 49},
    {"TOUVA", 50}, {"OUDMOURTIE", 51}, {"KHAKASSIE", 52}, {"TCHETCHENIE", 53}, {"TCHOUVACHIE", 54},
    {"ALTAI", 55}, {"KAMTCHATKA", 56}, {"KHABAROVSK", 57}, {"KRASNODAR", 58}, {"KRASNOIARSK", 59},
    {"PERM", 60}, {"PRIMORIE", 61}, {"STAVROPOL", 62}, {"TRANSBAIKALIE", 63}, {"AMOUR", 64},
    {"ARKHANGELSK", 65}, {"ASTRAKHAN", 66}, {"BELGOROD", 67}, {"BRIANSK", 68}, {"VLADIMIR", 69},
    {"VOLGOGRAD", 70}, {"VOLOGDA", 71}, {"VORONEJ", 72}, {"IVANOVO", 73}, {"IRKOUTSK", 74},
    {"KALININGRAD", 75}, {"KALOUGA", 76}, {"KEMEROVO", 77}, {"KIROV", 78}, {"KOSTROMA", 79},
    {"KOURGAN", 80}, {"KOURSK", 81}, {"LENINGRAD", 82}, {"LIPETSK", 83}, {"MAGADAN", 84},
    {"OBLASTDEMOSCOU", 85}, {"MOURMANSK", 86}, {"NIJNINOVGOROD", 87}, {"NOVGOROD", 88},
    {"NOVOSSIBIRSK", 89}, {"OMSK", 90}, {"ORENBOURG", 91}, {"OREL", 92}, {"PENZA", 93},
    {"PSKOV", 94}, {"ROSTOV", 95}, {"RIAZAN", 96}, {"SAMARA", 97}, {"SARATOV", 98},
    {"SAKHALINE", 99}, {"SVERDLOVSK", 100}, {"SMOLENSK", 101}, {"TAMBOV", 102}, {"TVER", 103},
    {"TOMSK", 104}, {"TOULA", 105}, {"TIOUMEN", 106}, {"OULIANOVSK", 107}, {"TCHELIABINSK", 108},
    {"IAROSLAVL", 109}, {"MOSCOU", 110}, {"SAINTPETERSBOURG", 111}, {"SEBASTOPOL", 112},
    {"OBLASTAUTONOMEJUIF", 113}, {"NENETSIE", 114}, {"KHANTYSMANSIS", 115}, {"TCHOUKOTKA", 116},
    {"IAMALIE", 117},
}));

struct TableDuPays {
    CodePays pays;
    std::span<const LieuLigneSubdivision> lignes;
};

constexpr TableDuPays kTables[] = {
    {CodePays{"TN"}, kTN},
    {CodePays{"KH"}, kKH},
    {CodePays{"VN"}, kVN},
    {CodePays{"DE"}, kDE},
    {CodePays{"AT"}, kAT},
    {CodePays{"CH"}, kCH},
    {CodePays{"BE"}, kBE},
    {CodePays{"LU"}, kLU},
    {CodePays{"NL"}, kNL},
    {CodePays{"CA"}, kCA},
    {CodePays{"AU"}, kAU},
    {CodePays{"PL"}, kPL},
    {CodePays{"PT"}, kPT},
    {CodePays{"HU"}, kHU},
    {CodePays{"IE"}, kIE},
    {CodePays{"BR"}, kBR},
    {CodePays{"AR"}, kAR},
    {CodePays{"MX"}, kMX},
    {CodePays{"BG"}, kBG},
    {CodePays{"NO"}, kNO},
    {CodePays{"GR"}, kGR},
    {CodePays{"JP"}, kJP},
    {CodePays{"GA"}, kGA},
    {CodePays{"CM"}, kCM},
    {CodePays{"GB"}, kGB},
    {CodePays{"IT"}, kIT},
    {CodePays{"ES"}, kES},
    {CodePays{"RO"}, kRO},
    {CodePays{"IN"}, kIN},
    {CodePays{"CN"}, kCN},
    {CodePays{"RU"}, kRU},
};

}  // namespace

std::span<const LieuLigneSubdivision> lieux::subdivisionsAutresPays(CodePays pays) {
    for (const auto& t : kTables)
        if (t.pays == pays) return t.lignes;
    return {};
}

}  // namespace lignara
