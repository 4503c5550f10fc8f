// Syllables and forms per language. A town is front + middle + end syllable (the middle keeps
// the towns away from real ones); a surname follows one of the language's patterns (front,
// sometimes a middle syllable, end), so that Dutch particles, Scottish "Mac" and Irish "O'"
// stand before a capitalised stem and never run into a lower-case ending. Club and stadium forms
// take the town as {O}; {A} is the German adjective of the town ("Altenauer SV") and {d} the
// French "de", elided before a vowel.
#include "tools/datagen/welt_namen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

#include "graphics/font.h"
#include "tools/datagen/font_raster.h"

namespace {

using Liste = std::span<const char* const>;

struct Muster {
    Liste vorn, mitte, hinten;
};

struct Sprach_Daten {
    Liste ort_vorn, ort_mitte, ort_hinten;
    Liste vereine, stadien;
    std::span<const Muster> nachnamen;  // a pattern listed twice is drawn twice as often
    Liste vornamen;
};

// ---- Deutsch (Deutschland, Österreich, Schweiz) ----
constexpr const char* DE_ORT_V[] = {"Berg", "Wal", "Hohen", "Alt", "Neu", "Ros", "Kirch", "Lin", "Mar", "Sel",
                                    "Wes", "Fal", "Hal", "Eich", "Bren", "Dorn", "Ahl", "Ober", "Lau", "Hart",
                                    "Stein", "Mühl", "Tann", "Wint", "Grün", "Sand", "Roth", "Elm", "Kell",
                                    "Bir", "Heid", "Löb"};
constexpr const char* DE_ORT_M[] = {"en", "er", "el", "ing", "ers", "in", "ol"};
constexpr const char* DE_ORT_H[] = {"heim", "burg", "feld", "dorf", "hausen", "stadt", "bach", "au", "ingen",
                                    "rode", "beck", "hagen", "stedt", "furt", "brück", "tal", "wald", "ow",
                                    "litz", "kirchen"};
constexpr const char* DE_VEREINE[] = {"FC {O}", "1. FC {O}", "SV {O}", "TSV {O}", "VfB {O}", "VfL {O}",
                                      "TuS {O}", "SpVgg {O}", "Eintracht {O}", "Union {O}", "Borussia {O}",
                                      "Fortuna {O}", "Alemannia {O}", "{A} SV", "{A} SC", "{A} FC"};
constexpr const char* DE_STADIEN[] = {"Stadion {O}", "Waldstadion {O}", "Sportpark {O}", "Stadion am {A} Weg",
                                      "Sportplatz {O}"};
constexpr const char* DE_NAME_V[] = {"Kess", "Brand", "Hof", "Wag", "Lind", "Stein", "Krä", "Vog", "Bau", "Haber",
                                     "Rit", "Scholl", "Zim", "Lang", "Mau", "Wen", "Eng", "Rein", "Vol", "Dre",
                                     "Kur", "Fen", "Ha", "Mer", "Ol", "Sei", "Tra", "Wirt", "Gün", "Pel", "Bor",
                                     "Sten", "Hau", "Klo", "Rö", "Fa"};
constexpr const char* DE_NAME_M[] = {"en", "er", "el", "in", "ol", "an", "ers", "ig"};
constexpr const char* DE_NAME_H[] = {"mann", "er", "ler", "ner", "ke", "bauer", "berg", "hardt", "inger", "mayer",
                                     "hofer", "wald", "lich", "rich", "ert", "el", "stedt", "meier", "bichler",
                                     "huber", "brecht", "ecker"};
constexpr Muster DE_NAMEN[] = {{DE_NAME_V, DE_NAME_M, DE_NAME_H}};
constexpr const char* DE_VORNAMEN[] = {"Thomas", "Stefan", "Michael", "Andreas", "Jens", "Markus", "Jörg", "Uwe",
                                       "Karsten", "Dirk", "Holger", "Sven", "Tobias", "Florian", "Lars", "Ralf",
                                       "Björn", "Oliver", "Frank", "Heiko"};

// ---- Englisch (England, USA, Australien) ----
constexpr const char* EN_ORT_V[] = {"Ash", "Brad", "Chel", "Dun", "Elm", "Fair", "Gran", "Hal", "Kings", "Lang",
                                    "Mar", "North", "Red", "Stan", "Thorn", "Wex", "Bram", "Cal", "Hol", "Pen",
                                    "Wood", "Crow"};
constexpr const char* EN_ORT_M[] = {"el", "an", "ing", "er", "is", "ow", "et"};
constexpr const char* EN_ORT_H[] = {"ford", "ton", "bury", "ham", "wick", "field", "mouth", "ley", "worth",
                                    "pool", "by", "chester", "stead", "gate", "dale"};
constexpr const char* EN_VEREINE[] = {"{O} United", "{O} City", "{O} Town", "{O} Rovers", "{O} Athletic",
                                      "{O} Albion", "{O} Wanderers", "{O} County", "{O} FC"};
constexpr const char* EN_STADIEN[] = {"{O} Park", "{O} Road", "{O} Lane", "{O} Ground", "{O} Stadium"};
constexpr const char* EN_NAME_V[] = {"Bar", "Cal", "Dal", "Fen", "Har", "Mor", "Whit", "Ash", "Wel", "Thorn",
                                     "Cope", "Ren", "Gil", "Pem", "Stan", "Brad", "Hol", "Craw", "Brook",
                                     "Hart", "Pen", "Wain"};
constexpr const char* EN_NAME_M[] = {"ing", "er", "en", "ling"};
constexpr const char* EN_NAME_H[] = {"son", "by", "ton", "ley", "ridge", "well", "ford", "wick", "more", "ham",
                                     "worth", "field", "shaw", "wood", "hurst", "stone"};
constexpr Muster EN_NAMEN[] = {{EN_NAME_V, EN_NAME_M, EN_NAME_H}};
constexpr const char* EN_VORNAMEN[] = {"John", "Gary", "Paul", "Steven", "Mark", "Ian", "Lee", "Darren", "Kevin",
                                       "Neil", "Craig", "Wayne", "Stuart", "Martin", "Simon", "Robert"};

// ---- Schottisch ----
constexpr const char* SC_ORT_V[] = {"Kil", "Dun", "Aber", "Inver", "Strath", "Glen", "Bal", "Ard", "Kin", "Fal",
                                    "Loch", "Craig", "Cul", "Auch"};
constexpr const char* SC_ORT_M[] = {"an", "ar", "en", "or", "al", "in"};
constexpr const char* SC_ORT_H[] = {"kirk", "burgh", "ness", "muir", "side", "haven", "bridge", "ton", "dale",
                                    "law", "holm", "more", "ford"};
constexpr const char* SC_VEREINE[] = {"{O} Thistle", "{O} Athletic", "{O} Rovers", "{O} United", "{O} FC",
                                      "{O} Academical", "{O} Albion"};
constexpr const char* SC_STADIEN[] = {"{O} Park", "{O} Road", "{O} Ground"};
constexpr const char* SC_MAC[] = {"Mac", "Mc"};
constexpr const char* SC_MAC_STAMM[] = {"Allan", "Kenzie", "Gregor", "Lean", "Intyre", "Dougall", "Farlane",
                                        "Kinnon", "Leod", "Naught", "Pherson", "Rae", "Ewan", "Innes", "Cormack",
                                        "Askill", "Crae", "Bain", "Ivor", "Aulay"};
constexpr const char* SC_NAME_V[] = {"Craw", "Ruther", "Fer", "Dal", "Kil", "Bal", "Dun", "Ross", "Muir", "Gil",
                                     "Mon", "Lau"};
constexpr const char* SC_NAME_H[] = {"ford", "guson", "ziel", "patrick", "four", "lop", "rie", "gour", "mond",
                                     "christ", "son", "lie"};
constexpr const char* KEINE[] = {""};
constexpr Muster SC_NAMEN[] = {{SC_MAC, {}, SC_MAC_STAMM}, {SC_NAME_V, {}, SC_NAME_H}, {EN_NAME_V, EN_NAME_M, EN_NAME_H}};
constexpr const char* SC_VORNAMEN[] = {"Alistair", "Angus", "Callum", "Duncan", "Euan", "Fraser", "Gordon",
                                       "Hamish", "Iain", "Murray", "Ross", "Scott", "Graeme", "Kenny"};

// ---- Irisch ----
constexpr const char* IE_O[] = {"O'"};
constexpr const char* IE_O_STAMM[] = {"Brien", "Connor", "Sullivan", "Neill", "Donnell", "Dwyer", "Reilly", "Shea",
                                      "Leary", "Hara", "Keeffe", "Rourke", "Driscoll", "Mahony"};
constexpr const char* IE_MC[] = {"Mc", "Mac"};
constexpr const char* IE_MC_STAMM[] = {"Carthy", "Grath", "Mahon", "Namara", "Donagh", "Cann", "Evoy", "Gowan",
                                       "Kenna", "Laughlin", "Manus", "Guire", "Elroy", "Cabe"};
constexpr Muster IE_NAMEN[] = {{IE_O, {}, IE_O_STAMM}, {IE_MC, {}, IE_MC_STAMM}, {EN_NAME_V, EN_NAME_M, EN_NAME_H}};
constexpr const char* IE_VORNAMEN[] = {"Sean", "Patrick", "Liam", "Niall", "Ciaran", "Declan", "Eoin", "Cormac",
                                       "Darragh", "Brendan", "Kieran", "Conor"};

// ---- Italienisch ----
constexpr const char* IT_ORT_V[] = {"Mon", "Val", "Cas", "Ser", "Tor", "Bel", "Ros", "Mar", "Cor", "Fer", "Sal",
                                    "Ter", "Bor", "Cam", "Pog", "Roc", "Bren", "Lav", "Fos", "Gual"};
constexpr const char* IT_ORT_M[] = {"ar", "el", "ir", "on", "av", "il", "or", "ic", "er"};
constexpr const char* IT_ORT_H[] = {"ello", "ino", "ona", "ezza", "ento", "ano", "iglia", "ata", "ero", "iano",
                                    "eto", "ago", "ate", "enza", "uzzo"};
constexpr const char* IT_VEREINE[] = {"AC {O}", "AS {O}", "US {O}", "SS {O}", "{O} Calcio", "Virtus {O}",
                                      "Pro {O}", "Polisportiva {O}"};
constexpr const char* IT_STADIEN[] = {"Stadio {O}", "Stadio Comunale {O}", "Stadio Città di {O}"};
constexpr const char* IT_NAME_V[] = {"Rol", "Ben", "Cas", "Fer", "Gal", "Mar", "Ros", "Ven", "Pal", "Ser", "Lor",
                                     "Dur", "Tab", "Brun", "Sar", "Col", "Man", "Ric", "Bon", "Gran", "Mor",
                                     "Car", "Del", "Bar", "Cost"};
constexpr const char* IT_NAME_M[] = {"an", "el", "on", "ic", "ar", "ol"};
constexpr const char* IT_NAME_H[] = {"ini", "etti", "ano", "ardo", "elli", "ucci", "ino", "oni", "ato", "esi",
                                     "aldi", "otti", "ari", "azzi", "ella", "one", "ieri"};
constexpr Muster IT_NAMEN[] = {{IT_NAME_V, IT_NAME_M, IT_NAME_H}};
constexpr const char* IT_VORNAMEN[] = {"Marco", "Luca", "Paolo", "Andrea", "Alessandro", "Giuseppe", "Francesco",
                                       "Roberto", "Stefano", "Davide", "Simone", "Fabio", "Massimo"};

// ---- Spanisch (Spanien, Argentinien, Uruguay, Kolumbien, Mexiko) ----
constexpr const char* ES_ORT_V[] = {"Val", "Mon", "Al", "Cas", "Vill", "Tor", "Ber", "Sal", "Mar", "Ol", "Es",
                                    "Ar", "Med", "Gran", "Tal", "Cal", "Or", "Bur", "Jar", "Pal"};
constexpr const char* ES_ORT_M[] = {"ar", "en", "il", "or", "ad", "am", "er"};
constexpr const char* ES_ORT_H[] = {"illa", "ejo", "ares", "ada", "ena", "osa", "eda", "ales", "uela", "ina",
                                    "edo", "ija", "ón"};
constexpr const char* ES_VEREINE[] = {"Real {O}", "CD {O}", "Deportivo {O}", "Atlético {O}", "UD {O}",
                                      "Racing {O}", "SD {O}", "CF {O}"};
constexpr const char* ES_STADIEN[] = {"Estadio {O}", "Estadio Municipal {O}", "Campo de {O}", "Nuevo Estadio {O}"};
constexpr const char* ES_NAME_V[] = {"Fern", "Rom", "Mol", "Ser", "Cab", "Men", "Nav", "Gal", "Mor", "Vid", "Cas",
                                     "Ort", "Gar", "Sol", "Ber", "Pad", "Lor", "Cor", "Bel", "Torr", "Her", "Val",
                                     "Ram", "Quint"};
constexpr const char* ES_NAME_M[] = {"an", "er", "ol", "ad", "ar", "in"};
constexpr const char* ES_NAME_H[] = {"ández", "ínez", "ez", "ero", "ado", "illo", "eda", "ares", "ón", "uelo",
                                     "al", "ena", "ejo", "ueta"};
constexpr Muster ES_NAMEN[] = {{ES_NAME_V, ES_NAME_M, ES_NAME_H}};
constexpr const char* ES_VORNAMEN[] = {"Javier", "Carlos", "Diego", "José", "Juan", "Miguel", "Sergio", "Pablo",
                                       "Alberto", "Raúl", "Fernando", "Andrés", "Ignacio"};

// ---- Portugiesisch (Portugal, Brasilien) ----
constexpr const char* PT_ORT_V[] = {"Por", "Bran", "Cov", "Far", "Leir", "Tor", "Alm", "Pen", "Mir", "Set",
                                    "Val", "Bar", "Ol", "Cas", "Sant", "Gouv"};
constexpr const char* PT_ORT_M[] = {"ar", "el", "im", "ov", "ed", "on"};
constexpr const char* PT_ORT_H[] = {"elo", "ães", "inha", "eira", "ança", "ela", "al", "ém", "ada", "ende",
                                    "oso", "ões"};
constexpr const char* PT_VEREINE[] = {"Sporting {O}", "Académico {O}", "Desportivo {O}", "União {O}", "GD {O}",
                                      "SC {O}", "Clube {O}"};
constexpr const char* PT_STADIEN[] = {"Estádio {O}", "Estádio Municipal {O}", "Estádio Cidade de {O}"};
constexpr const char* PT_NAME_V[] = {"Fer", "Per", "Oliv", "Sil", "Cost", "Carv", "Rib", "Mart", "Alm", "Mor",
                                     "Pin", "Teix", "Lop", "Mach", "Barb", "Camp", "Nasc", "Azev", "Quer", "Fons",
                                     "Bet", "Caldr"};
constexpr const char* PT_NAME_M[] = {"an", "el", "ar", "ol", "in"};
constexpr const char* PT_NAME_H[] = {"eira", "eiro", "es", "ães", "inho", "ão", "elo", "ares", "ança", "alho",
                                     "edo", "osa"};
constexpr Muster PT_NAMEN[] = {{PT_NAME_V, PT_NAME_M, PT_NAME_H}};
constexpr const char* PT_VORNAMEN[] = {"Rui", "João", "Nuno", "Paulo", "Pedro", "Tiago", "Bruno", "Ricardo", "Hugo",
                                       "Sérgio", "Luís", "Fábio", "Marcelo", "Rodrigo"};

// ---- Französisch ----
constexpr const char* FR_ORT_V[] = {"Mont", "Char", "Lon", "Mar", "Bel", "Ver", "Saul", "Gren", "Lun", "Cler",
                                    "Brin", "Val", "Bon", "Vil", "Sen", "Cour", "Pont", "Roch", "Tour", "Aub"};
constexpr const char* FR_ORT_M[] = {"el", "an", "ar", "eu", "on", "ir", "ou"};
constexpr const char* FR_ORT_H[] = {"court", "mont", "ville", "lac", "ay", "eaux", "ières", "bourg", "nay",
                                    "mier", "ac", "ange", "oux", "ieu"};
constexpr const char* FR_VEREINE[] = {"Olympique {O}", "AS {O}", "FC {O}", "Stade {O}", "RC {O}", "US {O}",
                                      "AJ {O}", "En Avant {O}"};
constexpr const char* FR_STADIEN[] = {"Stade {d}{O}", "Stade Municipal {d}{O}", "Parc des Sports {d}{O}"};
constexpr const char* FR_NAME_V[] = {"Dub", "Lef", "Bel", "Mar", "Gir", "Ren", "Faur", "Lam", "Bouch", "Chap",
                                     "Mor", "Vaill", "Ber", "Garn", "Rouss", "Merc", "Font", "Lab", "Ros",
                                     "Dar", "Pell", "Guill"};
constexpr const char* FR_NAME_M[] = {"an", "el", "on", "ar"};
constexpr const char* FR_NAME_H[] = {"ois", "ard", "eau", "ier", "ot", "elle", "in", "et", "oux", "ant", "ault",
                                     "ière", "ac", "ain", "on", "ès"};
constexpr Muster FR_NAMEN[] = {{FR_NAME_V, FR_NAME_M, FR_NAME_H}};
constexpr const char* FR_VORNAMEN[] = {"Pierre", "Laurent", "Didier", "Olivier", "Jean", "Marc", "Yves", "Thierry",
                                       "Nicolas", "Philippe", "Christophe", "Sébastien", "Julien", "Franck"};

// ---- Niederländisch (Niederlande) and Flämisch (Belgien) ----
constexpr const char* NL_ORT_V[] = {"Zwan", "Alk", "Hel", "Eind", "Leid", "Ven", "Ap", "Hoog", "Zand", "Nieuw",
                                    "Oost", "Wes", "Bod", "Dok", "Hil", "Wol", "Har", "Ros"};
constexpr const char* NL_ORT_M[] = {"er", "en", "el", "ers", "eg"};
constexpr const char* NL_ORT_H[] = {"dam", "dorp", "huizen", "wijk", "hoven", "veen", "rade", "zijl", "loo",
                                    "sum", "kerk", "broek", "horst", "drecht"};
constexpr const char* NL_VEREINE[] = {"VV {O}", "SV {O}", "FC {O}", "SC {O}", "{O} Boys", "Sparta {O}",
                                      "Quick {O}", "Go Ahead {O}"};
constexpr const char* NL_STADIEN[] = {"Sportpark {O}", "Stadion {O}", "Gemeentelijk Sportpark {O}"};
constexpr const char* NL_PARTIKEL[] = {"van ", "van der ", "van den ", "de ", "ter ", "van de "};
constexpr const char* NL_STAMM[] = {"Berg", "Dijk", "Velde", "Broek", "Hoek", "Wal", "Meer", "Bosch", "Linden",
                                    "Heuvel", "Vliet", "Laan", "Beek", "Kamp", "Horst", "Veen", "Leeuw", "Graaf",
                                    "Wetering", "Zande"};
constexpr const char* NL_NAME_V[] = {"Jans", "Bak", "Vis", "Smit", "Mul", "Dek", "Ver", "Hen", "Kui", "Mees",
                                     "Brou", "Boer", "Kool", "Wout", "Zwe", "Ste", "Hoog", "Rij"};
constexpr const char* NL_NAME_M[] = {"en", "el", "er"};
constexpr const char* NL_NAME_H[] = {"sen", "ker", "ser", "der", "stra", "ma", "ema", "ink", "huis", "ers",
                                     "man", "ling", "inga", "hof"};
constexpr Muster NL_NAMEN[] = {{NL_PARTIKEL, {}, NL_STAMM}, {NL_NAME_V, NL_NAME_M, NL_NAME_H},
                               {NL_NAME_V, NL_NAME_M, NL_NAME_H}};
constexpr const char* NL_VORNAMEN[] = {"Jan", "Ruud", "Pieter", "Kees", "Dennis", "Marco", "Frank", "Arjen",
                                       "Wim", "Johan", "Bas", "Sander", "Edwin", "Jaap"};

constexpr const char* VL_ORT_V[] = {"Ker", "Mol", "Zel", "Roes", "Wer", "Har", "Oud", "Gent", "Mech", "Lok",
                                    "Ber", "Tien", "Wev", "Diks", "Lier", "Hass"};
constexpr const char* VL_ORT_M[] = {"el", "en", "er", "ar"};
constexpr const char* VL_ORT_H[] = {"gem", "hout", "zele", "kerke", "ode", "lo", "dijk", "beke", "ingen", "aarde",
                                    "sel", "lare"};
constexpr const char* VL_VEREINE[] = {"KV {O}", "KSC {O}", "KFC {O}", "KVC {O}", "Racing {O}", "SK {O}",
                                      "Sporting {O}"};
constexpr const char* VL_STADIEN[] = {"Stadion {O}", "Sportpark {O}", "Gemeentelijk Stadion {O}"};
constexpr const char* VL_PARTIKEL[] = {"Van ", "Van den ", "Van de ", "De ", "Vande "};
constexpr const char* VL_STAMM[] = {"Broeck", "Velde", "Bossche", "Acker", "Meulen", "Steen", "Kerckhove",
                                    "Putte", "Hove", "Winckel", "Poel", "Walle", "Cauwenberghe"};
constexpr const char* VL_NAME_V[] = {"Peet", "Jans", "Wout", "Ver", "Claes", "Goe", "Mer", "Wil", "Hey", "Maes",
                                     "Bra", "Cool", "Lam", "Stev"};
constexpr const char* VL_NAME_M[] = {"el", "en", "er"};
constexpr const char* VL_NAME_H[] = {"ens", "aert", "mans", "ckx", "ers", "eyns", "ssens", "beke"};
constexpr Muster VL_NAMEN[] = {{VL_PARTIKEL, {}, VL_STAMM}, {VL_NAME_V, VL_NAME_M, VL_NAME_H},
                               {VL_NAME_V, VL_NAME_M, VL_NAME_H}};
constexpr const char* VL_VORNAMEN[] = {"Jan", "Peter", "Koen", "Wim", "Bart", "Tom", "Geert", "Dirk", "Luc", "Filip",
                                       "Stijn", "Kristof"};

// ---- Dänisch, Norwegisch, Schwedisch ----
constexpr const char* DA_ORT_V[] = {"Hol", "Fred", "Skan", "Næst", "Vej", "Svend", "Nyk", "Ros", "Her", "Tis",
                                    "Ring", "Hill", "Bal", "Ker", "Hor", "Gil", "Silk", "Hjør", "Var", "Strue"};
constexpr const char* DA_ORT_M[] = {"er", "el", "ing", "ers", "es"};
constexpr const char* DA_ORT_H[] = {"rup", "strup", "borg", "bjerg", "sted", "købing", "havn", "holm", "by",
                                    "løse", "skov", "lev", "ager", "bæk"};
constexpr const char* DA_VEREINE[] = {"{O} BK", "{O} IF", "FC {O}", "{O} Boldklub", "{O} IK", "B {O}"};
constexpr const char* DA_STADIEN[] = {"{O} Stadion", "{O} Idrætspark", "{O} Arena"};
constexpr const char* DA_NAME_SEN[] = {"Niel", "Jen", "Han", "Lar", "Rasmus", "Mad", "Peder", "Mikkel", "Poul",
                                       "Jørgen", "Ander", "Thom", "Ib", "Svend", "Mogen", "Kristen", "Jep", "Juul"};
constexpr const char* SEN[] = {"sen"};
constexpr const char* DA_NAME_V[] = {"Holm", "Lund", "Skov", "Dahl", "Bech", "Møl", "Kjær", "Dam", "Bro",
                                     "Vest", "Nør", "Ør"};
constexpr const char* DA_NAME_H[] = {"gaard", "strup", "holt", "høj", "bæk", "lund", "skov", "ager", "berg"};
constexpr Muster DA_NAMEN[] = {{DA_NAME_SEN, {}, SEN}, {DA_NAME_SEN, {}, SEN}, {DA_NAME_V, {}, DA_NAME_H}};
constexpr const char* DA_VORNAMEN[] = {"Lars", "Jens", "Henrik", "Niels", "Søren", "Mads", "Peter", "Morten",
                                       "Thomas", "Anders", "Jesper", "Brian", "Allan", "Per", "Jakob"};

constexpr const char* NO_ORT_V[] = {"Mol", "Stav", "Hau", "Ber", "Sand", "Lil", "Kon", "Skie", "Har", "Gjø",
                                    "Tons", "Fred", "Elv", "Bod", "Trom", "Lev", "Ork", "Krist"};
constexpr const char* NO_ORT_M[] = {"er", "el", "an", "ing", "es"};
constexpr const char* NO_ORT_H[] = {"vik", "stad", "dal", "heim", "nes", "sund", "fjord", "berg", "øy", "vang",
                                    "rud", "eid", "ås"};
constexpr const char* NO_VEREINE[] = {"{O} IL", "{O} FK", "{O} BK", "{O} SK", "{O} IF"};
constexpr const char* NO_STADIEN[] = {"{O} Stadion", "{O} Idrettspark", "{O} Arena"};
constexpr const char* NO_NAME_SEN[] = {"Han", "Johan", "Ol", "Lar", "Ander", "Peder", "Kristian", "Nil", "Iver",
                                       "Halvor", "Torger", "Gunder", "Arne", "Jakob", "Kjell"};
constexpr const char* NO_NAME_V[] = {"Strand", "Vik", "Dal", "Lie", "Haug", "Berg", "Sol", "Holm", "Ny",
                                     "Aas", "Myr", "Rønn", "Fjell"};
constexpr const char* NO_NAME_H[] = {"vik", "dal", "stad", "heim", "rud", "land", "bakken", "haug", "nes", "li",
                                     "eng", "seth"};
constexpr Muster NO_NAMEN[] = {{NO_NAME_SEN, {}, SEN}, {NO_NAME_SEN, {}, SEN}, {NO_NAME_V, {}, NO_NAME_H}};
constexpr const char* NO_VORNAMEN[] = {"Ole", "Lars", "Erik", "Jan", "Morten", "Tore", "Knut", "Bjørn", "Svein",
                                       "Kjetil", "Rune", "Espen", "Stig", "Geir", "Ståle"};

constexpr const char* SV_ORT_V[] = {"Ös", "Hel", "Norr", "Sunds", "Karl", "Jön", "Lin", "Väs", "Upp", "Söder",
                                    "Troll", "Kris", "Vär", "Ljung", "Sol", "Fal", "Hud", "Mark"};
constexpr const char* SV_ORT_M[] = {"er", "el", "an", "ing", "ar"};
constexpr const char* SV_ORT_H[] = {"köping", "by", "holm", "sund", "stad", "vik", "berg", "hamn", "ås", "torp",
                                    "fors", "ryd", "ede", "hult", "näs", "åker"};
constexpr const char* SV_VEREINE[] = {"IFK {O}", "{O} IF", "{O} FF", "{O} BK", "{O} IK", "GIF {O}"};
constexpr const char* SV_STADIEN[] = {"{O}vallen", "{O} Idrottsplats", "{O} Arena", "{O} IP"};
constexpr const char* SV_NAME_SON[] = {"Anders", "Nils", "Karls", "Johans", "Eriks", "Lars", "Pers", "Svens",
                                       "Gustafs", "Ols", "Jons", "Jakobs", "Magnus", "Peters", "Hans", "Mats"};
constexpr const char* SON[] = {"son"};
constexpr const char* SV_NAME_V[] = {"Lind", "Berg", "Sjö", "Hed", "Ek", "Nord", "Sand", "Ros", "Alm", "Dahl",
                                     "Ljung", "Björk", "Holm", "Lund", "Strand", "Sköld", "Fors", "Wall"};
constexpr const char* SV_NAME_H[] = {"ström", "berg", "lund", "qvist", "gren", "blad", "ell", "in", "man", "holm",
                                     "vall", "beck"};
constexpr Muster SV_NAMEN[] = {{SV_NAME_SON, {}, SON}, {SV_NAME_V, {}, SV_NAME_H}};
constexpr const char* SV_VORNAMEN[] = {"Anders", "Erik", "Johan", "Magnus", "Fredrik", "Henrik", "Patrik",
                                       "Tomas", "Stefan", "Mikael", "Jonas", "Niklas", "Björn", "Pär"};

// ---- Türkisch ----
constexpr const char* TR_ORT_V[] = {"Kar", "Ak", "Bal", "Er", "Düz", "Yen", "Es", "Al", "Ul", "Sar", "Bur", "Gök",
                                    "Kum", "Göl", "Çam", "Tav", "Ilg", "Dem"};
constexpr const char* TR_ORT_M[] = {"an", "er", "ir", "ol", "ün", "al", "ik"};
constexpr const char* TR_ORT_H[] = {"kent", "köy", "ova", "dere", "pinar", "hisar", "tepe", "li", "lar", "kale",
                                    "yurt", "su", "dag", "çay", "ören", "eli"};
constexpr const char* TR_VEREINE[] = {"{O}spor", "{O}spor", "{O} Belediyespor", "{O} Gücü", "{O} Idmanyurdu",
                                      "{O} Demirspor"};
constexpr const char* TR_STADIEN[] = {"{O} Stadyumu", "{O} Sehir Stadyumu", "Yeni {O} Stadyumu"};
constexpr const char* TR_NAME_V[] = {"Kara", "Ak", "Demir", "Öz", "Kaya", "Yildiz", "Çelik", "Aydin", "Er", "Gök",
                                     "Tas", "Aslan", "Kurt", "Sahin", "Yil", "Çak", "Tun", "Bay", "Ars", "Dur",
                                     "Kil", "Gül", "Ay", "Top", "Tek"};
constexpr const char* TR_NAME_H[] = {"han", "soy", "türk", "oglu", "kaya", "can", "dag", "er", "tekin", "ci",
                                     "maz", "dal", "kan", "ol", "gün", "baz"};
constexpr Muster TR_NAMEN[] = {{TR_NAME_V, {}, TR_NAME_H}};
constexpr const char* TR_VORNAMEN[] = {"Emre", "Hakan", "Mehmet", "Mustafa", "Burak", "Serkan", "Tolga", "Ümit",
                                       "Ahmet", "Ali", "Okan", "Arda", "Volkan", "Selçuk", "Tayfun"};

// ---- Griechisch ----
constexpr const char* GR_ORT_V[] = {"Kal", "Ar", "Thes", "Lar", "Kor", "Pat", "Ver", "Xan", "Kas", "Tri", "Lef",
                                    "Mes", "Naf", "Agr", "Pel", "Kav", "Ser", "Dram", "Hal", "Kat"};
constexpr const char* GR_ORT_M[] = {"am", "ir", "ol", "an", "is", "et"};
constexpr const char* GR_ORT_H[] = {"ada", "ina", "ios", "oupoli", "itsa", "amos", "aki", "ia", "ini", "issa",
                                    "okastro", "ero"};
constexpr const char* GR_VEREINE[] = {"Aris {O}", "Asteras {O}", "Atromitos {O}", "Ethnikos {O}", "Apollon {O}",
                                      "Doxa {O}", "AE {O}", "PAS {O}", "Niki {O}"};
constexpr const char* GR_STADIEN[] = {"Gipedo {O}", "Dimotiko Gipedo {O}", "Stadio {O}"};
constexpr const char* GR_NAME_V[] = {"Pap", "Geor", "Kon", "Dim", "Nik", "Kar", "Vas", "Mich", "Stav", "Char",
                                     "Ang", "Ant", "Chris", "Tsol", "Mak", "Pan", "Spyr", "Theod", "Kyr", "Zerv",
                                     "Manol", "Stath", "Laz", "Kouk"};
constexpr const char* GR_NAME_M[] = {"ad", "an", "ol", "ir", "ak", "et"};
constexpr const char* GR_NAME_H[] = {"opoulos", "idis", "akis", "iou", "as", "aris", "ellis", "atos", "ides",
                                     "ou", "akos", "oglou"};
constexpr Muster GR_NAMEN[] = {{GR_NAME_V, GR_NAME_M, GR_NAME_H}};
constexpr const char* GR_VORNAMEN[] = {"Nikos", "Giorgos", "Kostas", "Dimitris", "Giannis", "Vasilis", "Christos",
                                       "Theodoros", "Angelos", "Stelios", "Panagiotis", "Michalis"};

// ---- Polnisch ----
constexpr const char* PL_ORT_V[] = {"Bial", "Gor", "Kros", "Wol", "Ost", "Zab", "Rad", "Tom", "Lub", "Star",
                                    "Now", "Sied", "Plon", "Kal", "Gniez", "Brod", "Choj", "Mil"};
constexpr const char* PL_ORT_M[] = {"an", "ol", "ik", "ysz", "ar"};
constexpr const char* PL_ORT_H[] = {"ow", "owo", "ice", "in", "ek", "no", "sk", "awa", "any", "ów", "ica",
                                    "owiec", "ec"};
constexpr const char* PL_VEREINE[] = {"Polonia {O}", "Górnik {O}", "Stal {O}", "Ruch {O}", "Piast {O}", "KS {O}",
                                      "MKS {O}", "Unia {O}", "Odra {O}"};
constexpr const char* PL_STADIEN[] = {"Stadion Miejski {O}", "Stadion OSiR {O}", "Stadion {O}"};
constexpr const char* PL_NAME_V[] = {"Kowal", "Now", "Wis", "Wójc", "Kam", "Lewand", "Zielin", "Szyman", "Wozn",
                                     "Dab", "Kozl", "Jank", "Maz", "Krawc", "Pawl", "Grab", "Zaj", "Krol",
                                     "Wiecz", "Jabl", "Maj", "Olsz", "Sik", "Barcz"};
constexpr const char* PL_NAME_M[] = {"an", "ol", "ur", "in"};
constexpr const char* PL_NAME_H[] = {"ski", "ak", "ek", "czyk", "owski", "ewski", "iak", "icz", "ik", "ny",
                                     "iec", "ka", "ecki"};
constexpr Muster PL_NAMEN[] = {{PL_NAME_V, PL_NAME_M, PL_NAME_H}};
constexpr const char* PL_VORNAMEN[] = {"Piotr", "Tomasz", "Marcin", "Pawel", "Krzysztof", "Jakub", "Michal",
                                       "Grzegorz", "Lukasz", "Marek", "Adam", "Jacek", "Dariusz", "Robert"};

// ---- Russisch (German transliteration, as the game's texts are German) ----
constexpr const char* RU_ORT_V[] = {"Wol", "Now", "Kras", "Bel", "Sel", "Ust", "Pet", "Sam", "Twer", "Orl",
                                    "Kur", "Jar", "Luk", "Kam", "Sosn", "Bor", "Lip", "Kir", "Tul", "Ros"};
constexpr const char* RU_ORT_M[] = {"og", "om", "ar", "en", "ol", "iw"};
constexpr const char* RU_ORT_H[] = {"grad", "orsk", "owsk", "insk", "ansk", "owo", "ino", "sk", "kow", "gorod",
                                    "ez", "ensk"};
constexpr const char* RU_VEREINE[] = {"Dynamo {O}", "Spartak {O}", "Lokomotive {O}", "Torpedo {O}",
                                      "Metallurg {O}", "Chimik {O}", "Rotor {O}", "Saturn {O}"};
constexpr const char* RU_STADIEN[] = {"Stadion {O}", "Zentralstadion {O}", "Arena {O}"};
constexpr const char* RU_NAME_V[] = {"Smirn", "Iwan", "Kusnez", "Sokol", "Lebed", "Kosl", "Nowik", "Moros",
                                     "Wolk", "Saiz", "Pawl", "Semjon", "Golub", "Winogr", "Bogd", "Worob",
                                     "Fjodor", "Belj", "Tarass", "Orl", "Zwet", "Miron", "Kissel", "Jegor"};
constexpr const char* RU_NAME_M[] = {"al", "en", "ar", "ol"};
constexpr const char* RU_NAME_H[] = {"ow", "ew", "in", "ski", "kin", "ichin", "ow", "ow", "jew", "anow"};
constexpr Muster RU_NAMEN[] = {{RU_NAME_V, RU_NAME_M, RU_NAME_H}};
constexpr const char* RU_VORNAMEN[] = {"Sergej", "Dmitri", "Alexej", "Andrej", "Igor", "Wladimir", "Juri", "Oleg",
                                       "Nikolai", "Pawel", "Roman", "Jewgeni"};

// ---- Nations without leagues: only people ----
constexpr const char* CS_NAME_V[] = {"Nov", "Svob", "Dvor", "Cern", "Proch", "Kuch", "Vesel", "Hor", "Nem",
                                     "Pokor", "Mar", "Pos", "Háj", "Král", "Jel", "Rub", "Sed", "Fiš", "Zem",
                                     "Kop", "Stan", "Vond", "Bart", "Šim"};
constexpr const char* CS_NAME_M[] = {"an", "ol", "er", "in"};
constexpr const char* CS_NAME_H[] = {"ák", "ek", "ík", "ný", "ský", "ka", "ec", "ínek", "ourek", "oušek"};
constexpr Muster CS_NAMEN[] = {{CS_NAME_V, CS_NAME_M, CS_NAME_H}};
constexpr const char* CS_VORNAMEN[] = {"Jan", "Petr", "Tomáš", "Pavel", "Martin", "Lukáš", "Karel", "Michal",
                                       "Radek", "Milan", "Václav", "Josef", "Marek", "Jaroslav"};

constexpr const char* HR_NAME_V[] = {"Kov", "Horv", "Bab", "Mar", "Jur", "Nov", "Knež", "Vuk", "Petr", "Mat",
                                     "Pav", "Tom", "Bož", "Rad", "Per", "Mil", "Šim", "Luk", "Bar", "Vid", "Grg",
                                     "Kal"};
constexpr const char* HR_NAME_M[] = {"an", "el", "ol", "ar"};
constexpr const char* HR_NAME_H[] = {"ic", "ovic", "evic", "ac", "ec", "at", "inovic", "ak"};
constexpr Muster HR_NAMEN[] = {{HR_NAME_V, HR_NAME_M, HR_NAME_H}};
constexpr const char* HR_VORNAMEN[] = {"Ivan", "Marko", "Luka", "Josip", "Mario", "Ante", "Davor", "Igor", "Dario",
                                       "Tomislav", "Zvonimir", "Niko"};

constexpr const char* HU_NAME_V[] = {"Kov", "Szab", "Tót", "Horv", "Varg", "Kiss", "Moln", "Nem", "Fark", "Bal",
                                     "Pap", "Tak", "Juh", "Lak", "Mesz", "Rác", "Fek", "Szil", "Bod", "Csab",
                                     "Gyór", "Zsig", "Vör", "Kel", "Sár"};
constexpr const char* HU_NAME_M[] = {"er", "al", "ol", "en"};
constexpr const char* HU_NAME_H[] = {"ács", "ó", "ár", "ai", "os", "ás", "i", "ényi", "ics", "esi", "falvi",
                                     "házi"};
constexpr Muster HU_NAMEN[] = {{HU_NAME_V, HU_NAME_M, HU_NAME_H}};
constexpr const char* HU_VORNAMEN[] = {"László", "István", "Zoltán", "Gábor", "Attila", "Tamás", "Péter", "Sándor",
                                       "Balázs", "Zsolt", "Csaba", "Tibor"};

constexpr const char* JA_NAME_V[] = {"Yama", "Naka", "Taka", "Matsu", "Ishi", "Kawa", "Fuji", "Mori", "Saka",
                                     "Ono", "Kita", "Nishi", "Ao", "Kuro", "Shima", "Hara", "Sugi", "Iwa", "Maru",
                                     "Hira", "Uchi", "Hoshi"};
constexpr const char* JA_NAME_H[] = {"moto", "mura", "hashi", "ta", "da", "kawa", "guchi", "no", "shita", "zaki",
                                     "uchi", "oka", "yama", "bayashi", "shima", "hara", "kura", "tani", "ki"};
constexpr Muster JA_NAMEN[] = {{JA_NAME_V, {}, JA_NAME_H}};
constexpr const char* JA_VORNAMEN[] = {"Hiroshi", "Takeshi", "Kenji", "Daisuke", "Yuki", "Kazuki", "Masato", "Ryo",
                                       "Naoki", "Makoto", "Atsushi", "Keisuke", "Tomoya", "Haruto"};

constexpr const char* KO_FAMILIE[] = {"Kim", "Lee", "Park", "Choi", "Jung", "Kang", "Cho", "Yoon", "Jang", "Lim",
                                      "Han", "Oh", "Seo", "Shin", "Kwon", "Hwang", "Ahn", "Song", "Hong", "Yoo",
                                      "Jeon", "Ko", "Moon", "Yang", "Son", "Bae", "Baek", "Heo", "Nam", "Noh"};
constexpr Muster KO_NAMEN[] = {{KO_FAMILIE, {}, KEINE}};
constexpr const char* KO_VORNAMEN[] = {"Min-jun", "Ji-hoon", "Sung-min", "Dong-hyun", "Jae-won", "Hyun-woo",
                                       "Young-ho", "Tae-yang", "Seung-ho", "Jun-ho", "Sang-woo", "Kyung-soo"};

constexpr const char* NG_IGBO_V[] = {"Ok", "Nw", "Ob", "Ez", "Ekw", "Og", "Onw", "Anyan", "Iw", "Uch", "Nk"};
constexpr const char* NG_IGBO_H[] = {"afor", "onkwo", "oro", "eke", "osu", "ankwo", "emeka", "eme", "udo",
                                     "ebuka", "ike", "ala", "ocha"};
constexpr const char* NG_YORUBA_V[] = {"Ade", "Ola", "Olu", "Ako", "Aji", "Fola", "Oye", "Abi", "Ogun", "Ayo",
                                       "Bami", "Ola"};
constexpr const char* NG_YORUBA_H[] = {"yemi", "wale", "bayo", "femi", "tunde", "dipo", "kunle", "tola", "sanya",
                                       "nuga", "bode", "dele"};
constexpr Muster NG_NAMEN[] = {{NG_IGBO_V, {}, NG_IGBO_H}, {NG_YORUBA_V, {}, NG_YORUBA_H}};
constexpr const char* NG_VORNAMEN[] = {"Chinedu", "Emeka", "Tunde", "Segun", "Kelechi", "Obinna", "Sunday",
                                       "Victor", "Samuel", "Daniel", "Ikechukwu", "Femi", "Yakubu"};

constexpr const char* GH_NAME_V[] = {"Ow", "App", "Os", "Agy", "Of", "Add", "Am", "B", "As", "Ny", "Dar", "Tett",
                                     "Kuf", "Ans", "Gy", "Ack", "Ass", "Bon", "Qu"};
constexpr const char* GH_NAME_H[] = {"usu", "iah", "ei", "eman", "ori", "o", "oah", "ateng", "ame", "ante",
                                     "eh", "our", "ah", "onsah", "afo", "uah", "eng"};
constexpr Muster GH_NAMEN[] = {{GH_NAME_V, {}, GH_NAME_H}};
constexpr const char* GH_VORNAMEN[] = {"Kwame", "Kofi", "Kwabena", "Yaw", "Kojo", "Kwaku", "Kwasi", "Emmanuel",
                                       "Isaac", "Samuel", "Daniel", "Stephen", "Richard"};

constexpr const char* KM_NAME_V[] = {"Mb", "Nd", "Ng", "Nk", "Et", "Ess", "Ab", "Ek", "Tch", "Fot", "Kam", "Mv",
                                     "Ny", "Ong", "Mbi", "Ats"};
constexpr const char* KM_NAME_H[] = {"arga", "ongo", "oulou", "ia", "ana", "omba", "ondo", "ami", "agne", "ena",
                                     "oundi", "ang", "oko", "ole", "ando", "otso"};
constexpr Muster KM_NAMEN[] = {{KM_NAME_V, {}, KM_NAME_H}};
constexpr const char* KM_VORNAMEN[] = {"Jean", "Pierre", "Samuel", "Joseph", "Patrick", "Eric", "Marc", "Alain",
                                       "Serge", "Christian", "Benoît", "Thierry"};

// In the order of Welt_Sprache.
const Sprach_Daten SPRACHEN[WELT_SPRACHEN] = {
    {DE_ORT_V, DE_ORT_M, DE_ORT_H, DE_VEREINE, DE_STADIEN, DE_NAMEN, DE_VORNAMEN},
    {EN_ORT_V, EN_ORT_M, EN_ORT_H, EN_VEREINE, EN_STADIEN, EN_NAMEN, EN_VORNAMEN},
    {SC_ORT_V, SC_ORT_M, SC_ORT_H, SC_VEREINE, SC_STADIEN, SC_NAMEN, SC_VORNAMEN},
    {{}, {}, {}, {}, {}, IE_NAMEN, IE_VORNAMEN},
    {IT_ORT_V, IT_ORT_M, IT_ORT_H, IT_VEREINE, IT_STADIEN, IT_NAMEN, IT_VORNAMEN},
    {ES_ORT_V, ES_ORT_M, ES_ORT_H, ES_VEREINE, ES_STADIEN, ES_NAMEN, ES_VORNAMEN},
    {PT_ORT_V, PT_ORT_M, PT_ORT_H, PT_VEREINE, PT_STADIEN, PT_NAMEN, PT_VORNAMEN},
    {FR_ORT_V, FR_ORT_M, FR_ORT_H, FR_VEREINE, FR_STADIEN, FR_NAMEN, FR_VORNAMEN},
    {NL_ORT_V, NL_ORT_M, NL_ORT_H, NL_VEREINE, NL_STADIEN, NL_NAMEN, NL_VORNAMEN},
    {VL_ORT_V, VL_ORT_M, VL_ORT_H, VL_VEREINE, VL_STADIEN, VL_NAMEN, VL_VORNAMEN},
    {DA_ORT_V, DA_ORT_M, DA_ORT_H, DA_VEREINE, DA_STADIEN, DA_NAMEN, DA_VORNAMEN},
    {NO_ORT_V, NO_ORT_M, NO_ORT_H, NO_VEREINE, NO_STADIEN, NO_NAMEN, NO_VORNAMEN},
    {SV_ORT_V, SV_ORT_M, SV_ORT_H, SV_VEREINE, SV_STADIEN, SV_NAMEN, SV_VORNAMEN},
    {TR_ORT_V, TR_ORT_M, TR_ORT_H, TR_VEREINE, TR_STADIEN, TR_NAMEN, TR_VORNAMEN},
    {GR_ORT_V, GR_ORT_M, GR_ORT_H, GR_VEREINE, GR_STADIEN, GR_NAMEN, GR_VORNAMEN},
    {PL_ORT_V, PL_ORT_M, PL_ORT_H, PL_VEREINE, PL_STADIEN, PL_NAMEN, PL_VORNAMEN},
    {RU_ORT_V, RU_ORT_M, RU_ORT_H, RU_VEREINE, RU_STADIEN, RU_NAMEN, RU_VORNAMEN},
    {{}, {}, {}, {}, {}, CS_NAMEN, CS_VORNAMEN},
    {{}, {}, {}, {}, {}, HR_NAMEN, HR_VORNAMEN},
    {{}, {}, {}, {}, {}, HU_NAMEN, HU_VORNAMEN},
    {{}, {}, {}, {}, {}, JA_NAMEN, JA_VORNAMEN},
    {{}, {}, {}, {}, {}, KO_NAMEN, KO_VORNAMEN},
    {{}, {}, {}, {}, {}, NG_NAMEN, NG_VORNAMEN},
    {{}, {}, {}, {}, {}, GH_NAMEN, GH_VORNAMEN},
    {{}, {}, {}, {}, {}, KM_NAMEN, KM_VORNAMEN},
};

const Sprach_Daten& daten(Welt_Sprache s) { return SPRACHEN[static_cast<int>(s)]; }

const char* wahl(Welt_Rng& r, Liste l)
{
    if (l.empty()) return "";
    uint32_t i = r.next() % static_cast<uint32_t>(l.size());
    return l[i];
}

// Vowels of Windows-1252, accented ones included ('y' is left out: it joins either way).
bool vokal(unsigned char c)
{
    if (c && std::strchr("AEIOUaeiou", c)) return true;
    if (c < 0xC0) return false;
    unsigned char g = c & 0xDF;  // small letters as capitals
    return c != 0xDF && c != 0xF7 && g != 0xC7 && g != 0xD0 && g != 0xD1 && g != 0xD7 && g != 0xDD && g != 0xDE;
}

// Appends a syllable unless the joint reads badly: two vowels meeting ("Löerlitz") or one
// letter three times.
bool anfuegen(std::string& w, const char* teil)
{
    if (!*teil) return true;
    if (!w.empty()) {
        unsigned char a = static_cast<unsigned char>(w.back()), b = static_cast<unsigned char>(teil[0]);
        if (vokal(a) && vokal(b)) return false;
        size_t n = w.size();
        if (n >= 2 && w[n - 2] == w[n - 1] && w[n - 1] == teil[0]) return false;
        if (teil[1] && a == b && b == static_cast<unsigned char>(teil[1])) return false;
        // no stutter: "Baubauer", "Gararares"
        if (n >= 2 && teil[1] && w[n - 2] == teil[0] && w[n - 1] == teil[1]) return false;
        size_t i = 0;
        while (i < n && teil[i] && std::tolower(static_cast<unsigned char>(w[i])) == teil[i]) ++i;
        if (i == n) return false;
    }
    w += teil;
    return true;
}

// A form with the town put in.
std::string einsetzen(const char* form, const std::string& ort)
{
    std::string s;
    for (const char* p = form; *p;) {
        if (!std::strncmp(p, "{O}", 3)) {
            s += ort;
            p += 3;
        } else if (!std::strncmp(p, "{A}", 3)) {
            s += ort;
            s += ort.back() == 'e' ? "r" : "er";
            p += 3;
        } else if (!std::strncmp(p, "{d}", 3)) {
            s += vokal(static_cast<unsigned char>(ort[0])) ? "d'" : "de ";
            p += 3;
        } else {
            s += *p++;
        }
    }
    return s;
}

// The forms in a drawn order; the first that fits wins.
std::string erste_passende(Welt_Rng& r, Liste formen, const std::string& ort, size_t max_len, bool pixel)
{
    std::array<uint8_t, 32> folge{};
    size_t n = std::min(formen.size(), folge.size());
    for (size_t i = 0; i < n; ++i) folge[i] = static_cast<uint8_t>(i);
    for (size_t i = n; i > 1; --i) {
        uint32_t j = r.next() % static_cast<uint32_t>(i);
        std::swap(folge[i - 1], folge[j]);
    }
    for (size_t i = 0; i < n; ++i) {
        std::string s = einsetzen(formen[folge[i]], ort);
        if (s.size() <= max_len && (!pixel || Welt_Text_Breite(s) <= WELT_NAME_PIXEL)) return s;
    }
    return "";
}

Font_Record* messfont()
{
    static Font_Record* font = nullptr;
    static bool versucht = false;
    if (!versucht) {
        versucht = true;
        std::vector<uint8_t> d = Font_Resource_Daten(1521 + 3);
        if (!d.empty()) font = Font_Aus_Resource(d.data(), static_cast<uint32_t>(d.size()), 8);
        if (!font) std::fprintf(stderr, "welt: Font 3 nicht gerastert, Namensbreiten geschätzt\n");
    }
    return font;
}

}  // namespace

bool Welt_Sprache_Hat_Vereine(Welt_Sprache s)
{
    const Sprach_Daten& d = daten(s);
    return !d.ort_vorn.empty() && !d.ort_hinten.empty() && !d.vereine.empty() && !d.stadien.empty();
}

std::string Welt_Ort(Welt_Rng& r, Welt_Sprache s)
{
    const Sprach_Daten& d = daten(s);
    if (!Welt_Sprache_Hat_Vereine(s)) return "";
    for (;;) {
        std::string o = wahl(r, d.ort_vorn);
        const char* mitte = wahl(r, d.ort_mitte);
        const char* ende = wahl(r, d.ort_hinten);
        if (anfuegen(o, mitte) && anfuegen(o, ende) && o.size() <= 14) return o;
    }
}

std::string Welt_Vereinsname(Welt_Rng& r, Welt_Sprache s, const std::string& ort)
{
    if (ort.empty()) return "";
    return erste_passende(r, daten(s).vereine, ort, 23, true);
}

std::string Welt_Stadionname(Welt_Rng& r, Welt_Sprache s, const std::string& ort)
{
    if (ort.empty()) return "";
    return erste_passende(r, daten(s).stadien, ort, 29, false);
}

std::string Welt_Nachname(Welt_Rng& r, Welt_Sprache s, size_t max_len, bool lang)
{
    const Sprach_Daten& d = daten(s);
    for (;;) {
        uint32_t m = r.next() % static_cast<uint32_t>(d.nachnamen.size());
        const Muster& muster = d.nachnamen[m];
        std::string w = wahl(r, muster.vorn);
        bool gut = true;
        if (!muster.mitte.empty()) {
            int32_t mitte = r.range(0, 2);
            if (lang || mitte == 0) gut = anfuegen(w, wahl(r, muster.mitte));
        }
        const char* ende = wahl(r, muster.hinten);
        if (gut && anfuegen(w, ende) && !w.empty() && w.size() <= max_len) return w;
    }
}

std::string Welt_Vorname(Welt_Rng& r, Welt_Sprache s) { return wahl(r, daten(s).vornamen); }

int32_t Welt_Text_Breite(const std::string& text)
{
    if (Font_Record* f = messfont()) return Font_Text_Breite(f, text.c_str());
    return static_cast<int32_t>(text.size()) * 8;
}
